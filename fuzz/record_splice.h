#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "model/bands.h"

// The binary targets spend their time where the reader judges bytes: the
// header, the info record, the band range and the sections behind the
// records. The large record images (the data record after its band range,
// the phase block) are copied whole by the reader, so the inputs leave them
// out and the target puts fixed ones back.
namespace zef::fuzz {

// A whole binary without the record images: a seed for a binary target.
// Empty when the image is too short to hold them.
std::vector<std::byte> CutRecords(std::span<const std::byte> image, model::FormatKind kind);

// The binary an input stands for, into `image` (reused from input to input):
// fixed record images put back and both checksums made right (unless the first
// reserved header byte is 0x5A). False when the input is too short for header,
// info record and band range.
bool SpliceRecords(std::span<const std::byte> input, model::FormatKind kind,
                   std::vector<std::byte>& image);

}  // namespace zef::fuzz
