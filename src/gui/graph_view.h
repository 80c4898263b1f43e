#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "graphs/graph_window.h"
#include "painter/qt_font_metrics.h"
#include "view3d/navigation.h"

namespace zef::gui {

// A graph area: holds the drawing commands of one graph at the widget's
// size and replays them through the painter canvas, so lines and text are
// drawn at the screen's device pixels. The builder fills the window anew.
class GraphView final : public QWidget {
 public:
  using Builder = std::function<void(graphs::GraphWindow&)>;
  using MouseHandler = std::function<void(const view3d::MouseEvent&)>;

  GraphView(const painter::QtFontMetrics& fonts, model::MessageSink& errors, QWidget* parent);

  void SetBuilder(Builder builder) { builder_ = std::move(builder); }
  void SetMouseHandler(MouseHandler handler) { mouse_ = std::move(handler); }
  // Asks the builder for a new drawing, on an empty window, and repaints.
  void Rebuild();
  const graphs::GraphWindow& Window() const { return *window_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void Forward(view3d::MouseAction action, const QMouseEvent& event);

  const painter::QtFontMetrics& fonts_;
  model::MessageSink& errors_;
  std::unique_ptr<graphs::GraphWindow> window_;
  Builder builder_;
  MouseHandler mouse_;
};

}  // namespace zef::gui
