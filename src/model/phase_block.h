#pragma once

#include <cstddef>

namespace zef::model {

// Balloon phase and sensitivity phase of a ZEF2 set of format version 2, in radians.
struct PhaseBlock {
  float balloon[30][72][37];
  float sensitivity[30];
};

static_assert(sizeof(PhaseBlock) == 319800);
static_assert(offsetof(PhaseBlock, sensitivity) == 319680);

inline constexpr float kDegreesToRadians = 0.017453292f;

}  // namespace zef::model
