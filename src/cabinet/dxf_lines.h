#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

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

// Lines of a drawing read from a stream in chunks, so a file is never held
// whole. Of an overlong line only enough is kept to tell that it is too long.
class StreamLines final : public LineSource {
 public:
  static constexpr std::size_t kKeptLength = 257;  // longest line with its CR, plus one

  explicit StreamLines(std::istream& in);
  bool Next(std::string_view& line) override;

 private:
  bool Fill();

  std::istream& in_;
  std::vector<char> chunk_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  std::string line_;
};

}  // namespace zef::cabinet
