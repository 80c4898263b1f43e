#include "gui/graph_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "painter/qpainter_canvas.h"

namespace zef::gui {

GraphView::GraphView(const painter::QtFontMetrics& fonts, model::MessageSink& errors,
                     QWidget* parent)
    : QWidget(parent),
      fonts_(fonts),
      errors_(errors),
      window_(std::make_unique<graphs::GraphWindow>(1, 1, fonts, errors)) {
  setMinimumSize(200, 150);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphView::Rebuild() {
  // Views use different layers: a new window keeps none of the last view's.
  window_ = std::make_unique<graphs::GraphWindow>(std::max(width(), 1), std::max(height(), 1),
                                                  fonts_, errors_);
  if (builder_) builder_(*window_);
  update();
}

void GraphView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter::QPainterCanvas canvas(painter, fonts_);
  window_->Replay(canvas);
}

void GraphView::resizeEvent(QResizeEvent*) {
  Rebuild();
}

void GraphView::Forward(view3d::MouseAction action, const QMouseEvent& event) {
  if (!mouse_) return;
  const QPoint at = event.position().toPoint();
  mouse_({action, at.x(), at.y(), event.modifiers().testFlag(Qt::ControlModifier)});
}

void GraphView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Forward(view3d::MouseAction::kLeftDown, *event);
  if (event->button() == Qt::RightButton) Forward(view3d::MouseAction::kRightDown, *event);
}

void GraphView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Forward(view3d::MouseAction::kLeftUp, *event);
  if (event->button() == Qt::RightButton) Forward(view3d::MouseAction::kRightUp, *event);
}

void GraphView::mouseMoveEvent(QMouseEvent* event) {
  Forward(view3d::MouseAction::kMove, *event);
}

// Leaving the area is a move to outside it.
void GraphView::leaveEvent(QEvent*) {
  if (mouse_) mouse_({view3d::MouseAction::kMove, -1, -1, false});
}

}  // namespace zef::gui
