#include "app/message_text.h"

namespace zef::app {

std::string MessageBoxText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '#' && i + 1 < text.size() && text[i + 1] == '#') {
      out += '\n';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string ShortenText(std::string_view text, std::size_t width) {
  if (text.size() <= width) return std::string(text);
  const std::size_t head = width / 2 >= 3 ? width / 2 - 3 : 0;
  const std::size_t tail = width > head + 3 ? width - head - 3 : 0;
  std::string out(text.substr(0, head));
  out += "...";
  out += text.substr(text.size() - tail);
  return out;
}

}  // namespace zef::app
