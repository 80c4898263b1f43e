#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

// Seeded random damage to a file image, for the tests that every reader
// survives any input. Header-only.
namespace zef::model::testing {

class ByteMutations {
 public:
  explicit ByteMutations(unsigned seed) : random_(seed) {}

  // A copy of `original` with one to `most` random changes: bytes overwritten
  // (often with ones that mean something to a reader: line ends, separators,
  // digits, signs, extreme values), ranges removed or repeated, or the tail cut.
  template <typename Byte>
  std::vector<Byte> Mutated(const std::vector<Byte>& original, int most = 4) {
    std::vector<Byte> bytes = original;
    for (int n = Whole(1, most); n > 0; --n) Apply(bytes);
    return bytes;
  }

  int Whole(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

 private:
  template <typename Byte>
  void Apply(std::vector<Byte>& bytes) {
    static constexpr std::uint8_t kTelling[] = {'\r', '\n', '\t', ' ', '<', '>',  '#',  '-',  '.',
                                                ',',  '0',  '9',  'e', 0,   0x1A, 0x7F, 0x80, 0xFF};
    if (bytes.empty()) {
      bytes.push_back(static_cast<Byte>(kTelling[Whole(0, sizeof kTelling - 1)]));
      return;
    }
    const int size = static_cast<int>(bytes.size());
    const int at = Whole(0, size - 1);
    const int span = std::min(size - at, Whole(1, 64));
    const int kind = Whole(0, 5);
    if (kind == 0) bytes[at] = static_cast<Byte>(Whole(0, 255));
    if (kind == 1) bytes[at] = static_cast<Byte>(kTelling[Whole(0, sizeof kTelling - 1)]);
    if (kind == 2) bytes.erase(bytes.begin() + at, bytes.begin() + at + span);
    if (kind == 3) {
      const std::vector<Byte> copy(bytes.begin() + at, bytes.begin() + at + span);
      bytes.insert(bytes.begin() + Whole(0, size), copy.begin(), copy.end());
    }
    if (kind == 4) bytes.resize(static_cast<std::size_t>(at));
    // A little-endian count or size at its largest.
    if (kind == 5)
      std::fill(bytes.begin() + at, bytes.begin() + std::min(size, at + 4),
                static_cast<Byte>(0xFF));
  }

  std::mt19937 random_;
};

}  // namespace zef::model::testing
