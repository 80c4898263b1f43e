#pragma once

#include "app/graph_copy.h"
#include "painter/qt_font_metrics.h"

namespace zef::gui {

// The Edit menu's pictures drawn by Qt: the very bytes the export writes,
// the metafile with the footer.
class QtGraphRenderer final : public app::GraphRenderer {
 public:
  explicit QtGraphRenderer(const painter::QtFontMetrics& fonts) : fonts_(fonts) {}

  std::string Render(const graphs::GraphWindow& graph, graphs::PictureFormat format,
                     graphs::FooterPlacement footer) const override;
  bool Write(const graphs::GraphWindow& graph, const std::filesystem::path& path,
             graphs::FooterPlacement footer, std::string& error) const override;

 private:
  const painter::QtFontMetrics& fonts_;
};

}  // namespace zef::gui
