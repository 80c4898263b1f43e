#pragma once

#include <string_view>

#include "graphs/font_metrics.h"

namespace zef::graphs {

// Every character equally wide and every font alike, so that drawings are
// exact and the same on every machine (tests, headless layouts).
class FixedFontMetrics : public FontMetrics {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kCharHeight = 13;

  explicit FixedFontMetrics(int charWidth = kCharWidth, int charHeight = kCharHeight)
      : charWidth_(charWidth), charHeight_(charHeight) {}

  TextSize Measure(int /*font*/, std::string_view text) const override {
    int characters = 0;
    for (const char c : text) {
      // UTF-8 continuation bytes belong to the character before them.
      if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    }
    return {characters * charWidth_, charHeight_};
  }
  int CharHeight(int /*font*/) const override { return charHeight_; }

 private:
  int charWidth_;
  int charHeight_;
};

}  // namespace zef::graphs
