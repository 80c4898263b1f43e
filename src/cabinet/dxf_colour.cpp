#include "cabinet/dxf_colour.h"

#include "cabinet/dxf_numbers.h"

namespace zef::cabinet {
namespace {

constexpr std::uint32_t kByLayerColour = 0xC8C8C8;  // also for a value that is no number
constexpr std::uint32_t kOutOfRangeColour = 0x9696FF;

}  // namespace

std::uint32_t DxfColour(std::string_view value) {
  std::int32_t number = 0;
  if (!ParseDxfWhole(value, number)) return kByLayerColour;
  if (number == 0) return 0;
  if (number >= 1 && number <= 255) return PaletteColour(static_cast<std::uint32_t>(number));
  if (number == 256) return kByLayerColour;
  // Negative numbers (a layer switched off) lie outside the palette like those above 256.
  return kOutOfRangeColour;
}

}  // namespace zef::cabinet
