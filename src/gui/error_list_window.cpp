#include "gui/error_list_window.h"

#include <QEvent>
#include <QVBoxLayout>
#include <memory>

namespace zef::gui {

namespace {
// Closing the window empties the list, as closing it through the shell does.
class ClosingFilter final : public QObject {
 public:
  ClosingFilter(app::ListWindowLines& lines, QObject* parent) : QObject(parent), lines_(lines) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Close) lines_.Close();
    return false;
  }

 private:
  app::ListWindowLines& lines_;
};
}  // namespace

ListWindow::ListWindow(Rules rules, const char* title, QWidget* owner)
    : ListWindowLines(rules), dialog_(owner), list_(new QListWidget(&dialog_)) {
  dialog_.setWindowTitle(title);
  dialog_.setAttribute(Qt::WA_ShowWithoutActivating);
  dialog_.resize(560, 180);
  auto* layout = new QVBoxLayout(&dialog_);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(list_);
  list_->setToolTip(
      "LMB double-click to copy to clipboard (hold Ctrl to only copy the clicked line)");
  dialog_.installEventFilter(new ClosingFilter(*this, &dialog_));
}

void ListWindow::OnOpened() {
  dialog_.show();
}

void ListWindow::OnLineAdded(const std::string& line, bool oldestRemoved) {
  if (oldestRemoved) std::unique_ptr<QListWidgetItem> oldest(list_->takeItem(0));
  list_->addItem(QString::fromStdString(line));
  list_->scrollToBottom();
}

void ListWindow::OnClosed() {
  list_->clear();
  dialog_.hide();
}

}  // namespace zef::gui
