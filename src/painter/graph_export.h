#pragma once

#include <QByteArray>
#include <QImage>
#include <filesystem>
#include <optional>
#include <string>

#include "graphs/graph_window.h"
#include "graphs/metafile_footer.h"
#include "graphs/picture_format.h"
#include "painter/qt_font_metrics.h"

namespace zef::painter {

using graphs::PictureFormat;
using graphs::PictureFormatOf;

// What a metafile adds to the picture: the footer text and where it goes.
struct MetafileFooter {
  std::string text{graphs::kMetafileFooter};
  graphs::FooterPlacement placement = graphs::FooterPlacement::kBottomCentre;
};

// The graph at its window's size. `fonts` must be what it was laid out with.
QImage RenderImage(const graphs::GraphWindow& window, const QtFontMetrics& fonts);
// The file contents of the graph in a format.
QByteArray RenderPicture(const graphs::GraphWindow& window, PictureFormat format,
                         const QtFontMetrics& fonts, const MetafileFooter& footer);

// Writes the graph in the format its name asks for; a failed write leaves no
// partial file. False with `error` set ("Cannot write ...", "Unknown picture
// format ...").
bool ExportGraph(const graphs::GraphWindow& window, const std::filesystem::path& path,
                 const QtFontMetrics& fonts, const MetafileFooter& footer, std::string& error);

}  // namespace zef::painter
