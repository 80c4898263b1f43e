#pragma once

#include <cstdint>

#include "binary/binary_reader.h"
#include "binary/messages.h"

namespace zef::binary {

// What tells the two kinds of binary apart.
struct KindRules {
  model::FormatKind kind;
  std::uint32_t magic;
  Fault wrongMagic;
  std::uint32_t lowestBand;  // a lower minimum band in the file is raised to this
  Fault (*checkVersion)(const BinaryHeader& header);
};

// Reads a whole binary of the kind into a new set; on failure reports
// "File error:" with the message and gives no set.
BinaryReadResult ReadDistributionBinary(Input& in, model::MessageSink& errors,
                                        const KindRules& rules);

}  // namespace zef::binary
