#include "emf/emf_records.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace zef::emf {

// One record under construction: type, size (patched when appended), fields.
class EmfRecordWriter::Record {
 public:
  explicit Record(std::uint32_t type) {
    U32(type);
    U32(0);
  }
  Record& U32(std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    return *this;
  }
  Record& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
  Record& U8(std::uint8_t v) {
    bytes_.push_back(v);
    return *this;
  }
  Record& U16(std::uint16_t v) {
    bytes_.push_back(static_cast<std::uint8_t>(v));
    bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    return *this;
  }
  Record& F32(float v) { return U32(std::bit_cast<std::uint32_t>(v)); }
  Record& Point(EmfPoint p) { return I32(p.x).I32(p.y); }
  Record& Rect(const EmfRect& r) { return I32(r.left).I32(r.top).I32(r.right).I32(r.bottom); }
  Record& Text(std::u16string_view text) {
    for (char16_t c : text) U16(static_cast<std::uint16_t>(c));
    return *this;
  }
  Record& Zeros(std::size_t n) {
    bytes_.insert(bytes_.end(), n, 0);
    return *this;
  }
  Record& PadTo4() { return Zeros((4 - bytes_.size() % 4) % 4); }
  std::size_t Size() const { return bytes_.size(); }
  std::vector<std::uint8_t>& Bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

namespace {

constexpr std::size_t kLogFontFaceUnits = 32;
constexpr std::size_t kFontRecordTail = 228;  // the zeroed rest of a LogFontPanose

void PatchU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void PatchU16(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint16_t v) {
  bytes[offset] = static_cast<std::uint8_t>(v);
  bytes[offset + 1] = static_cast<std::uint8_t>(v >> 8);
}

std::int32_t ToFrameUnits(std::int32_t pixels, std::int32_t dpi) {
  return static_cast<std::int32_t>(std::lround(static_cast<double>(pixels) * 2540.0 / dpi)) - 1;
}

EmfRect BoundsOf(std::span<const EmfPoint> points) {
  if (points.empty()) return {0, 0, -1, -1};
  EmfRect r{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const EmfPoint& p : points) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  return r;
}

}  // namespace

EmfRecordWriter::EmfRecordWriter(std::int32_t widthPx, std::int32_t heightPx, std::int32_t dpi,
                                 std::u16string_view description) {
  // A 20 x 15 inch reference device makes one pixel exactly 2540/dpi of
  // 0.01 mm, which is how readers turn device units into the frame's.
  const std::int32_t deviceWidth = 20 * dpi;
  const std::int32_t deviceHeight = 15 * dpi;
  scale_ = static_cast<float>(100.0 * 508.0 / deviceWidth);
  Record header(format::kHeader);
  header.Rect({0, 0, widthPx - 1, heightPx - 1})
      .Rect({0, 0, ToFrameUnits(widthPx, dpi), ToFrameUnits(heightPx, dpi)})
      .U32(format::kSignature)
      .U32(0x00010000)
      .U32(0)  // bytes, patched by Finish
      .U32(0)  // records, patched by Finish
      .U32(0)  // handles and reserved, patched by Finish
      .U32(description.empty() ? 0 : static_cast<std::uint32_t>(description.size() + 2))
      .U32(description.empty() ? 0 : format::kHeaderSize)
      .U32(0)
      .I32(deviceWidth)
      .I32(deviceHeight)
      .I32(508)
      .I32(381)
      .U32(0)
      .U32(0)
      .U32(0)
      .I32(508000)
      .I32(381000);
  if (!description.empty()) header.Text(description).U16(0).U16(0).PadTo4();
  Append(header);
}

void EmfRecordWriter::Append(Record& record) {
  record.PadTo4();
  std::vector<std::uint8_t>& bytes = record.Bytes();
  PatchU32(bytes, 4, static_cast<std::uint32_t>(bytes.size()));
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  ++recordCount_;
}

void EmfRecordWriter::NoteObject(std::uint32_t index) {
  largestObject_ = std::max(largestObject_, index);
}

void EmfRecordWriter::SetMapMode(std::uint32_t mode) {
  Record r(format::kSetMapMode);
  Append(r.U32(mode));
}

void EmfRecordWriter::SetBkMode(std::uint32_t mode) {
  Record r(format::kSetBkMode);
  Append(r.U32(mode));
}

void EmfRecordWriter::SetTextColor(std::uint32_t colour) {
  Record r(format::kSetTextColor);
  Append(r.U32(colour & 0xFFFFFF));
}

void EmfRecordWriter::SetTextAlign(std::uint32_t flags) {
  Record r(format::kSetTextAlign);
  Append(r.U32(flags));
}

void EmfRecordWriter::CreatePen(std::uint32_t index, std::uint32_t style, std::int32_t width,
                                std::uint32_t colour) {
  NoteObject(index);
  Record r(format::kCreatePen);
  Append(r.U32(index).U32(style).I32(width).I32(0).U32(colour & 0xFFFFFF));
}

void EmfRecordWriter::CreateBrush(std::uint32_t index, std::uint32_t style, std::uint32_t colour) {
  NoteObject(index);
  Record r(format::kCreateBrushIndirect);
  Append(r.U32(index).U32(style).U32(colour & 0xFFFFFF).U32(0));
}

void EmfRecordWriter::CreateFont(std::uint32_t index, const EmfFont& font) {
  NoteObject(index);
  Record r(format::kExtCreateFontIndirectW);
  r.U32(index).I32(font.height).I32(0).I32(font.escapement).I32(font.escapement).I32(font.weight);
  r.U8(font.italic ? 1 : 0).U8(0).U8(0).U8(1);  // italic, underline, strike-out, DEFAULT_CHARSET
  r.U8(0).U8(0).U8(0).U8(0x22);                 // default precision and quality, swiss variable
  const std::u16string_view face = font.faceName.substr(0, kLogFontFaceUnits - 1);
  r.Text(face).Zeros(2 * (kLogFontFaceUnits - face.size()));
  Append(r.Zeros(kFontRecordTail));
}

void EmfRecordWriter::SelectObject(std::uint32_t index) {
  Record r(format::kSelectObject);
  Append(r.U32(index));
}

void EmfRecordWriter::DeleteObject(std::uint32_t index) {
  Record r(format::kDeleteObject);
  Append(r.U32(index));
}

void EmfRecordWriter::MoveTo(EmfPoint p) {
  Record r(format::kMoveToEx);
  Append(r.Point(p));
}

void EmfRecordWriter::LineTo(EmfPoint p) {
  Record r(format::kLineTo);
  Append(r.Point(p));
}

void EmfRecordWriter::AppendPoints(std::uint32_t type, std::span<const EmfPoint> points) {
  Record r(type);
  r.Rect(BoundsOf(points)).U32(static_cast<std::uint32_t>(points.size()));
  for (const EmfPoint& p : points) r.Point(p);
  Append(r);
}

void EmfRecordWriter::Polyline(std::span<const EmfPoint> points) {
  AppendPoints(format::kPolyline, points);
}

void EmfRecordWriter::Polygon(std::span<const EmfPoint> points) {
  AppendPoints(format::kPolygon, points);
}

void EmfRecordWriter::LineSegments(std::span<const EmfPoint> ends) {
  const std::size_t count = ends.size() / 2;
  if (count == 0) return;
  const auto clamp16 = [](std::int32_t v) {
    return static_cast<std::uint16_t>(static_cast<std::int16_t>(std::clamp<std::int32_t>(
        v, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max())));
  };
  Record r(format::kPolyPolyline16);
  r.Rect(BoundsOf(ends.first(2 * count)))
      .U32(static_cast<std::uint32_t>(count))
      .U32(static_cast<std::uint32_t>(2 * count));
  for (std::size_t i = 0; i < count; ++i) r.U32(2);
  for (const EmfPoint& p : ends.first(2 * count)) r.U16(clamp16(p.x)).U16(clamp16(p.y));
  Append(r);
}

void EmfRecordWriter::Rectangle(const EmfRect& box) {
  Record r(format::kRectangle);
  Append(r.Rect(box));
}

void EmfRecordWriter::Ellipse(const EmfRect& box) {
  Record r(format::kEllipse);
  Append(r.Rect(box));
}

void EmfRecordWriter::SetPixel(EmfPoint p, std::uint32_t colour) {
  Record r(format::kSetPixelV);
  Append(r.Point(p).U32(colour & 0xFFFFFF));
}

void EmfRecordWriter::ExtTextOut(EmfPoint reference, std::u16string_view text,
                                 std::span<const std::int32_t> dx, const EmfRect& bounds) {
  constexpr std::uint32_t kStringOffset = 76;
  const auto units = static_cast<std::uint32_t>(text.size());
  const std::uint32_t dxOffset = kStringOffset + (2 * units + 3) / 4 * 4;
  Record r(format::kExtTextOutW);
  r.Rect(bounds).U32(1).F32(scale_).F32(scale_);  // GM_COMPATIBLE
  r.Point(reference).U32(units).U32(kStringOffset).U32(0).Rect({0, 0, -1, -1}).U32(dxOffset);
  r.Text(text).PadTo4();
  for (std::size_t i = 0; i < text.size(); ++i) r.I32(i < dx.size() ? dx[i] : 0);
  Append(r);
}

void EmfRecordWriter::IntersectClipRect(const EmfRect& box) {
  Record r(format::kIntersectClipRect);
  Append(r.Rect(box));
}

std::vector<std::uint8_t> EmfRecordWriter::Finish() {
  Record eof(format::kEof);
  Append(eof.U32(0).U32(16).U32(20));
  PatchU32(bytes_, 48, static_cast<std::uint32_t>(bytes_.size()));
  PatchU32(bytes_, 52, recordCount_);
  const std::uint32_t handles =
      std::min<std::uint32_t>(largestObject_ + 1, std::numeric_limits<std::uint16_t>::max());
  PatchU16(bytes_, 56, static_cast<std::uint16_t>(handles));
  return std::move(bytes_);
}

}  // namespace zef::emf
