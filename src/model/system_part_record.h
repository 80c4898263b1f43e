#pragma once

#include <cstddef>
#include <cstdint>

namespace zef::model {

// Reference point of the cabinet and the place of the loudspeaker in a system
// (format version 2 only).
struct SystemPartRecord {
  float referencePoint[3];
  char referenceText[256];
  std::uint32_t part;
  std::uint32_t parts;
  char partText[256];
};

static_assert(sizeof(SystemPartRecord) == 532);
static_assert(offsetof(SystemPartRecord, referenceText) == 12);
static_assert(offsetof(SystemPartRecord, part) == 268);
static_assert(offsetof(SystemPartRecord, parts) == 272);
static_assert(offsetof(SystemPartRecord, partText) == 276);

}  // namespace zef::model
