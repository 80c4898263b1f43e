// The main window's floating phase window and DXF progress window.
#include <QMenuBar>

#include "gui/main_window.h"

namespace zef::gui {

void MainWindow::BuildSideWindows() {
  phase_ = new PhaseWindow(shell_, *fonts_, debug_, platform_,
                           placeFile_.parent_path() / "phase-window-place", this);
  dxfProgress_ = new DxfProgressWindow(this);
  dxfProgress_->OnHidden([this] { menuBar()->setEnabled(true); });
  upperGraph_.WatchDxf([this](const std::string& line) { dxfProgress_->Progress(line); });
}

void MainWindow::FollowSideWindows() {
  dxfProgress_->Follow(upperGraph_.Dxf());
  // The menus wait while the progress window is open.
  if (!dxfProgress_->isHidden()) menuBar()->setEnabled(false);
  phase_->Follow();
}

}  // namespace zef::gui
