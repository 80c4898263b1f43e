#pragma once

#include <string_view>

namespace zef::graphs {

struct TextSize {
  int width = 0;
  int height = 0;
  bool operator==(const TextSize&) const = default;
};

// Measures texts in the fonts behind the graphs' font indices (0 the
// graphics font; a backend may offer more). Texts are UTF-8.
class FontMetrics {
 public:
  virtual ~FontMetrics() = default;
  virtual TextSize Measure(int font, std::string_view text) const = 0;
  // Character height of a font, what line spacing is based on.
  virtual int CharHeight(int font) const = 0;
};

}  // namespace zef::graphs
