#include "emf/emf_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "emf/dash_segments.h"
#include "emf/emf_records.h"
#include "emf/emf_text.h"
#include "emf/pixel_rects.h"
#include "graphs/fixed_font_metrics.h"
#include "graphs/graph_fixtures.h"
#include "graphs/graph_window.h"
#include "graphs/picture.h"
#include "model/message_sink.h"

namespace zef::emf {
namespace {

using graphs::FixedFontMetrics;
using graphs::GraphWindow;
using graphs::kBlue;
using graphs::kRed;
using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32At(const Bytes& bytes, std::size_t offset) {
  std::uint32_t v = 0;
  std::memcpy(&v, bytes.data() + offset, 4);
  return v;
}

std::int32_t I32At(const Bytes& bytes, std::size_t offset) {
  return static_cast<std::int32_t>(U32At(bytes, offset));
}

// `count` signed words from `offset` on.
std::vector<std::int32_t> I32s(const Bytes& bytes, std::size_t offset, std::size_t count) {
  std::vector<std::int32_t> words;
  for (std::size_t i = 0; i < count; ++i) words.push_back(I32At(bytes, offset + 4 * i));
  return words;
}

struct Record {
  std::uint32_t type = 0;
  std::size_t offset = 0;
  std::uint32_t size = 0;
};

// Walks the records; stops at a size that cannot be right.
std::vector<Record> Records(const Bytes& bytes) {
  std::vector<Record> records;
  for (std::size_t at = 0; at + 8 <= bytes.size();) {
    const Record r{U32At(bytes, at), at, U32At(bytes, at + 4)};
    records.push_back(r);
    if (r.size < 8 || r.size % 4 != 0) break;
    at += r.size;
  }
  return records;
}

std::vector<std::uint32_t> Types(const Bytes& bytes) {
  std::vector<std::uint32_t> types;
  for (const Record& r : Records(bytes)) types.push_back(r.type);
  return types;
}

// What every reader relies on: header first and EOF last, record sizes that
// add up to the header's byte count, the header's record count, and every
// object index below the header's handle count.
void ExpectWellFormed(const Bytes& bytes) {
  const std::vector<Record> records = Records(bytes);
  ASSERT_GE(records.size(), 2u);
  EXPECT_EQ(records.front().type, format::kHeader);
  EXPECT_EQ(records.back().type, format::kEof);
  std::size_t total = 0;
  for (const Record& r : records) {
    EXPECT_EQ(r.size % 4, 0u);
    total += r.size;
  }
  EXPECT_EQ(total, bytes.size());
  EXPECT_EQ(U32At(bytes, 40), format::kSignature);
  EXPECT_EQ(U32At(bytes, 48), bytes.size());
  EXPECT_EQ(U32At(bytes, 52), records.size());
  EXPECT_EQ(U32At(bytes, bytes.size() - 4), 20u);
  const std::uint32_t handles = U32At(bytes, 56) & 0xFFFF;
  std::map<std::uint32_t, bool> live;  // created and not yet deleted
  for (const Record& r : records) {
    const std::uint32_t index = r.size >= 12 ? U32At(bytes, r.offset + 8) : 0;
    switch (r.type) {
      case format::kCreatePen:
      case format::kCreateBrushIndirect:
      case format::kExtCreateFontIndirectW:
        EXPECT_LT(index, handles);
        EXPECT_FALSE(live[index]) << "index " << index << " created twice";
        live[index] = true;
        break;
      case format::kSelectObject:
        if ((index & 0x80000000u) == 0) {
          EXPECT_TRUE(live[index]) << "select of " << index;
        }
        break;
      case format::kDeleteObject:
        EXPECT_TRUE(live[index]) << "delete of " << index;
        live[index] = false;
        break;
      default:
        break;
    }
  }
  for (const auto& [index, alive] : live) EXPECT_FALSE(alive) << "index " << index << " kept";
}

TEST(EmfRecordWriterTest, ReproducesTheReferenceLineAndTextPicture) {
  // A red line and "Hello" at 16 px Arial in a 192 x 96 picture, a file
  // that LibreOffice and Inkscape are known to draw right.
  EmfRecordWriter writer(192, 96, 96, std::u16string_view(u"Demo\0Plot", 9));
  writer.SetMapMode(format::kMapModeText);
  writer.SetBkMode(format::kTransparent);
  writer.CreatePen(1, format::kPsSolid, 1, 0x0000FF);
  writer.SelectObject(1);
  writer.MoveTo({10, 85});
  writer.LineTo({180, 45});
  writer.CreateFont(2, {.height = -16});
  writer.SelectObject(2);
  writer.SetTextColor(0);
  writer.SetTextAlign(format::kTaLeft | format::kTaBaseline);
  const std::array<std::int32_t, 5> dx{12, 8, 4, 4, 8};
  writer.ExtTextOut({12, 30}, u"Hello", dx, {12, 15, 48, 34});
  writer.SelectObject(format::kBlackPen);
  writer.DeleteObject(1);
  writer.SelectObject(format::kSystemFont);
  writer.DeleteObject(2);
  const Bytes bytes = writer.Finish();

  ExpectWellFormed(bytes);
  using namespace format;
  EXPECT_EQ(Types(bytes),
            (std::vector<std::uint32_t>{kHeader, kSetMapMode, kSetBkMode, kCreatePen, kSelectObject,
                                        kMoveToEx, kLineTo, kExtCreateFontIndirectW, kSelectObject,
                                        kSetTextColor, kSetTextAlign, kExtTextOutW, kSelectObject,
                                        kDeleteObject, kSelectObject, kDeleteObject, kEof}));
  EXPECT_EQ(bytes.size(), 772u);
}

// Every kind of command a graph holds, replayed into a metafile.
class EmfCanvasTest : public ::testing::Test {
 protected:
  EmfCanvasTest() {
    window_.NewLayer();
    window_.DrawGraph(graphs::SensitivityGraphIn(190, 110), 0);
    window_.ClearLayer(window_.NewLayer());
    window_.SetColour(kRed);
    window_.SetDash(2);
    window_.Circle(100, 60, 20, false);
    window_.SetDash(0);
    window_.Circle(100, 60, 4, true);
    window_.Point(30, 30, 3);
    window_.Pixels(40, 40, 3, {kBlue, kBlue, kNoColour, kBlue, kBlue, kWhite});
    window_.Polyline({{10, 10}, {20, 15}, {15, 25}}, true);
    window_.Text(0, "0\xC2\xB0", 150, 20);
  }

