#pragma once

#include <cstddef>
#include <string_view>

namespace zef::cabinet {

// Where the lines of a drawing come from. A line is given without its line
// feed; the last line of the input counts even without one.
class LineSource {
 public:
  virtual ~LineSource() = default;
  // False at the end of the input.
  virtual bool Next(std::string_view& line) = 0;
};

// Lines of a drawing held in memory; the views point into the text.
class MemoryLines final : public LineSource {
 public:
  explicit MemoryLines(std::string_view text) : text_(text) {}
  bool Next(std::string_view& line) override;

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace zef::cabinet
