#include "emf/emf_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "case_file.h"
#include "emf/emf_records.h"
#include "emf/pixel_rects.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "graphs/graph_window.h"
#include "graphs/picture.h"
#include "model/message_sink.h"

namespace zef::emf {
namespace {

using namespace format;
using graphs::GraphWindow;
using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32At(const Bytes& bytes, std::size_t offset) {
  std::uint32_t v = 0;
  std::memcpy(&v, bytes.data() + offset, 4);
  return v;
}

// UTF-16 units as text: ASCII as it is, anything else as \uXXXX.
std::string Units(const Bytes& bytes, std::size_t offset, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count && offset + 2 * i + 2 <= bytes.size(); ++i) {
    const unsigned unit = bytes[offset + 2 * i] | bytes[offset + 2 * i + 1] << 8;
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04X", unit);
    text += unit >= 32 && unit < 127 ? std::string(1, static_cast<char>(unit)) : escaped;
  }
  return "'" + text + "'";
}

// One line a record: its name and its words from the third on (signed);
// the header's description, a font's face and a text's characters and
// advances decoded. The last line counts the records and bytes walked.
std::string Listing(const Bytes& bytes) {
  static const auto kNames = [] {
    std::map<std::uint32_t, std::string> names;
    for (const auto& c : testing::ReadCases("emf/cases/record_types.txt"))
      names[std::stoul(c[0])] = c[1];
    return names;
  }();
  std::string out;
  std::size_t at = 0, records = 0;
  for (; at + 8 <= bytes.size(); ++records) {
    const std::uint32_t type = U32At(bytes, at), size = U32At(bytes, at + 4);
    if (size < 8 || size % 4 != 0 || at + size > bytes.size()) break;
    out += kNames.contains(type) ? kNames.at(type) : std::to_string(type);
    const std::size_t words = type == kHeader                   ? 27
                              : type == kExtTextOutW            ? 19
                              : type == kExtCreateFontIndirectW ? 8
                                                                : size / 4;
    for (std::size_t w = 2; w < words; ++w)
      out += " " + std::to_string(static_cast<std::int32_t>(U32At(bytes, at + 4 * w)));
    if (type == kHeader)
      out += " " + Units(bytes, at + U32At(bytes, at + 64), U32At(bytes, at + 60));
    if (type == kExtCreateFontIndirectW) {
      std::size_t face = 0;  // up to its terminating NUL
      while (face < 32 && (bytes[at + 40 + 2 * face] | bytes[at + 41 + 2 * face]) != 0) ++face;
      out += " " + Units(bytes, at + 40, face);
    }
    if (type == kExtTextOutW) {
      const std::size_t count = U32At(bytes, at + 44);
      out += " " + Units(bytes, at + U32At(bytes, at + 48), count) + " dx";
      for (std::size_t i = 0; i < count; ++i)
        out += " " + std::to_string(U32At(bytes, at + U32At(bytes, at + 72) + 4 * i));
    }
    out += "\n";
    at += size;
  }
  return out + std::to_string(records) + " records, " + std::to_string(at) + " of " +
         std::to_string(bytes.size()) + " bytes\n";
}

TEST(EmfRecordWriterTest, ReproducesTheReferenceLineAndTextPicture) {
  // A red line and "Hello" at 16 px Arial in a 192 x 96 picture, a file
  // that LibreOffice and Inkscape are known to draw right.
  EmfRecordWriter writer(192, 96, 96, std::u16string_view(u"Demo\0Plot", 9));
  writer.SetMapMode(kMapModeText);
  writer.SetBkMode(kTransparent);
  writer.CreatePen(1, kPsSolid, 1, 0x0000FF);
  writer.SelectObject(1);
  writer.MoveTo({10, 85});
  writer.LineTo({180, 45});
  writer.CreateFont(2, {.height = -16});
  writer.SelectObject(2);
  writer.SetTextColor(0);
  writer.SetTextAlign(kTaLeft | kTaBaseline);
  const std::array<std::int32_t, 5> dx{12, 8, 4, 4, 8};
  writer.ExtTextOut({12, 30}, u"Hello", dx, {12, 15, 48, 34});
  writer.SelectObject(kBlackPen);
  writer.DeleteObject(1);
  writer.SelectObject(kSystemFont);
  writer.DeleteObject(2);
  testing::ExpectGolden("emf/golden/reference_picture.txt", Listing(writer.Finish()));
}

// Every kind of command a graph holds, replayed into a metafile: alone, and
// below a caption with a footer (the graph clipped to its area, the footer
// drawn after the clip is lifted).
TEST(EmfCanvasTest, GraphsBecomeTheGoldenRecordListings) {
  graphs::FixedFontMetrics metrics;
  model::NullSink errors;
  GraphWindow window{200, 120, metrics, errors};
  window.NewLayer();
  window.DrawGraph(graphs::SensitivityGraphIn(190, 110), 0);
  window.ClearLayer(window.NewLayer());
  window.SetColour(graphs::kRed);
  window.SetDash(2);
  window.Circle(100, 60, 20, false);
  window.SetDash(0);
  window.Circle(100, 60, 4, true);
  window.Point(30, 30, 3);
  window.Pixels(40, 40, 3,
                {graphs::kBlue, graphs::kBlue, kNoColour, graphs::kBlue, graphs::kBlue, kWhite});
  window.Polyline({{10, 10}, {20, 15}, {15, 25}}, true);
  window.Text(0, "0\xC2\xB0", 150, 20);
  window.Text(0, "\xB0", 150, 40);              // a stray Latin-1 byte
  window.Text(0, "\xF0\x9F\x94\x8A", 150, 60);  // beyond 16 bits: two units
  GraphWindow notes(200, 140, metrics, errors);
  notes.NewLayer();
  notes.Text(0, "caption", 3, 3);
  std::string listing;
  for (const auto& [footer, picture] :
       {std::pair{"", graphs::Picture::Bare(window)},
        {"www", graphs::Picture{&window, &notes, 20, 200, 140, 200, 140}}}) {
    EmfCanvas canvas(metrics, {.footer = footer, .footerPlacement = FooterPlacement::kBottomRight});
    picture.Replay(canvas);
    listing += "## footer '" + std::string(footer) + "'\n" + Listing(canvas.Bytes());
  }
  testing::ExpectGolden("emf/golden/graph_pictures.txt", listing);
}

TEST(EmfCanvasTest, FooterGoesBottomCentreOrBottomRight) {
  // Bottom right is worked in centred coordinates, y upwards: (219, -226) from
  // (320, 240); odd sizes halve downwards.
  EXPECT_EQ(FooterPosition(FooterPlacement::kBottomCentre, 640, 480, {100, 13}),
            (PixelPoint{270, 467}));
  EXPECT_EQ(FooterPosition(FooterPlacement::kBottomRight, 640, 480, {100, 13}),
            (PixelPoint{539, 466}));
  EXPECT_EQ(FooterPosition(FooterPlacement::kBottomRight, 201, 121, {21, 13}),
            (PixelPoint{178, 106}));
}

TEST(EmfCanvasTest, PixelRunsMergeIntoRectangles) {
  constexpr Colour A = graphs::kRed, B = graphs::kBlue, N = kNoColour;
  const std::vector<Colour> block = {A, A, B, N, A, A, B, N, A, B, B, N};  // 4 a row
  EXPECT_EQ(
      ColourRects({10, 20}, 4, block),
      (std::vector<ColourRect>{
          {10, 20, 11, 21, A}, {12, 20, 12, 21, B}, {10, 22, 10, 22, A}, {11, 22, 12, 22, B}}));
  // A short last row is left out.
  EXPECT_EQ(ColourRects({0, 0}, 3, std::vector<Colour>{A, A, A, A}).size(), 1u);
}

}  // namespace
}  // namespace zef::emf