  Bytes Metafile(std::string footer = {}) {
    EmfCanvas canvas(
        metrics_, {.footer = std::move(footer), .footerPlacement = FooterPlacement::kBottomRight});
    window_.Replay(canvas);
    return canvas.Bytes();
  }

  // The records of one type, in order.
  std::vector<Record> OfType(const Bytes& bytes, std::uint32_t type) {
    std::vector<Record> found;
    for (const Record& r : Records(bytes)) {
      if (r.type == type) found.push_back(r);
    }
    return found;
  }

  FixedFontMetrics metrics_;
  model::NullSink errors_;
  GraphWindow window_{200, 120, metrics_, errors_};
};

TEST_F(EmfCanvasTest, MetafileIsWellFormedAndSizedLikeThePicture) {
  const Bytes bytes = Metafile();
  ExpectWellFormed(bytes);
  EXPECT_EQ(U32At(bytes, 56) & 0xFFFF, 4u);  // pen, brush and font slots
  // Bounds, then the frame: 200 and 120 px at 96 dpi in 0.01 mm.
  EXPECT_EQ(I32s(bytes, 8, 8), (std::vector<std::int32_t>{0, 0, 199, 119, 0, 0, 5291, 3174}));
  // Pixel mode, transparent text, clipped to the picture, then the font.
  using namespace format;
  const std::vector<std::uint32_t> types = Types(bytes);
  EXPECT_EQ(std::vector(types.begin() + 1, types.begin() + 7),
            (std::vector<std::uint32_t>{kSetMapMode, kSetBkMode, kSetTextAlign, kIntersectClipRect,
                                        kExtCreateFontIndirectW, kSelectObject}));
}

TEST_F(EmfCanvasTest, TextIsUtf16WithAdvancesThatAddUpToItsWidth) {
  const Bytes bytes = Metafile();
  const std::vector<Record> texts = OfType(bytes, format::kExtTextOutW);
  ASSERT_FALSE(texts.empty());
  const Record& last = texts.back();  // "0°", drawn last
  EXPECT_EQ(I32s(bytes, last.offset + 36, 3), (std::vector<std::int32_t>{150, 20, 2}));  // 2 units
  EXPECT_EQ(U32At(bytes, last.offset + 76), 0x00B00030u);
  EXPECT_EQ(I32At(bytes, last.offset + 84), 7);  // the second advance

  const struct {
    std::string utf8;
    std::u16string units;
    std::vector<std::int32_t> advances;
  } cases[] = {
      {"", u"", {}},
      {"\xB0", u"\u00B0", {7}},  // a stray Latin-1 byte
      {"\xF0\x9F\x94\x8A", u"\U0001F50A", {7, 0}},
  };
  for (const auto& c : cases) {
    const MetafileText text = MetafileTextOf(c.utf8, metrics_, 0);
    EXPECT_EQ(text.units, c.units) << c.utf8;
    EXPECT_EQ(text.advances, c.advances) << c.utf8;
  }
}

TEST_F(EmfCanvasTest, FooterGoesBottomCentreOrBottomRight) {
  EXPECT_EQ(FooterPosition(FooterPlacement::kBottomCentre, 640, 480, {100, 13}),
            (PixelPoint{270, 467}));
  // Worked in centred coordinates, y upwards: (219, -226) from (320, 240).
  EXPECT_EQ(FooterPosition(FooterPlacement::kBottomRight, 640, 480, {100, 13}),
            (PixelPoint{539, 466}));
  EXPECT_EQ(FooterPosition(FooterPlacement::kBottomRight, 201, 121, {21, 13}),
            (PixelPoint{178, 106}));  // odd sizes halve downwards

  const Bytes bytes = Metafile("www");
  const std::vector<Record> texts = OfType(bytes, format::kExtTextOutW);
  ASSERT_FALSE(texts.empty());
  const Record& footer = texts.back();
  EXPECT_EQ(I32s(bytes, footer.offset + 36, 2),
            (std::vector<std::int32_t>{200 - 21 - 1, 120 - 13 - 1}));
  EXPECT_EQ(OfType(Metafile(), format::kExtTextOutW).size() + 1, texts.size());
}

// Below a caption the graph is clipped to its area; the footer is drawn
// after the clip is lifted again.
TEST_F(EmfCanvasTest, GraphBelowNotesIsClippedAndTheFooterIsNot) {
  GraphWindow notes(200, 140, metrics_, errors_);
  notes.NewLayer();
  notes.Text(0, "caption", 3, 3);
  EmfCanvas canvas(metrics_, {.footer = "www"});
  graphs::Picture{&window_, &notes, 20, 200, 140, 200, 140}.Replay(canvas);
  const Bytes bytes = canvas.Bytes();
  ExpectWellFormed(bytes);
  using namespace format;
  std::vector<std::uint32_t> types = Types(bytes);
  std::erase_if(types, [](std::uint32_t t) {
    return t != kSaveDc && t != kIntersectClipRect && t != kRestoreDc && t != kExtTextOutW;
  });
  ASSERT_GE(types.size(), 6u);
  EXPECT_EQ(
      (std::vector<std::uint32_t>(types.begin(), types.begin() + 4)),
      (std::vector<std::uint32_t>{kIntersectClipRect, kExtTextOutW, kSaveDc, kIntersectClipRect}));
  EXPECT_EQ((std::vector<std::uint32_t>(types.end() - 2, types.end())),
            (std::vector<std::uint32_t>{kRestoreDc, kExtTextOutW}));
  const Record clip = OfType(bytes, kIntersectClipRect)[1];
  // The graph's 200 x 120 below the 20-pixel caption, right and bottom exclusive.
  EXPECT_EQ(I32s(bytes, clip.offset + 8, 4), (std::vector<std::int32_t>{0, 20, 200, 140}));
}

TEST_F(EmfCanvasTest, DashedLinesBecomeSeparateSegments) {
  const Bytes bytes = Metafile();
  // The dashed circle is one record of short lines; the solid disc an ellipse.
  const std::vector<Record> dashes = OfType(bytes, format::kPolyPolyline16);
  ASSERT_EQ(dashes.size(), 1u);
  EXPECT_GT(U32At(bytes, dashes[0].offset + 24), 50u);
  EXPECT_EQ(OfType(bytes, format::kEllipse).size(), 2u);  // the disc and the dot

  const PixelPoint corner[] = {{0, 0}, {10, 0}, {10, 5}};
  EXPECT_EQ(DashSegments(corner, 4),
            (std::vector<Segment>{
                {{0, 0}, {2, 0}}, {{4, 0}, {6, 0}}, {{8, 0}, {10, 0}}, {{10, 2}, {10, 4}}}));
  EXPECT_TRUE(DashSegments(corner, 0).empty());
}

TEST(PixelRectsTest, RunsOfAColourMergeDownIntoRectangles) {
  constexpr Colour A = kRed;
  constexpr Colour B = kBlue;
  constexpr Colour N = kNoColour;
  const std::vector<Colour> block = {
      A, A, B, N,  //
      A, A, B, N,  //
      A, B, B, N,  //
  };
  EXPECT_EQ(
      ColourRects({10, 20}, 4, block),
      (std::vector<ColourRect>{
          {10, 20, 11, 21, A}, {12, 20, 12, 21, B}, {10, 22, 10, 22, A}, {11, 22, 12, 22, B}}));
  // A short last row is left out.
  EXPECT_EQ(ColourRects({0, 0}, 3, std::vector<Colour>{A, A, A, A}).size(), 1u);
}

}  // namespace
}  // namespace zef::emf
