#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <filesystem>

#include "app/shell.h"
#include "gui/graph_view.h"
#include "painter/qt_font_metrics.h"

namespace zef::gui {

// The floating "Phase and filters" window: the phase balloon, turned with
// the mouse or following the main view, and the magnitude and phase curves
// of the sensitivity, the filter and both combined. The shell's phase
// display decides what it shows; this window only shows it.
class PhaseWindow final : public QWidget {
 public:
  // `placeFile` keeps where the user last had the window.
  PhaseWindow(app::Shell& shell, const painter::QtFontMetrics& fonts, model::MessageSink& debug,
              app::Platform& platform, std::filesystem::path placeFile, QWidget* owner);

  // Shows, hides and redraws what the shell's phase display asks for.
  void Follow();
  GraphView& Balloon() { return *balloon_; }
  GraphView& Curves() { return *curves_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* BuildSide();
  void Place();
  void Command(int id);
  void Copy(const GraphView& view);
  void DrawBalloon(graphs::GraphWindow& window);
  void DrawCurves(graphs::GraphWindow& window);

  app::Shell& shell_;
  const painter::QtFontMetrics& fonts_;
  model::MessageSink& debug_;
  app::Platform& platform_;
  std::filesystem::path placeFile_;
  bool placed_ = false;
  QGroupBox* balloonBox_ = nullptr;
  GraphView* balloon_ = nullptr;
  GraphView* curves_ = nullptr;
  QCheckBox* track_ = nullptr;
  QCheckBox* unwrap_ = nullptr;
  QLabel* filterType_ = nullptr;
  QButtonGroup* modes_ = nullptr;
};

}  // namespace zef::gui
