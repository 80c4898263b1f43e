#pragma once

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScrollBar>
#include <map>
#include <memory>

#include "app/shell.h"
#include "app/temporary_files.h"
#include "app/upper_graph.h"
#include "gui/data_sheet_widget.h"
#include "gui/desktop_platform.h"
#include "gui/dxf_progress_window.h"
#include "gui/graph_view.h"
#include "gui/list_window.h"
#include "gui/options_dialog.h"
#include "gui/phase_window.h"
#include "painter/qt_font_metrics.h"

namespace zef::gui {

// Where the viewer keeps and finds its files, and the file to open.
struct StartUp {
  app::ShellPaths paths;
  std::string file;  // from the command line; empty for none
  bool decimalComma = false;
};

// The viewer's main window: menus, status bar, data sheet and the two graph
// areas with their controls. Every command goes to the shell; the window then
// redraws what the shell says changed.
class MainWindow final : public QMainWindow {
 public:
  explicit MainWindow(const StartUp& startUp);
  ~MainWindow() override;

  app::Shell& ShellForTests() { return shell_; }
  GraphView& UpperView() { return *upper_; }
  GraphView& LowerView() { return *lower_; }
  PhaseWindow& PhaseView() { return *phase_; }
  DxfProgressWindow& DxfView() { return *dxfProgress_; }
  // Runs a control or menu command as a click on it would.
  void Control(int id, int value = 0);
  void Menu(int id);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  void ShowMenuStates();
  void ShowRecentFiles(QMenu& menu);
  QWidget* BuildGraphs();
  QWidget* BuildUpperArea();
  QWidget* BuildLowerArea();
  QPushButton* Button(const char* text, int id, const char* tip = nullptr);
  void OutputCommand(int id);
  void InfoCommand(int id);
  void Apply(app::Changes changes);
  void ShowControls();
  void OpenOptionsDialog();
  bool Powered() const;
  void DrawUpper(graphs::GraphWindow& window);
  void DrawLower(graphs::GraphWindow& window);
  void BuildSideWindows();
  void FollowSideWindows();

  DesktopPlatform platform_;
  ListWindow errors_;
  ListWindow debug_;
  app::Shell shell_;
  std::unique_ptr<painter::QtFontMetrics> fonts_;
  app::UpperGraph upperGraph_;
  app::TemporaryFiles temporary_;
  std::filesystem::path placeFile_;
  const model::DataSet* shownSet_ = nullptr;

  std::map<int, QAction*> actions_;
  DataSheetWidget* sheet_ = nullptr;
  GraphView* upper_ = nullptr;
  GraphView* lower_ = nullptr;
  QButtonGroup* upperRadios_ = nullptr;
  QButtonGroup* lowerRadios_ = nullptr;
  std::map<int, QPushButton*> buttons_;
  QComboBox* bandCombo_ = nullptr;
  QLabel* bandKind_ = nullptr;
  QLabel* readout_ = nullptr;
  QString savedReadout_;  // the readout line's text under the navigation hint
  QScrollBar* arcBar_ = nullptr;
  QScrollBar* pointBar_ = nullptr;
  QLabel* statusFile_ = nullptr;
  QLabel* statusPath_ = nullptr;
  std::unique_ptr<OptionsDialog> options_;
  PhaseWindow* phase_ = nullptr;
  DxfProgressWindow* dxfProgress_ = nullptr;
};

}  // namespace zef::gui
