#include "emf/emf_text.h"

#include <cstddef>

namespace zef::emf {
namespace {

struct Decoded {
  char32_t codePoint = 0;
  std::size_t length = 1;  // bytes taken from the text
};

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

Decoded DecodeAt(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  char32_t value = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
  } else {
    return {lead, 1};
  }
  if (at + length > text.size()) return {lead, 1};
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[at + i]);
    if (!IsContinuation(byte)) return {lead, 1};
    value = (value << 6) | (byte & 0x3F);
  }
  const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
  const bool invalid = value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF);
  if (overlong || invalid) return {lead, 1};
  return {value, length};
}

}  // namespace

MetafileText MetafileTextOf(std::string_view utf8, const FontMetrics& metrics, int font) {
  MetafileText result;
  // Measuring the valid UTF-8 form keeps a stray Latin-1 byte measurable too.
  std::string prefix;
  int before = 0;
  for (std::size_t at = 0; at < utf8.size();) {
    const Decoded decoded = DecodeAt(utf8, at);
    at += decoded.length;
    const char32_t c = decoded.codePoint;
    if (c < 0x80) {
      prefix += static_cast<char>(c);
    } else if (c < 0x800) {
      prefix += static_cast<char>(0xC0 | (c >> 6));
      prefix += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      prefix += static_cast<char>(0xE0 | (c >> 12));
      prefix += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      prefix += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      prefix += static_cast<char>(0xF0 | (c >> 18));
      prefix += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      prefix += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      prefix += static_cast<char>(0x80 | (c & 0x3F));
    }
    const int after = metrics.Measure(font, prefix).width;
    if (c < 0x10000) {
      result.units.push_back(static_cast<char16_t>(c));
      result.advances.push_back(after - before);
    } else {
      const char32_t v = c - 0x10000;
      result.units.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
      result.units.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
      result.advances.push_back(after - before);
      result.advances.push_back(0);
    }
    before = after;
  }
  return result;
}

}  // namespace zef::emf
