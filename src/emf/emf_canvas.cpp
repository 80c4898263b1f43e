#include "emf/emf_canvas.h"

#include <algorithm>
#include <utility>

#include "emf/dash_segments.h"
#include "emf/emf_text.h"
#include "emf/pixel_rects.h"

namespace zef::emf {
namespace {

constexpr std::u16string_view kDescription{u"zefview\0graph", 13};

EmfPoint ToEmf(PixelPoint p) {
  return {p.x, p.y};
}

std::vector<EmfPoint> ToEmf(std::span<const PixelPoint> points) {
  std::vector<EmfPoint> result;
  result.reserve(points.size());
  for (const PixelPoint& p : points) result.push_back(ToEmf(p));
  return result;
}

std::u16string Utf16Face(std::string_view family) {
  return std::u16string(family.begin(), family.end());
}

}  // namespace

EmfCanvas::EmfCanvas(const FontMetrics& metrics, EmfCanvasOptions options)
    : metrics_(metrics), options_(std::move(options)) {}

void EmfCanvas::Begin(int width, int height) {
  width_ = std::max(width, 1);
  height_ = std::max(height, 1);
  bytes_.clear();
  createdPen_.reset();
  penSelected_ = Selected::kDefault;
  createdBrush_.reset();
  brushSelected_ = Selected::kDefault;
  textColour_.reset();
  pen_ = Pen{};
  writer_.emplace(width_, height_, options_.dpi, kDescription);
  writer_->SetMapMode(format::kMapModeText);
  writer_->SetBkMode(format::kTransparent);
  writer_->SetTextAlign(format::kTaLeft | format::kTaTop);
  // Nothing may spill past the picture (a polar grid circle can).
  writer_->IntersectClipRect({0, 0, width_, height_});
  const std::u16string face = Utf16Face(options_.font.family);
  writer_->CreateFont(kFontSlot, {.height = -options_.font.pixelSize, .faceName = face});
  writer_->SelectObject(kFontSlot);
  FillBox(0, 0, width_ - 1, height_ - 1, kBackgroundColour);
}

void EmfCanvas::End() {
  if (!writer_) return;
  if (!options_.footer.empty()) {
    const TextSize size = metrics_.Measure(0, options_.footer);
    Text(FooterPosition(options_.footerPlacement, width_, height_, size), options_.footer, 0,
         kBlack, true);
  }
  ReleaseObjects();
  bytes_ = writer_->Finish();
  writer_.reset();
}

void EmfCanvas::ReleaseObjects() {
  writer_->SelectObject(format::kBlackPen);
  writer_->SelectObject(format::kWhiteBrush);
  writer_->SelectObject(format::kSystemFont);
  if (createdPen_) writer_->DeleteObject(kPenSlot);
  if (createdBrush_) writer_->DeleteObject(kBrushSlot);
  writer_->DeleteObject(kFontSlot);
}

void EmfCanvas::SetPen(const Pen& pen) {
  pen_ = pen;
}

void EmfCanvas::UseSolidPen() {
  const Pen wanted{pen_.colour & 0xFFFFFF, std::max(pen_.width, 1), 0};
  if (createdPen_ != wanted) {
    if (createdPen_) {
      // An object is deleted only when it is not selected.
      if (penSelected_ == Selected::kCreated) {
        writer_->SelectObject(format::kBlackPen);
        penSelected_ = Selected::kDefault;
      }
      writer_->DeleteObject(kPenSlot);
    }
    writer_->CreatePen(kPenSlot, format::kPsSolid, wanted.width, wanted.colour);
    createdPen_ = wanted;
  }
  if (penSelected_ != Selected::kCreated) {
    writer_->SelectObject(kPenSlot);
    penSelected_ = Selected::kCreated;
  }
}

void EmfCanvas::UseNullPen() {
  if (penSelected_ == Selected::kNull) return;
  writer_->SelectObject(format::kNullPen);
  penSelected_ = Selected::kNull;
}

void EmfCanvas::UseBrush(Colour colour) {
  colour &= 0xFFFFFF;
  if (createdBrush_ != colour) {
    if (createdBrush_) {
      if (brushSelected_ == Selected::kCreated) {
        writer_->SelectObject(format::kNullBrush);
        brushSelected_ = Selected::kNull;
      }
      writer_->DeleteObject(kBrushSlot);
    }
    writer_->CreateBrush(kBrushSlot, format::kBsSolid, colour);
    createdBrush_ = colour;
  }
  if (brushSelected_ != Selected::kCreated) {
    writer_->SelectObject(kBrushSlot);
    brushSelected_ = Selected::kCreated;
  }
}

void EmfCanvas::UseNullBrush() {
  if (brushSelected_ == Selected::kNull) return;
  writer_->SelectObject(format::kNullBrush);
  brushSelected_ = Selected::kNull;
}

void EmfCanvas::FillBox(int left, int top, int right, int bottom, Colour colour) {
  UseNullPen();
  UseBrush(colour);
  // Without an outline a rectangle covers its right and bottom edge only up
  // to the coordinate given, so one more takes in the last pixels.
  writer_->Rectangle({left, top, right + 1, bottom + 1});
}

void EmfCanvas::DashedLines(std::span<const PixelPoint> points) {
  const std::vector<Segment> segments = DashSegments(points, pen_.dash);
  std::vector<EmfPoint> ends;
  ends.reserve(2 * segments.size());
  for (const Segment& s : segments) {
    ends.push_back(ToEmf(s.from));
    ends.push_back(ToEmf(s.to));
  }
  UseSolidPen();
  writer_->LineSegments(ends);
}

void EmfCanvas::Line(PixelPoint from, PixelPoint to) {
  if (!writer_) return;
  if (pen_.dash > 0) {
    const PixelPoint points[] = {from, to};
    DashedLines(points);
    return;
  }
  UseSolidPen();
  writer_->MoveTo(ToEmf(from));
  writer_->LineTo(ToEmf(to));
}

void EmfCanvas::Polyline(std::span<const PixelPoint> points) {
  if (!writer_ || points.size() < 2) return;
  if (pen_.dash > 0) {
    DashedLines(points);
    return;
  }
  UseSolidPen();
  writer_->Polyline(ToEmf(points));
}

void EmfCanvas::FillPolygon(std::span<const PixelPoint> points) {
  if (!writer_ || points.size() < 3) return;
  UseNullPen();
  UseBrush(pen_.colour);
  writer_->Polygon(ToEmf(points));
}

void EmfCanvas::Rectangle(PixelPoint corner1, PixelPoint corner2, bool filled) {
  if (!writer_) return;
  const int left = std::min(corner1.x, corner2.x);
  const int right = std::max(corner1.x, corner2.x);
  const int top = std::min(corner1.y, corner2.y);
  const int bottom = std::max(corner1.y, corner2.y);
  if (filled) {
    FillBox(left, top, right, bottom, pen_.colour);
    return;
  }
  // An outline as a closed line lands on the same pixels in every reader.
  const PixelPoint outline[] = {
      {left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
  Polyline(outline);
}

void EmfCanvas::Ellipse(PixelPoint centre, int radiusX, int radiusY, bool filled) {
  if (!writer_) return;
  const EmfRect box{centre.x - radiusX, centre.y - radiusY, centre.x + radiusX, centre.y + radiusY};
  if (filled) {
    UseNullPen();
    UseBrush(pen_.colour);
    writer_->Ellipse({box.left, box.top, box.right + 1, box.bottom + 1});
    return;
  }
  if (pen_.dash > 0) {
    DashedLines(EllipseOutline(centre, radiusX, radiusY));
    return;
  }
  UseSolidPen();
  UseNullBrush();
  writer_->Ellipse(box);
}

void EmfCanvas::Point(PixelPoint at, Colour colour, int size) {
  if (!writer_) return;
  if (size <= 1) {
    writer_->SetPixel(ToEmf(at), colour);
    return;
  }
  const int left = at.x - size / 2;
  const int top = at.y - size / 2;
  UseNullPen();
  UseBrush(colour);
  writer_->Ellipse({left, top, left + size, top + size});
}

void EmfCanvas::Text(PixelPoint topLeft, std::string_view text, int font, Colour colour,
                     bool transparent) {
  if (!writer_ || text.empty()) return;
  const MetafileText encoded = MetafileTextOf(text, metrics_, font);
  const TextSize size = metrics_.Measure(font, text);
  if (!transparent) {
    FillBox(topLeft.x, topLeft.y, topLeft.x + size.width - 1, topLeft.y + size.height - 1,
            kBackgroundColour);
  }
  if (textColour_ != (colour & 0xFFFFFF)) {
    textColour_ = colour & 0xFFFFFF;
    writer_->SetTextColor(*textColour_);
  }
  writer_->ExtTextOut(ToEmf(topLeft), encoded.units, encoded.advances,
                      {topLeft.x, topLeft.y, topLeft.x + size.width, topLeft.y + size.height});
}

void EmfCanvas::Pixels(PixelPoint topLeft, int width, std::span<const Colour> colours) {
  if (!writer_) return;
  std::vector<ColourRect> rects = ColourRects(topLeft, width, colours);
  // The rectangles do not overlap, so grouping them by colour changes nothing
  // but the number of brushes made.
  std::stable_sort(rects.begin(), rects.end(),
                   [](const ColourRect& a, const ColourRect& b) { return a.colour < b.colour; });
  for (const ColourRect& r : rects) FillBox(r.left, r.top, r.right, r.bottom, r.colour);
}

}  // namespace zef::emf
