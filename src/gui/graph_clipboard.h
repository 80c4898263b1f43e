#pragma once

#include "app/clipboard_payload.h"
#include "graphs/graph_window.h"
#include "painter/graph_export.h"

namespace zef::gui {

// A graph as the clipboard offers it: the very pictures the export writes,
// PNG, SVG and the metafile with its footer.
app::ClipboardPayload GraphClipboardPayload(const graphs::GraphWindow& window,
                                            const painter::QtFontMetrics& fonts,
                                            const painter::MetafileFooter& footer);

}  // namespace zef::gui
