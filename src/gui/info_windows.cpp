#include "gui/info_windows.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "app/desktop_links.h"
#include "app/info_popups.h"
#include "gui/zefview_icon.h"

namespace zef::gui {
namespace {

QString Q(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Texts from data files end their lines with CR LF.
QString Lines(std::string_view text) {
  return Q(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::unique_ptr<QDialog> Dialog(QWidget* anchor, std::string_view caption) {
  auto dialog = std::make_unique<QDialog>(anchor ? anchor->window() : nullptr);
  dialog->setWindowTitle(Q(caption));
  return dialog;
}

void AddOk(QDialog& dialog, QLayout& layout) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout.addWidget(buttons);
}

// Top-left corner on the anchor's; the size stays the window's own.
void PlaceOn(QDialog& dialog, QWidget* anchor) {
  if (anchor) dialog.move(anchor->mapToGlobal(QPoint(0, 0)));
}

QPixmap Logo(int size) {
  QSvgRenderer svg(
      QByteArray(kZefviewIconSvg.data(), static_cast<qsizetype>(kZefviewIconSvg.size())));
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  svg.render(&painter);
  return pixmap;
}

}  // namespace

std::unique_ptr<QDialog> MakeInfoPopup(QWidget* button, std::string_view title,
                                       std::string_view body) {
  auto dialog = Dialog(button, app::kInfoPopupCaption);
  auto* layout = new QVBoxLayout(dialog.get());
  auto* heading = new QLabel(Q(title), dialog.get());
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  auto* text = new QLabel(Lines(body), dialog.get());
  text->setWordWrap(true);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 44);
  layout->addWidget(heading);
  layout->addWidget(text);
  AddOk(*dialog, *layout);
  PlaceOn(*dialog, button);
  return dialog;
}

std::unique_ptr<QDialog> MakeTextFileWindow(QWidget* button, std::string_view text) {
  auto dialog = Dialog(button, app::kTextFileWindowTitle);
  auto* layout = new QVBoxLayout(dialog.get());
  auto* edit = new QPlainTextEdit(Lines(text), dialog.get());
  edit->setReadOnly(true);
  const QFontMetrics metrics = edit->fontMetrics();
  edit->setMinimumSize(metrics.averageCharWidth() * 72, metrics.height() * 20);
  layout->addWidget(edit);
  AddOk(*dialog, *layout);
  PlaceOn(*dialog, button);
  return dialog;
}

std::unique_ptr<QDialog> MakeAboutBox(QWidget* owner, std::function<void()> openSite) {
  auto dialog = std::make_unique<QDialog>(owner);
  dialog->setWindowTitle(Q(app::kAboutCaption));
  auto* layout = new QVBoxLayout(dialog.get());
  auto* top = new QHBoxLayout;
  auto* texts = new QVBoxLayout;
  auto* title = new QLabel(QString::fromStdString(app::AboutTitle()), dialog.get());
  QFont large = title->font();
  large.setBold(true);
  large.setPointSizeF(large.pointSizeF() * 1.3);
  title->setFont(large);
  texts->addWidget(title);
  texts->addWidget(new QLabel(Q(app::kAboutText), dialog.get()));
  texts->addStretch();
  auto* logo = new QLabel(dialog.get());
  logo->setPixmap(Logo(96));
  top->addLayout(texts);
  top->addWidget(logo, 0, Qt::AlignTop | Qt::AlignRight);
  layout->addLayout(top);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog.get());
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog.get(), &QDialog::accept);
  if (!app::kFormatGroupWebSite.empty() && openSite) {
    QPushButton* site =
        buttons->addButton(QStringLiteral("Web site"), QDialogButtonBox::ActionRole);
    QObject::connect(site, &QPushButton::clicked, dialog.get(), std::move(openSite));
    site->setFocus();
  }
  layout->addWidget(buttons);
  return dialog;
}

}  // namespace zef::gui
