#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Small side-format files for the seed corpora, built by hand so that every
// branch of their readers has an example to start from.
namespace zef::fuzz {

using NamedFile = std::pair<std::string, std::vector<std::uint8_t>>;

// Drawings of every entity kind the DXF reader understands, in the forms CAD
// programs write them (CR-LF and LF line ends, exponents, decimal commas).
std::vector<NamedFile> SeedDrawings();

// WAV files of every sample kind: float, 16/24/32-bit PCM, extensible, stereo,
// with chunks the reader has to step over.
std::vector<NamedFile> SeedWaves();

}  // namespace zef::fuzz
