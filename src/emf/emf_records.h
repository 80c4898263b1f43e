#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace zef::emf {

// Record types, object styles and flags of the enhanced metafile format that
// the metafile canvas uses.
namespace format {

inline constexpr std::uint32_t kHeader = 1;
inline constexpr std::uint32_t kPolygon = 3;
inline constexpr std::uint32_t kPolyline = 4;
inline constexpr std::uint32_t kEof = 14;
inline constexpr std::uint32_t kSetPixelV = 15;
inline constexpr std::uint32_t kSetMapMode = 17;
inline constexpr std::uint32_t kSetBkMode = 18;
inline constexpr std::uint32_t kSetTextAlign = 22;
inline constexpr std::uint32_t kSetTextColor = 24;
inline constexpr std::uint32_t kMoveToEx = 27;
inline constexpr std::uint32_t kIntersectClipRect = 30;
inline constexpr std::uint32_t kSelectObject = 37;
inline constexpr std::uint32_t kCreatePen = 38;
inline constexpr std::uint32_t kCreateBrushIndirect = 39;
inline constexpr std::uint32_t kDeleteObject = 40;
inline constexpr std::uint32_t kEllipse = 42;
inline constexpr std::uint32_t kRectangle = 43;
inline constexpr std::uint32_t kLineTo = 54;
inline constexpr std::uint32_t kExtCreateFontIndirectW = 82;
inline constexpr std::uint32_t kExtTextOutW = 84;
inline constexpr std::uint32_t kPolyPolyline16 = 90;

inline constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"
inline constexpr std::uint32_t kHeaderSize = 108;

inline constexpr std::uint32_t kMapModeText = 1;
inline constexpr std::uint32_t kTransparent = 1;

inline constexpr std::uint32_t kPsSolid = 0;
inline constexpr std::uint32_t kBsSolid = 0;

inline constexpr std::uint32_t kTaLeft = 0;
inline constexpr std::uint32_t kTaTop = 0;
inline constexpr std::uint32_t kTaBaseline = 0x18;

inline constexpr std::uint32_t kWhiteBrush = 0x80000000;
inline constexpr std::uint32_t kNullBrush = 0x80000005;
inline constexpr std::uint32_t kBlackPen = 0x80000007;
inline constexpr std::uint32_t kNullPen = 0x80000008;
inline constexpr std::uint32_t kSystemFont = 0x8000000D;

}  // namespace format

struct EmfPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

// Inclusive on all four sides, as the format's RECTL.
struct EmfRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

struct EmfFont {
  std::int32_t height = 0;      // negative: the em height in logical units
  std::int32_t escapement = 0;  // tenths of a degree, counter-clockwise
  std::int32_t weight = 400;
  bool italic = false;
  std::u16string_view faceName = u"Arial";
};

// Appends enhanced-metafile records to a byte image. The picture is drawn in
// pixels (MM_TEXT) on a reference device of the given resolution; Finish()
// appends the end record and patches the header's byte, record and handle
// counts, so the header always agrees with what was recorded.
class EmfRecordWriter {
 public:
  // `description` holds "<application>\0<picture>"; empty writes none.
  EmfRecordWriter(std::int32_t widthPx, std::int32_t heightPx, std::int32_t dpi,
                  std::u16string_view description);

  void SetMapMode(std::uint32_t mode);
  void SetBkMode(std::uint32_t mode);
  void SetTextColor(std::uint32_t colour);
  void SetTextAlign(std::uint32_t flags);

  void CreatePen(std::uint32_t index, std::uint32_t style, std::int32_t width,
                 std::uint32_t colour);
  void CreateBrush(std::uint32_t index, std::uint32_t style, std::uint32_t colour);
  void CreateFont(std::uint32_t index, const EmfFont& font);
  void SelectObject(std::uint32_t index);
  void DeleteObject(std::uint32_t index);

  void MoveTo(EmfPoint p);
  void LineTo(EmfPoint p);
  void Polyline(std::span<const EmfPoint> points);
  void Polygon(std::span<const EmfPoint> points);
  // Separate lines, one per pair of points, in one record of 16-bit points
  // (coordinates held within their range).
  void LineSegments(std::span<const EmfPoint> ends);
  void Rectangle(const EmfRect& box);
  void Ellipse(const EmfRect& box);
  void SetPixel(EmfPoint p, std::uint32_t colour);
  // `dx` holds one advance per UTF-16 unit of `text`.
  void ExtTextOut(EmfPoint reference, std::u16string_view text, std::span<const std::int32_t> dx,
                  const EmfRect& bounds);

  // Right and bottom excluded, as the format's clip rectangle.
  void IntersectClipRect(const EmfRect& box);

  // Appends the end record and hands the bytes over; nothing may follow.
  std::vector<std::uint8_t> Finish();

 private:
  class Record;
  void Append(Record& record);
  void AppendPoints(std::uint32_t type, std::span<const EmfPoint> points);
  void NoteObject(std::uint32_t index);

  std::vector<std::uint8_t> bytes_;
  std::uint32_t recordCount_ = 0;
  std::uint32_t largestObject_ = 0;
  float scale_ = 0;  // 0.01 mm per logical unit, for text records
};

}  // namespace zef::emf
