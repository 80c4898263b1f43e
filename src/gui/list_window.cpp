#include "gui/list_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

namespace zef::gui {
namespace {

// The list's size in the dialog font: 248 x 60 dialog units.
QSize TemplateSize(const QFontMetrics& metrics) {
  return {metrics.averageCharWidth() * 248 / 4, metrics.height() * 60 / 8};
}

// Every line is as wide as the widest one, so the list can lay its lines out
// as one size (thousands of lines stay quick) and still scrolls to the end
// of the widest.
class WidestLineDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void SetTextWidth(int pixels) {
    textWidth_ = pixels;
    emit sizeHintChanged(QModelIndex());
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setWidth(std::max(size.width(), textWidth_ + kPadding));
    return size;
  }

 private:
  static constexpr int kPadding = 8;  // the item's own margins around its text
  int textWidth_ = 0;
};

}  // namespace

ListWindow::ListWindow(Rules rules, std::string_view title, QWidget* owner, app::Platform& platform)
    : ListWindowModel(rules, title), owner_(owner), platform_(platform) {}

ListWindow::~ListWindow() = default;

ListWindow ListWindow::Errors(QWidget* owner, app::Platform& platform) {
  return ListWindow(kErrorRules, app::kErrorWindowTitle, owner, platform);
}

ListWindow ListWindow::Debug(QWidget* owner, app::Platform& platform) {
  return ListWindow(kDebugRules, app::kDebugWindowTitle, owner, platform);
}

void ListWindow::Create() {
  dialog_ = std::make_unique<QDialog>(owner_);
  dialog_->setWindowTitle(QString::fromStdString(Title()));
  dialog_->setAttribute(Qt::WA_ShowWithoutActivating);
  dialog_->setModal(false);
  list_ = new QListWidget(dialog_.get());
  list_->setToolTip(QString::fromUtf8(app::kListWindowTooltip.data(),
                                      static_cast<qsizetype>(app::kListWindowTooltip.size())));
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list_->setUniformItemSizes(true);
  list_->setItemDelegate(new WidestLineDelegate(list_));
  auto* layout = new QVBoxLayout(dialog_.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_);
  dialog_->resize(TemplateSize(dialog_->fontMetrics()));
  if (const auto& saved = SavedPlacement()) dialog_->move(saved->left, saved->top);

  QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this](QListWidgetItem* item) {
    const bool ctrl = QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
    CopyOnDoubleClick(platform_, static_cast<std::size_t>(list_->row(item)), ctrl);
  });
  QObject::connect(dialog_.get(), &QDialog::finished, dialog_.get(), [this] { Close(); });
}

void ListWindow::OnOpened() {
  if (!dialog_) Create();
  dialog_->show();
}

void ListWindow::OnLineAdded(const std::string& line, bool oldestRemoved) {
  if (!list_) return;
  if (oldestRemoved) std::unique_ptr<QListWidgetItem>(list_->takeItem(0));  // taken items are ours
  const QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
  list_->addItem(text);
  const int row = list_->count() - 1;
  list_->scrollToItem(list_->item(static_cast<int>(app::TopLineFor(static_cast<std::size_t>(row)))),
                      QAbstractItemView::PositionAtTop);
  if (NoteLineWidth(list_->fontMetrics().horizontalAdvance(text))) {
    static_cast<WidestLineDelegate*>(list_->itemDelegate())->SetTextWidth(WidestLine());
  }
}

void ListWindow::OnClosed() {
  ListWindowModel::OnClosed();
  if (!dialog_) return;
  // Closed by the user or before the next file is read: either way it comes
  // back where it stood.
  const QPoint at = dialog_->pos();
  SavePlacement({at.x(), at.y(), dialog_->width(), dialog_->height()});
  // Closing may come from the window's own signal: it goes once that returns.
  dialog_.release()->deleteLater();
  list_ = nullptr;
}

}  // namespace zef::gui
