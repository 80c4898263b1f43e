#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "model/data_record.h"
#include "model/info_record.h"

namespace zef::binary {

// Weighted sum over the ten text fields of the info record.
std::uint32_t TextChecksum(const model::InfoRecord& info);

// Sum of b[i] + (i mod 7) for header version 1, b[i] + (i mod 6) otherwise,
// wrapping at 32 bits.
std::uint32_t DataChecksum(std::uint32_t version, std::span<const std::byte> bytes);

// The header's data checksum: info record and data record, each summed from i = 0.
std::uint32_t FileDataChecksum(std::uint32_t version, const model::InfoRecord& info,
                               const model::DataRecord& data);

}  // namespace zef::binary
