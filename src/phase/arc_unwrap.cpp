#include "phase/arc_unwrap.h"

#include <numbers>

namespace zef::phase {

void UnwrapArc(std::span<float> phase) {
  constexpr double kPi = std::numbers::pi;
  double offset = 0;
  float previous = phase.empty() ? 0.0f : phase[0];
  for (std::size_t i = 1; i < phase.size(); ++i) {
    const float raw = phase[i];
    const double d = static_cast<double>(raw) - previous;
    if (d > kPi) offset += 2 * kPi;
    if (d < -kPi) offset -= 2 * kPi;
    phase[i] = static_cast<float>(raw - offset);
    previous = raw;
  }
}

}  // namespace zef::phase
