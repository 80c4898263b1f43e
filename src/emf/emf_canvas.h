#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "emf/drawing_types.h"
#include "emf/emf_records.h"

namespace zef::emf {

struct EmfCanvasOptions {
  int dpi = 96;
  GraphFont font{};
  // Drawn last, in black on a transparent background in font 0; empty: none.
  std::string footer;
  FooterPlacement footerPlacement = FooterPlacement::kBottomCentre;
};

// A canvas that records an enhanced metafile, one pixel one logical unit.
// Text widths come from `metrics` (which must measure the same font), so
// readers place every character where the screen does.
class EmfCanvas final : public Canvas {
 public:
  EmfCanvas(const FontMetrics& metrics, EmfCanvasOptions options);

  void Begin(int width, int height) override;
  void End() override;
  void SetPen(const Pen& pen) override;
  void Line(PixelPoint from, PixelPoint to) override;
  void Polyline(std::span<const PixelPoint> points) override;
  void FillPolygon(std::span<const PixelPoint> points) override;
  void Rectangle(PixelPoint corner1, PixelPoint corner2, bool filled) override;
  void Ellipse(PixelPoint centre, int radiusX, int radiusY, bool filled) override;
  void Point(PixelPoint at, Colour colour, int size) override;
  void Text(PixelPoint topLeft, std::string_view text, int font, Colour colour,
            bool transparent) override;
  void Pixels(PixelPoint topLeft, int width, std::span<const Colour> colours) override;

  // The metafile of the last picture ended; empty before.
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  // The object slots: one pen, one brush, one font, reused.
  static constexpr std::uint32_t kPenSlot = 1;
  static constexpr std::uint32_t kBrushSlot = 2;
  static constexpr std::uint32_t kFontSlot = 3;

  void UseSolidPen();
  void UseNullPen();
  void UseBrush(Colour colour);
  void UseNullBrush();
  void FillBox(int left, int top, int right, int bottom, Colour colour);
  void DashedLines(std::span<const PixelPoint> points);
  void ReleaseObjects();

  const FontMetrics& metrics_;
  EmfCanvasOptions options_;
  std::optional<EmfRecordWriter> writer_;
  std::vector<std::uint8_t> bytes_;
  int width_ = 0;
  int height_ = 0;
  Pen pen_;
  // What the pen and brush of the playback state are now.
  enum class Selected { kDefault, kNull, kCreated };
  std::optional<Pen> createdPen_;
  Selected penSelected_ = Selected::kDefault;
  std::optional<Colour> createdBrush_;
  Selected brushSelected_ = Selected::kDefault;
  std::optional<Colour> textColour_;
};

}  // namespace zef::emf
