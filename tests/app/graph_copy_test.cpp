#include "app/graph_copy.h"

#include <gtest/gtest.h>

#include "fake_platform.h"
#include "graphs/fixed_font_metrics.h"
#include "model/message_sink.h"

namespace zef::app {
namespace {

using graphs::FooterPlacement;
using graphs::PictureFormat;
using O = GraphOutput;

// Names each picture by its format and footer; `broken` fails, as does a
// file in a folder "absent".
class FakeRenderer final : public GraphRenderer {
 public:
  std::string Render(const graphs::GraphWindow&, PictureFormat format,
                     FooterPlacement footer) const override {
    if (format == broken) return {};
    const char* names[] = {"png", "svg", "pdf", "emf"};
    return names[static_cast<int>(format)] +
           std::string(footer == FooterPlacement::kBottomRight ? " right" : " centre");
  }
  bool Write(const graphs::GraphWindow&, const std::filesystem::path& path, FooterPlacement,
             std::string&) const override {
    written = path.string();
    return !written.starts_with("absent/");
  }
  std::optional<PictureFormat> broken;
  mutable std::string written;
};

struct Copy {
  Copy(int id, std::optional<PictureFormat> broken, std::optional<SaveChoice> chosen,
       std::string_view currentFile) {
    renderer.broken = broken;
    desktop.saveAs = std::move(chosen);
    CopyGraph(desktop, renderer, graph, *GraphCopyOf(id), FooterPlacement::kBottomRight,
              currentFile);
    for (const ClipboardFormat& f : desktop.clipboard.value_or(ClipboardPayload{}).formats) {
      mimes.push_back(f.mimeType + (f.mimeType == kPngMime ? " " + f.bytes : ""));
    }
  }
  graphs::FixedFontMetrics metrics;
  model::NullSink errors;
  graphs::GraphWindow graph{300, 200, metrics, errors};
  testing::DesktopFake desktop;
  FakeRenderer renderer;
  std::vector<std::string> mimes;
};

TEST(GraphCopy, ClipboardFormsOfEachCommand) {
  const std::vector<std::string> meta = {"image/png png right", "image/svg+xml", "image/emf",
                                         "image/x-emf"};
  const std::tuple<int, std::optional<PictureFormat>, std::vector<std::string>, bool> cases[] = {
      {20, {}, {"image/png png right"}, false},
      {23, {}, {"image/png png right"}, false},
      {20, PictureFormat::kPng, {}, false},  // no bitmap: no message either
      {21, {}, meta, false},
      {24, PictureFormat::kEmf, {}, true},
  };
  for (const auto& [id, broken, mimes, failed] : cases) {
    const Copy copy(id, broken, {}, "a.txt");
    EXPECT_EQ(copy.mimes, mimes) << id;
    const std::vector<testing::Box> boxes = {{'M', "Failed to make meta copy/file."}};
    EXPECT_EQ(copy.desktop.boxes, failed ? boxes : std::vector<testing::Box>{}) << id;
  }
}

TEST(GraphCopy, MetaFileSavedUnderTheChosenFiltersExtension) {
  const std::tuple<std::string, std::optional<SaveChoice>, std::string, std::string, bool> cases[] =
      {
          {"/d/box.txt", SaveChoice{"/d/box.EMF", "EMF-files (*.emf *.EMF)"}, "/d/box.EMF",
           "/d/box.EMF", false},
          {"/d/box", SaveChoice{"/e/g.txt", "SVG-files (*.svg *.SVG)"}, "/d/box.EMF", "/e/g.svg",
           false},
          {"/d.x/box", SaveChoice{"/e/g", "PDF-files (*.pdf *.PDF)"}, "/d.x/box.EMF", "/e/g.pdf",
           false},
          {"", SaveChoice{"g.emf", "PNG-files (*.png *.PNG)"}, "", "g.png", false},
          {"/d/box.txt", std::nullopt, "/d/box.EMF", "", false},  // cancelled
          {"/d/box.txt", SaveChoice{"absent/g", "?"}, "/d/box.EMF", "absent/g.EMF", true},
      };
  for (const auto& [current, chosen, proposed, written, failed] : cases) {
    const Copy copy(25, {}, chosen, current);
    EXPECT_EQ(copy.desktop.log, std::vector<std::string>{"save " + proposed}) << current;
    EXPECT_EQ(copy.renderer.written, written) << current;
    EXPECT_EQ(copy.desktop.boxes.size(), failed ? 1u : 0u) << current;
    EXPECT_TRUE(copy.mimes.empty()) << current;
  }
}

}  // namespace
}  // namespace zef::app
