// The options file decoder on any bytes: it refuses or gives options that
// save and read back unchanged.
#include <cstddef>
#include <cstdint>
#include <span>

#include "app/options_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zef;
  app::StoredOptions read;
  const app::StoredOptions untouched = read;
  if (!app::DecodeOptions(std::span(data, size), read)) {
    fuzz::Require(read == untouched, "a refused file changes nothing");
    return 0;
  }
  fuzz::Require(read.fontFace.size() < 64, "the face name fits its field");
  fuzz::Require(read.graphicsFont <= 2, "a graphics font choice the dialog offers");
  const std::vector<std::uint8_t> saved = app::EncodeOptions(read);
  fuzz::Require(saved.size() == app::kOptionsFileSize, "a saved file has 91 bytes");
  app::StoredOptions again;
  fuzz::Require(app::DecodeOptions(saved, again) && again == read, "saved options read back");
  return 0;
}
