#include "gui/dxf_progress_window.h"

#include <QVBoxLayout>

namespace zef::gui {
namespace {

// Painting every entity's line would slow a large drawing down.
constexpr qint64 kPaintIntervalMs = 50;

}  // namespace

DxfProgressWindow::DxfProgressWindow(QWidget* owner) : QWidget(owner, Qt::Tool) {
  setObjectName("dxfParseDlg");
  setWindowTitle("DXF cabinet");
  line_ = new QLabel;
  line_->setMinimumWidth(line_->fontMetrics().horizontalAdvance('M') * 36);
  (new QVBoxLayout(this))->addWidget(line_);
}

void DxfProgressWindow::ShowText(const std::string& text) {
  shownText_ = text;
  line_->setText(QString::fromStdString(text));
  if (!isVisible()) show();
}

void DxfProgressWindow::Progress(const std::string& line) {
  ShowText(line);
  if (!sincePaint_.isValid() || sincePaint_.elapsed() >= kPaintIntervalMs) {
    repaint();
    sincePaint_.start();
  }
}

void DxfProgressWindow::Follow(const cabinet::LazyDxf& dxf) {
  if (!dxf.DialogOpen()) {
    hide();
    return;
  }
  // Closed by the user after a failure: it comes back only with news.
  if (dxf.DialogText() != shownText_ || isVisible()) ShowText(dxf.DialogText());
}

void DxfProgressWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (hidden_) hidden_();
}

void DxfProgressWindow::Reset() {
  shownText_.clear();
  hide();
}

}  // namespace zef::gui
