#include "gui/graph_clipboard.h"

namespace zef::gui {

app::ClipboardPayload GraphClipboardPayload(const graphs::GraphWindow& window,
                                            const painter::QtFontMetrics& fonts,
                                            const painter::MetafileFooter& footer) {
  const auto bytes = [&](painter::PictureFormat format) {
    return RenderPicture(window, format, fonts, footer).toStdString();
  };
  return app::GraphPayload(bytes(painter::PictureFormat::kPng), bytes(painter::PictureFormat::kSvg),
                           bytes(painter::PictureFormat::kEmf));
}

}  // namespace zef::gui
