#include "graphs/option_set.h"

#include <array>

namespace zef::graphs {
namespace {

constexpr std::array<std::string_view, kOptionCount> kNames = {
    "heavy-lines",
    "heavy-curves",
    "show-symmetry",
    "di",
    "fixed-scales",
    "shade",
    "polar-max-reference",
    "balloon-max-reference",
    "6db-tics",
    "dxf-faces",
    "grid-when-shaded",
    "stepped-curves",
    "mark-6db",
    "average-spectrum",
    "equalisation",
    "coloured-sphere",
};

}  // namespace

std::string_view OptionName(Option option) {
  const int bit = static_cast<int>(option);
  return bit >= 0 && bit < kOptionCount ? kNames[static_cast<std::size_t>(bit)] : "";
}

std::optional<Option> FindOption(std::string_view name) {
  for (int bit = 0; bit < kOptionCount; ++bit) {
    if (kNames[static_cast<std::size_t>(bit)] == name) return static_cast<Option>(bit);
  }
  return std::nullopt;
}

}  // namespace zef::graphs
