// The ZF2 distribution binary reader on any bytes.
#include <cstddef>
#include <cstdint>

#include "binary_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zef::fuzz::FuzzBinary(zef::model::FormatKind::Zef2, {data, size});
  return 0;
}
