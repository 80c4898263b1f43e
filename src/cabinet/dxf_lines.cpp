#include "cabinet/dxf_lines.h"

#include <algorithm>

namespace zef::cabinet {
namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

}  // namespace

bool MemoryLines::Next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t feed = text_.find('\n', pos_);
  const std::size_t end = feed == std::string_view::npos ? text_.size() : feed;
  line = text_.substr(pos_, end - pos_);
  pos_ = feed == std::string_view::npos ? text_.size() : feed + 1;
  return true;
}

StreamLines::StreamLines(std::istream& in) : in_(in), chunk_(kChunkSize) {
  line_.reserve(kKeptLength);
}

bool StreamLines::Fill() {
  in_.read(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
  pos_ = 0;
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ > 0;
}

bool StreamLines::Next(std::string_view& line) {
  line_.clear();
  bool started = false;
  while (true) {
    if (pos_ == end_ && !Fill()) {
      line = line_;
      return started;
    }
    const char* begin = chunk_.data() + pos_;
    const char* stop = chunk_.data() + end_;
    const char* feed = std::find(begin, stop, '\n');
    const std::size_t room = kKeptLength - line_.size();
    line_.append(begin, std::min(static_cast<std::size_t>(feed - begin), room));
    started = true;
    if (feed != stop) {
      pos_ = static_cast<std::size_t>(feed - chunk_.data()) + 1;
      line = line_;
      return true;
    }
    pos_ = end_;
  }
}

}  // namespace zef::cabinet
