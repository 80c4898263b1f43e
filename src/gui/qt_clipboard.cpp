#include "gui/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace zef::gui {

std::unique_ptr<QMimeData> MimeDataFor(const app::ClipboardPayload& payload) {
  auto data = std::make_unique<QMimeData>();
  if (!payload.text.empty()) data->setText(QString::fromStdString(payload.text));
  for (const auto& format : payload.formats) {
    const QByteArray bytes(format.bytes.data(), static_cast<qsizetype>(format.bytes.size()));
    if (format.mimeType == app::kPngMime) data->setImageData(QImage::fromData(bytes, "PNG"));
    data->setData(QString::fromStdString(format.mimeType), bytes);
  }
  return data;
}

bool PutOnClipboard(const app::ClipboardPayload& payload) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setMimeData(MimeDataFor(payload).release());  // the clipboard owns it
  return true;
}

}  // namespace zef::gui
