#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace zef::model {

// Fixed-size, zero-terminated 8-bit text fields of the stored records.

// The text of a field: up to its first zero byte, never beyond the array.
template <std::size_t N>
std::string_view TextOf(const char (&field)[N]) {
  return std::string_view(field, ::strnlen(field, N));
}

// Stores text cut to N - 1 characters and zero-fills the rest of the field.
template <std::size_t N>
void SetText(char (&field)[N], std::string_view text) {
  const std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
  std::memcpy(field, text.data(), n);
  std::memset(field + n, 0, N - n);
}

inline char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

inline bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

inline bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() &&
         EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

inline std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

}  // namespace zef::model
