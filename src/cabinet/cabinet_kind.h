#pragma once

#include <cstdint>
#include <optional>

namespace zef::cabinet {

// The cabinet representations, in the order of the info record's flag bits.
enum class CabinetKind {
  kRectangular = 0,
  kTrapezoidal = 1,
  kEdges = 2,
  kFacesAndEdges = 3,
  kDxf = 4
};

inline bool IsAvailable(std::uint32_t cabinetFlags, CabinetKind kind) {
  return (cabinetFlags & (std::uint32_t{1} << static_cast<int>(kind))) != 0;
}

// The representation a newly loaded set is shown in; none without a cabinet.
inline std::optional<CabinetKind> LowestAvailable(std::uint32_t cabinetFlags) {
  for (int k = 0; k <= static_cast<int>(CabinetKind::kDxf); ++k) {
    if (IsAvailable(cabinetFlags, static_cast<CabinetKind>(k))) return static_cast<CabinetKind>(k);
  }
  return std::nullopt;
}

}  // namespace zef::cabinet
