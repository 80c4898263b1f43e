#pragma once

#include <cstdint>
#include <string_view>

namespace zef::graphs {

// The graphics font size of the options ("Small", "Medium", "Large").
enum class GraphicsFontSize : std::uint8_t { kSmall = 0, kMedium = 1, kLarge = 2 };

// The font behind every font index of the graphs. Sizes are em heights in
// pixels, 8, 10 and 12 points at 96 dpi; "Arial" is Liberation Sans on Linux,
// which has the same widths, so layouts agree with metafile readers.
struct GraphFont {
  std::string_view family = "Arial";
  int pixelSize = 11;
};

constexpr GraphFont GraphicsFont(GraphicsFontSize size) {
  switch (size) {
    case GraphicsFontSize::kMedium:
      return {"Arial", 13};
    case GraphicsFontSize::kLarge:
      return {"Arial", 16};
    case GraphicsFontSize::kSmall:
      break;
  }
  return {"Arial", 11};
}

}  // namespace zef::graphs
