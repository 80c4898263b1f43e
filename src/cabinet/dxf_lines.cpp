#include "cabinet/dxf_lines.h"

namespace zef::cabinet {
bool MemoryLines::Next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t feed = text_.find('\n', pos_);
  const std::size_t end = feed == std::string_view::npos ? text_.size() : feed;
  line = text_.substr(pos_, end - pos_);
  pos_ = feed == std::string_view::npos ? text_.size() : feed + 1;
  return true;
}

}  // namespace zef::cabinet
