#include "app/graph_copy.h"

#include <gtest/gtest.h>

#include "fake_shell_platform.h"
#include "graphs/fixed_font_metrics.h"
#include "model/message_sink.h"

namespace zef::app {
namespace {

using graphs::FooterPlacement;
using graphs::PictureFormat;

// Names each picture by its format, size and footer; `broken` fails.
class FakeRenderer final : public GraphRenderer {
 public:
  std::string Render(const graphs::GraphWindow& graph, PictureFormat format,
                     FooterPlacement footer) const override {
    if (format == broken) return {};
    const char* names[] = {"png", "svg", "pdf", "emf"};
    return std::string(names[static_cast<int>(format)]) + " " + std::to_string(graph.Width()) +
           (footer == FooterPlacement::kBottomRight ? " right" : " centre");
  }
  bool Write(const graphs::GraphWindow&, const std::filesystem::path& path, FooterPlacement,
             std::string& error) const override {
    written = path.string();
    error = "Cannot write " + written;
    return written.find("absent/") == std::string::npos;
  }
  std::optional<PictureFormat> broken;
  mutable std::string written;
};

struct Fixture {
  graphs::FixedFontMetrics metrics;
  model::NullSink errors;
  graphs::GraphWindow graph{300, 200, metrics, errors};
  testing::FakeShellPlatform desktop;
  FakeRenderer renderer;
};

std::vector<std::string> Mimes(const ClipboardPayload& payload) {
  std::vector<std::string> mimes;
  for (const ClipboardFormat& format : payload.formats) mimes.push_back(format.mimeType);
  return mimes;
}

TEST(GraphCopy, MenuIdsAndFooterPlaces) {
  const std::pair<int, std::optional<GraphCopy>> ids[] = {
      {19, std::nullopt},
      {20, GraphCopy{false, GraphOutput::kBitmap}},
      {22, GraphCopy{false, GraphOutput::kMetaFile}},
      {24, GraphCopy{true, GraphOutput::kMeta}},
      {26, std::nullopt},
  };
  for (const auto& [id, copy] : ids) EXPECT_EQ(GraphCopyOf(id), copy) << id;
  const std::tuple<bool, LowerView, FooterPlacement> footers[] = {
      {false, LowerView::kPolars, FooterPlacement::kBottomRight},
      {false, LowerView::kColorMaps, FooterPlacement::kBottomRight},
      {false, LowerView::kEaData, FooterPlacement::kBottomCentre},
      {false, LowerView::kCta2034, FooterPlacement::kBottomCentre},
      {true, LowerView::kPolars, FooterPlacement::kBottomCentre},
  };
  for (const auto& [upper, lower, footer] : footers) {
    EXPECT_EQ(CopyFooter(upper, lower), footer) << static_cast<int>(lower);
  }
}

TEST(GraphCopy, ClipboardFormsOfEachCommand) {
  struct Case {
    int id;
    std::optional<PictureFormat> broken;
    std::vector<std::string> mimes;  // empty: nothing copied
    std::string png;
    std::vector<testing::Box> boxes;
  };
  const testing::Box failed{'M', "Failed to make meta copy/file."};
  const Case cases[] = {
      {20, {}, {"image/png"}, "png 300 right", {}},
      {23, {}, {"image/png"}, "png 300 right", {}},
      {20, PictureFormat::kPng, {}, "", {}},  // no bitmap: no message either
      {21, {}, {"image/png", "image/svg+xml", "image/emf", "image/x-emf"}, "png 300 right", {}},
      {24, PictureFormat::kEmf, {}, "", {failed}},
  };
  for (const Case& c : cases) {
    Fixture f;
    f.renderer.broken = c.broken;
    CopyGraph(f.desktop, f.renderer, f.graph, *GraphCopyOf(c.id), FooterPlacement::kBottomRight,
              "a.txt");
    const ClipboardPayload copied = f.desktop.copied.value_or(ClipboardPayload{});
    EXPECT_EQ(Mimes(copied), c.mimes) << c.id;
    EXPECT_EQ(copied.formats.empty() ? "" : copied.formats.front().bytes, c.png) << c.id;
    EXPECT_EQ(f.desktop.boxes.boxes, c.boxes) << c.id;
  }
}

TEST(GraphCopy, MetaFileSavedUnderTheChosenFiltersExtension) {
  struct Case {
    std::string current;
    std::optional<SaveChoice> chosen;
    std::string proposed;
    std::string written;  // empty: nothing written
    bool failed;
  };
  const Case cases[] = {
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
  for (const Case& c : cases) {
    Fixture f;
    f.desktop.saveAs = c.chosen;
    CopyGraph(f.desktop, f.renderer, f.graph, *GraphCopyOf(25), FooterPlacement::kBottomCentre,
              c.current);
    EXPECT_EQ(f.desktop.log, std::vector<std::string>{"save " + c.proposed}) << c.current;
    EXPECT_EQ(f.renderer.written, c.written) << c.current;
    EXPECT_EQ(f.desktop.boxes.boxes.size(), c.failed ? 1u : 0u) << c.current;
    EXPECT_FALSE(f.desktop.copied) << c.current;
  }
}

}  // namespace
}  // namespace zef::app
