#pragma once

#include <cstdint>
#include <string_view>

namespace zef::cabinet {

// Colour of an entity that names none.
inline constexpr std::uint32_t kDefaultEntityColour = 0x808080;

// Palette entry i (1 to 255): blue i, green and red 255 - i (0x00BBGGRR).
constexpr std::uint32_t PaletteColour(std::uint32_t i) {
  return (i << 16) | ((255 - i) << 8) | (255 - i);
}

// The colour a group-62 value stands for.
std::uint32_t DxfColour(std::string_view value);

}  // namespace zef::cabinet
