#pragma once

#include <span>

namespace zef::phase {

// Unwraps the phase of one arc from its first point outward: every jump of
// more than pi between neighbouring raw values is taken as a wrap and undone.
void UnwrapArc(std::span<float> phase);

}  // namespace zef::phase
