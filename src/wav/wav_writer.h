#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace zef::wav {

// A mono 32-bit IEEE float RIFF WAVE file image: FIR taps stored exactly.
std::vector<std::uint8_t> FloatWavImage(std::span<const float> samples, std::uint32_t sampleRate);

}  // namespace zef::wav
