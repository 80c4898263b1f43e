#pragma once

#include <QMimeData>
#include <memory>

#include "app/clipboard_payload.h"

namespace zef::gui {

// The payload as Qt's clipboard takes it: the text, a decoded image for the
// PNG form (so every program offered an image finds one) and each format
// under its MIME type.
std::unique_ptr<QMimeData> MimeDataFor(const app::ClipboardPayload& payload);

// Replaces the system clipboard's contents; false without a clipboard.
bool PutOnClipboard(const app::ClipboardPayload& payload);

}  // namespace zef::gui
