#include "binary/checksums.h"

#include <array>

namespace zef::binary {
namespace {

struct TextField {
  std::size_t offset;
  std::size_t size;
};

// In weight order 1 to 10.
constexpr std::array<TextField, 10> kTextFields{{{0, 256},
                                                 {260, 256},
                                                 {516, 256},
                                                 {772, 256},
                                                 {1548, 256},
                                                 {1804, 256},
                                                 {2060, 256},
                                                 {2316, 16},
                                                 {2332, 16},
                                                 {2348, 16}}};

// Sum of i mod m for i = 0 .. n-1: whole cycles plus the partial one.
std::uint64_t IndexTerms(std::uint64_t n, std::uint64_t m) {
  const std::uint64_t cycles = n / m;
  const std::uint64_t rest = n % m;
  return cycles * (m * (m - 1) / 2) + rest * (rest - 1) / 2;
}

}  // namespace

std::uint32_t TextChecksum(const model::InfoRecord& info) {
  const auto bytes = std::as_bytes(std::span(&info, 1));
  std::uint32_t sum = 0;
  std::uint32_t weight = 1;
  for (const TextField& field : kTextFields) {
    // Files rely on a field without its zero running on into the next bytes;
    // the end of the record still ends the walk.
    for (std::size_t at = field.offset; at < bytes.size() && bytes[at] != std::byte{0}; ++at) {
      sum += std::to_integer<std::uint32_t>(bytes[at]) *
             (weight + static_cast<std::uint32_t>(at - field.offset));
    }
    ++weight;
  }
  return sum;
}

std::uint32_t DataChecksum(std::uint32_t version, std::span<const std::byte> bytes) {
  // The index terms have a closed form, so only the bytes need a pass.
  // A plain indexed loop: it vectorises, and stays fast in unoptimised builds.
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  const std::size_t size = bytes.size();
  std::uint32_t sum = 0;
  for (std::size_t i = 0; i < size; ++i) sum += data[i];
  const std::uint64_t modulus = version == 1 ? 7 : 6;
  return sum + static_cast<std::uint32_t>(IndexTerms(bytes.size(), modulus));
}

std::uint32_t FileDataChecksum(std::uint32_t version, const model::InfoRecord& info,
                               const model::DataRecord& data) {
  return DataChecksum(version, std::as_bytes(std::span(&info, 1))) +
         DataChecksum(version, data.Bytes());
}

}  // namespace zef::binary
