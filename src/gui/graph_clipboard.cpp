#include "gui/graph_clipboard.h"

#include "painter/graph_export.h"

namespace zef::gui {
namespace {

painter::MetafileFooter Footer(graphs::FooterPlacement placement) {
  return {std::string(graphs::kMetafileFooter), placement};
}

}  // namespace

std::string QtGraphRenderer::Render(const graphs::GraphWindow& graph, graphs::PictureFormat format,
                                    graphs::FooterPlacement footer) const {
  return painter::RenderPicture(graph, format, fonts_, Footer(footer)).toStdString();
}

bool QtGraphRenderer::Write(const graphs::GraphWindow& graph, const std::filesystem::path& path,
                            graphs::FooterPlacement footer, std::string& error) const {
  return painter::ExportGraph(graph, path, fonts_, Footer(footer), error);
}

}  // namespace zef::gui
