#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cabinet/dxf_lines.h"

namespace zef::cabinet {

// The longest code or value line a drawing may have, without its line end.
inline constexpr std::size_t kMaxDxfLine = 255;

// Reads a drawing as groups: a code line (a whole number) and a value line.
// Lines end with CR LF or a line feed alone; blanks and tabs around a line are
// dropped and values are upper-cased.
class GroupReader {
 public:
  explicit GroupReader(LineSource& lines) : lines_(lines) {}

  // False when the input ends before both lines, a line is too long, or the
  // code line is not a whole number.
  bool Next();

  std::int32_t Code() const { return code_; }
  std::string_view Value() const { return value_; }
  bool Is(std::int32_t code, std::string_view value) const {
    return code_ == code && value_ == value;
  }
  // The code line as read, for traces.
  std::string_view CodeLine() const { return codeLine_; }
  // Code and value lines read so far.
  std::uint64_t LineCount() const { return lineCount_; }

 private:
  bool ReadLine(std::string& into);

  LineSource& lines_;
  std::uint64_t lineCount_ = 0;
  std::int32_t code_ = 0;
  std::string codeLine_;
  std::string value_;
};

}  // namespace zef::cabinet
