#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "emf/drawing_types.h"

namespace zef::emf {

// A UTF-8 text as the UTF-16 units a metafile stores, with the advance of
// every unit in pixels. Advances are differences of the measured widths of
// growing prefixes, so rounding never adds up along the text; the second unit
// of a surrogate pair advances 0. A byte that is not valid UTF-8 stands for
// the Latin-1 character of its value.
struct MetafileText {
  std::u16string units;
  std::vector<std::int32_t> advances;
};

MetafileText MetafileTextOf(std::string_view utf8, const FontMetrics& metrics, int font);

}  // namespace zef::emf
