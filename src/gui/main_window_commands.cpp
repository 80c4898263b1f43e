// The main window's menus, its output commands and its redrawing after a command.
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalBlocker>
#include <vector>

#include "app/dialog_ids.h"
#include "app/graph_copy.h"
#include "app/info_commands.h"
#include "app/info_popups.h"
#include "app/lower_graph.h"
#include "app/option_commands.h"
#include "app/shell_views.h"
#include "gui/graph_clipboard.h"
#include "gui/info_actions.h"
#include "gui/info_windows.h"
#include "gui/main_window.h"

namespace zef::gui {
namespace {

using namespace app::control;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool Checkable(int id) {
  return id >= app::option_id::kFirst && id <= app::option_id::kLast;
}

}  // namespace

void MainWindow::BuildMenus() {
  std::vector<QMenu*> open{};
  for (const app::MenuEntry& entry : app::MenuBar()) {
    switch (entry.kind) {
      case app::MenuEntry::kSubmenu: {
        QMenu* menu =
            open.empty() ? menuBar()->addMenu(Q(entry.text)) : open.back()->addMenu(Q(entry.text));
        if (open.empty()) {
          connect(menu, &QMenu::aboutToShow, this, [this] { ShowMenuStates(); });
          connect(menu, &QMenu::aboutToHide, this,
                  [this] { statusFile_->setText(Q(shell_.StatusFileLine())); });
        }
        open.push_back(menu);
        break;
      }
      case app::MenuEntry::kEndSubmenu:
        open.pop_back();
        break;
      case app::MenuEntry::kSeparator:
        open.back()->addSeparator();
        break;
      case app::MenuEntry::kCommand: {
        const int id = entry.id;
        if (id == 16) {  // recent files stand before Exit
          QMenu* recent = open.back()->addMenu("Recent &Files");
          connect(recent, &QMenu::aboutToShow, this, [this, recent] { ShowRecentFiles(*recent); });
          open.back()->addSeparator();
        }
        QAction* action = open.back()->addAction(Q(entry.text));
        if (!entry.shortcut.empty()) action->setShortcut(QKeySequence(Q(entry.shortcut)));
        action->setCheckable(Checkable(id));
        connect(action, &QAction::triggered, this, [this, id] { Menu(id); });
        connect(action, &QAction::hovered, this,
                [this, id] { statusFile_->setText(Q(shell_.StatusHelp(id))); });
        actions_[id] = action;
        break;
      }
    }
  }
}

void MainWindow::ShowRecentFiles(QMenu& menu) {
  menu.clear();
  for (const std::string& file : shell_.Recent().Files()) {
    connect(menu.addAction(Q(file)), &QAction::triggered, this,
            [this, file] { Apply(shell_.OpenNamed(file)); });
  }
  menu.setEnabled(!shell_.Recent().Files().empty());
}

void MainWindow::ShowMenuStates() {
  for (const auto& [id, state] : shell_.Menu()) {
    QAction* action = actions_.at(id);
    action->setEnabled(state.enabled);
    if (action->isCheckable()) action->setChecked(state.checked);
  }
}

void MainWindow::OutputCommand(int id) {
  const std::optional<app::GraphCopy> copy = app::GraphCopyOf(id);
  if (!copy) return;
  const GraphView& view = copy->upper ? *upper_ : *lower_;
  app::CopyGraph(platform_, QtGraphRenderer(*fonts_), view.Window(), *copy,
                 app::CopyFooter(copy->upper, shell_.State().lower), shell_.CurrentFile());
}

void MainWindow::InfoCommand(int id) {
  QPushButton* button = sheet_->InfoButton(id);
  const std::string label = button != nullptr ? button->text().toLatin1().toStdString() : "";
  const app::InfoWindow shown = app::InfoCommand(platform_, id, label, shell_.Holder(), temporary_);
  QWidget* anchor = button != nullptr ? static_cast<QWidget*>(button) : this;
  if (shown.kind == app::InfoWindow::kPopup) {
    MakeInfoPopup(anchor, shown.title, shown.text)->exec();
  } else if (shown.kind == app::InfoWindow::kTextFile) {
    MakeTextFileWindow(anchor, shown.text)->exec();
  }
}

void MainWindow::OpenOptionsDialog() {
  OptionsDialog::Actions actions{
      .command =
          [this](int control) {
            Apply(shell_.OptionsDialogCommand(control));
            if (options_) options_->Show(shell_.Stored(), Powered());
          },
      .dialogFont =
          [this](const std::string& face, int points) {
            shell_.SetDialogFont(face, points);
            options_->Show(shell_.Stored(), Powered());
          },
      .graphicsFont = [this](int choice) { shell_.SetGraphicsFont(choice); },
      .closed = [this] { shell_.OptionsDialogClosed(); },
  };
  options_ = std::make_unique<OptionsDialog>(std::move(actions), this);
  options_->Show(shell_.Stored(), Powered());
  options_->show();
}

bool MainWindow::Powered() const {
  const model::DataSet* set = shell_.Holder().Loaded();
  return set != nullptr && set->info->type == model::SpeakerType::Powered;
}

void MainWindow::Menu(int id) {
  if (app::GraphCopyOf(id)) {
    OutputCommand(id);
  } else if (id == 62) {
    ShowAbout(this, platform_);
  } else {
    Apply(shell_.MenuCommand(id));
  }
}

void MainWindow::Control(int id, int value) {
  if (app::IsInfoControl(id)) {
    InfoCommand(id);
  } else {
    Apply(shell_.ControlCommand(id, value));
  }
}

void MainWindow::Apply(app::Changes changes) {
  model::DataSet* set = shell_.SetForDrawing();
  if (set != shownSet_) {
    upperGraph_.NewSet();
    dxfProgress_->Reset();
    shownSet_ = set;
    changes |= app::kEverything;
  }
  if ((changes & app::kOptionsDialogOpened) != 0) OpenOptionsDialog();
  if ((changes & app::kTitleChanged) != 0) {
    setWindowTitle(Q(shell_.WindowTitle()));
    statusFile_->setText(Q(shell_.StatusFileLine()));
    statusPath_->setText(Q(shell_.StatusPath()));
  }
  if ((changes & (app::kSheetChanged | app::kControlsChanged)) != 0) ShowControls();
  if ((changes & app::kBlinksChanged) != 0) sheet_->ShowBlinks(shell_.Blinks());
  if ((changes & app::kUpperChanged) != 0 && set != nullptr) {
    if (auto message = upperGraph_.Rebuild(*set, shell_.State(), shell_.Options())) {
      platform_.ShowMessage(*message);
    }
    upper_->Rebuild();
  }
  if ((changes & app::kLowerChanged) != 0) lower_->Rebuild();
  FollowSideWindows();
}

void MainWindow::ShowControls() {
  const model::DataSet* set = shell_.Holder().Loaded();
  const app::ShellState& state = shell_.State();
  const app::DialogControls c = app::ControlStates(state, shell_.Options(), set);
  const app::DataSheet sheet = shell_.Sheet();
  if (set != nullptr) sheet_->ShowSheet(sheet, c);
  for (const app::InfoButton button :
       {app::InfoButton::kMaxInput, app::InfoButton::kAmplifierSize, app::InfoButton::kGain}) {
    sheet_->EnableInfoButton(static_cast<int>(button),
                             set != nullptr && app::InfoButtonEnabled(button, *set->info));
  }
  sheet_->ShowBlinks(shell_.Blinks());
  upperRadios_->button(kBalloonRadio + c.upperRadio)->setChecked(true);
  lowerRadios_->button(app::control::LowerRadioId(c.lowerRadio))->setChecked(true);
  for (const int id : {kUpperZoomIn, kUpperZoomOut}) buttons_.at(id)->setVisible(c.upperZoomShown);
  for (const int id : {kLowerZoomIn, kLowerZoomOut}) buttons_.at(id)->setVisible(c.lowerZoomShown);
  buttons_.at(kUpperZoomIn)->setEnabled(c.upperZoomIn);
  buttons_.at(kUpperZoomOut)->setEnabled(c.upperZoomOut);
  buttons_.at(kLowerZoomIn)->setEnabled(c.lowerZoomIn);
  buttons_.at(kLowerZoomOut)->setEnabled(c.lowerZoomOut);
  arcBar_->setVisible(c.spectraBarsShown);
  pointBar_->setVisible(c.spectraBarsShown);
  arcBar_->setRange(0, c.arcMaximum);
  arcBar_->setSliderPosition(c.arcPosition);
  pointBar_->setRange(0, c.pointMaximum);
  pointBar_->setSliderPosition(c.pointPosition);
  const QSignalBlocker blocker(bandCombo_);
  bandCombo_->clear();
  for (const std::string& choice : sheet.bandChoices) bandCombo_->addItem(Q(choice));
  bandCombo_->setCurrentIndex(c.bandComboIndex);
  bandCombo_->setEnabled(c.bandComboEnabled);
  bandKind_->setText(Q(sheet.Field(app::sheet_field::kBandKind)));
}

void MainWindow::DrawUpper(graphs::GraphWindow& window) {
  const model::DataSet* set = shell_.Holder().Loaded();
  if (set == nullptr) return;
  upperGraph_.SetSize(window.Width(), window.Height());
  upperGraph_.Draw(window, *set, shell_.State(), shell_.Options());
}

void MainWindow::DrawLower(graphs::GraphWindow& window) {
  const model::DataSet* set = shell_.Holder().Loaded();
  if (set == nullptr) return;
  const app::ExportRequest request = app::LowerGraphRequest(shell_.State(), shell_.Options(), *set,
                                                            window.Width(), window.Height());
  std::string error;
  app::BuildLowerGraph(request, shell_.Holder(), shell_.DecimalComma(), window, error);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  Apply(shell_.OpenNamed(urls.front().toLocalFile().toStdString()));
}

}  // namespace zef::gui
