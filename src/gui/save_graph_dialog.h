#pragma once

#include <QWidget>
#include <string_view>

#include "app/platform.h"
#include "graphs/graph_window.h"
#include "painter/graph_export.h"

namespace zef::gui {

// "To Meta File...": asks where to save the graph, proposing the loaded
// file's name as a metafile, and writes it as EMF (with the footer), SVG,
// PDF or PNG as the chosen filter says. Cancel does nothing; a failed write
// tells the user. True when a file was written.
bool SaveGraphAs(QWidget* owner, app::Platform& platform, const graphs::GraphWindow& window,
                 const painter::QtFontMetrics& fonts, const painter::MetafileFooter& footer,
                 std::string_view currentFile);

// Writes the graph to the file the dialog gave, its extension replaced by
// the chosen filter's; tells the user when that fails.
bool WriteChosenPicture(app::Platform& platform, const graphs::GraphWindow& window,
                        const painter::QtFontMetrics& fonts, const painter::MetafileFooter& footer,
                        std::string_view chosen, std::string_view filter);

}  // namespace zef::gui
