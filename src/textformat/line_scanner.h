#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zef::textformat {

// Splits the text of a data file into keyword lines, value fields and data lines.
// The text ends at its first Ctrl-Z. Values are views into the text, so the text
// must outlive the scanner's tokens.
class LineScanner {
 public:
  static constexpr std::size_t kMaxField = 255;

  enum class Status {
    Ok,
    EndOfFile,    // the text ended where a line or its end was needed
    NotKeyword,   // a line that is not "<...>" (other first character, CR or overlong keyword)
    NoValues,     // a keyword line without a TAB before its end
  };

  explicit LineScanner(std::string_view text);

  // The first line: the kind tag "<ZEF1>"/"<ZEF2>" (upper-cased, at most six
  // characters) in `tag`; false with `crLfMissing` or an end-of-file condition.
  enum class FirstLine { Ok, NoTag, NotCrLf, EndOfFile };
  FirstLine ReadFirstLine(std::string& tag);

  // Reads the next keyword line up to its ">", skipping comment lines, blank
  // lines and lines that begin with a TAB; each line consumed counts one.
  Status ReadKeyword();
  const std::string& Keyword() const { return keyword_; }
  // Makes the next ReadKeyword give the keyword line just read again, values
  // unread, so a line that turned out to belong to a later keyword is not lost.
  void PutBackKeyword();

  // The values of the keyword line just read.
  Status ReadValues();

  // A data line: all its fields from the first one. An empty first field or a
  // comment gives no tokens.
  Status ReadDataLine();

  const std::vector<std::string_view>& Values() const { return values_; }

  int LineNumber() const { return line_; }
  void SetLineNumber(int line) { line_ = line; }

 private:
  int Get() { return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_++]) : -1; }
  int Peek() const { return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_]) : -1; }
  void TakeLineFeed() {
    if (Peek() == '\n') ++pos_;
  }
  // Moves past the end of the current line; false when the text ends first.
  bool SkipLine();
  // Skips what is left of a line whose values were not read.
  void FinishOpenLine();
  // Reads TAB-separated fields up to CR, starting at a field start.
  Status ReadFields();

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 0;
  bool lineOpen_ = false;
  bool keywordPutBack_ = false;
  std::size_t keywordEnd_ = 0;  // position after the ">" of the last keyword
  std::string keyword_;
  std::vector<std::string_view> values_;
};

}  // namespace zef::textformat
