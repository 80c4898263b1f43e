#include "app/graph_copy.h"

#include <gtest/gtest.h>

#include "case_file.h"
#include "fake_platform.h"
#include "graphs/fixed_font_metrics.h"
#include "model/message_sink.h"

namespace zef::app {
namespace {

using graphs::FooterPlacement;
using graphs::PictureFormat;

// Names each picture by its format and footer; `broken` fails, as does a
// file in a folder "absent".
class FakeRenderer final : public GraphRenderer {
 public:
  std::string Render(const graphs::GraphWindow&, PictureFormat format,
                     FooterPlacement footer) const override {
    if (static_cast<int>(format) == broken) return {};
    const char* names[] = {"png", "svg", "pdf", "emf"};
    return names[static_cast<int>(format)] +
           std::string(footer == FooterPlacement::kBottomRight ? " right" : " centre");
  }
  bool Write(const graphs::GraphWindow&, const std::filesystem::path& path, FooterPlacement,
             std::string&) const override {
    written = path.string();
    return !written.starts_with("absent/");
  }
  int broken = -1;
  mutable std::string written;
};

TEST(GraphCopy, ClipboardFormsAndMetaFiles) {
  const graphs::FixedFontMetrics metrics;
  model::NullSink errors;
  const graphs::GraphWindow graph{300, 200, metrics, errors};
  for (const zef::testing::Case& c : zef::testing::ReadCases("app/cases/graph_copy.txt")) {
    testing::DesktopFake desktop;
    FakeRenderer renderer;
    renderer.broken = std::stoi(c[1]);
    if (c[3] != "-") desktop.saveAs = SaveChoice{c[3], c[4]};
    CopyGraph(desktop, renderer, graph, *GraphCopyOf(std::stoi(c[0])),
              FooterPlacement::kBottomRight, c[2]);
    std::string got;
    for (const ClipboardFormat& f : desktop.clipboard.value_or(ClipboardPayload{}).formats) {
      got += f.mimeType + (f.mimeType == kPngMime ? " (" + f.bytes + ")" : "") + " ";
    }
    for (const std::string& line : desktop.log) got += "[" + line + "] ";
    for (const testing::Box& box : desktop.boxes) got += box.text + " ";
    if (!got.empty()) got.pop_back();
    EXPECT_EQ(got + " | " + renderer.written, c[5] + " | " + c[6]) << c.where;
  }
}

}  // namespace
}  // namespace zef::app
