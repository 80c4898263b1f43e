#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "model/data_set.h"
#include "model/fixed_text.h"
#include "model/message_sink.h"
#include "textformat/line_scanner.h"

namespace zef::textformat {

// Result codes of a text read.
inline constexpr int kReadClean = 0;
inline constexpr int kReadWithErrors = 1;
inline constexpr int kReadFailed = 2;

struct ReadOptions {
  bool decimalComma = false;  // numbers in messages use a decimal comma
  // Axis codes of the set currently loaded; a new set starts with them.
  std::uint32_t holderOnAxisCode = model::kPlusX;
  std::uint32_t holderUpCode = model::kPlusZ;
};

// Working state that lives for one read and is shared between keyword groups.
struct ReadState {
  bool phaseInDegrees = false;
  int lastPoint = 0;  // last point index read per arc
  bool arcsReversed = false;
  int rotationSteps = 0;
  bool quarterTurn = false;
  bool signReversed = false;
};

// The reading context handed to every keyword group: the scanner, the token
// cursor, conversions with their messages, per-band values, and the new set.
class Reader {
 public:
  Reader(std::string_view text, const std::filesystem::path& sourcePath, model::MessageSink& errors,
         const ReadOptions& options, model::DataSet& set);

  model::DataSet& Set() { return set_; }
  model::InfoRecord& Info() { return *set_.info; }
  model::DataRecord& Data() { return set_.data; }
  model::FormatKind Kind() const { return set_.kind; }
  ReadState& State() { return state_; }
  const ReadOptions& Options() const { return options_; }
  const std::filesystem::path& SourcePath() const { return sourcePath_; }
  LineScanner& Scanner() { return scanner_; }
  int Result() const { return result_; }
  int LineNumber() const { return scanner_.LineNumber(); }

  // ---- Lines. Every failure is reported; false means the read must stop.
  // Reads the next keyword line and requires it to be `keyword`.
  bool ExpectKeyword(std::string_view keyword);
  // Reads the next keyword line without complaint when it is another keyword.
  // Ended (the text ended) and Failed (a line that is no keyword line) are
  // reported but leave the result as it was: the caller decides.
  enum class Probe { Match, Other, Ended, Failed };
  Probe TryKeyword(std::string_view keyword);
  const std::string& Keyword() const { return scanner_.Keyword(); }
  // Leaves the keyword line just read for the next keyword read.
  void PutBackKeyword() { scanner_.PutBackKeyword(); }
  // Reads the values of the keyword line just read; "No data found after K".
  bool ReadValues(std::string_view keyword);
  bool ExpectKeywordWithValues(std::string_view keyword) {
    return ExpectKeyword(keyword) && ReadValues(keyword);
  }
  // Reads a data line; false at the end of the text (reported).
  bool ReadDataLine();

  // ---- Tokens of the current line; the cursor stands before the first value.
  bool NextValue();  // steps to the next value; false when there is none
  bool HasNextValue() const { return cursor_ + 1 < ValueCount(); }
  std::string_view Value() const;  // the value under the cursor
  bool ValueIs(std::string_view text) const { return model::EqualsIgnoringCase(Value(), text); }
  std::size_t ValueCount() const { return scanner_.Values().size(); }
  std::size_t RemainingValues() const { return ValueCount() - (cursor_ + 1); }
  // True when at least one value is left and every value left is "<NODATA>".
  bool RemainingAllNoData() const;

  // ---- Conversions of the value under the cursor; on failure the conversion
  // message is written and false returned (the caller decides the error kind).
  bool ToUnsigned(std::uint32_t& out);
  bool ToInteger(std::int32_t& out);
  bool ToReal(float& out);
  bool ToPerBandValue(float& out);  // "<NODATA>" or a real
  // Copies the value as text: one outer quote and the spaces inside it dropped,
  // "<br>" turned into CR LF when asked.
  template <std::size_t N>
  void ToText(char (&field)[N], bool convertBreaks = false) {
    model::SetText(field, PrepareText(Value(), convertBreaks));
  }

  // An optional "<INFO>" and its text at the end of a line: the field is
  // emptied, then filled when the pair is there ("<INFO> expected",
  // "<INFO> value expected" fatal when it is malformed).
  template <std::size_t N>
  bool ReadOptionalInfoText(char (&field)[N]) {
    model::SetText(field, "");
    if (!NextValue()) return true;
    if (!ValueIs("<INFO>")) return Fatal("<INFO>", " expected");
    if (!NextValue()) return Fatal("<INFO>", " value expected");
    ToText(field);
    return true;
  }

  // ---- Per-band values: one value per band from the minimum to the maximum
  // band; "K data field missing" (fatal) when the line runs out.
  bool ReadPerBand(std::string_view keyword, std::span<float> array);
  // Reads `count` values into array[0..count) the same way.
  bool ReadValuesInto(std::string_view keyword, std::span<float> array, int first, int last);
  // lo < v <= hi for every value not missing; fatal message when not.
  bool CheckAllowedRange(std::string_view keyword, std::span<const float> array, float lo,
                         float hi);
  // lo <= v <= hi for every band in range, missing values included.
  bool CheckRealisticRange(std::string_view keyword, std::span<const float> array, float lo,
                           float hi);
  // The four-line warning at the first zero among the 30 entries.
  void WarnZeroValues(std::string_view keyword, std::span<const float> array);

  // ---- Messages.
  // A message with the line prefix: "Error on line: nnnn", then " " + a + b.
  void Report(std::string_view a, std::string_view b = {});
  // A line written as it is (continuations, warnings, messages without line number).
  void WriteLine(std::string_view text) { errors_.WriteLine(text); }
  // Reports and marks the read failed; always false so callers can return it.
  bool Fatal(std::string_view a, std::string_view b = {});
  // Marks the read failed after messages already written.
  bool Fail();
  // Reports a non-fatal error: the caller puts the default in place.
  void NonFatal(std::string_view a, std::string_view b = {});
  // Marks non-fatal errors after messages already written.
  void MarkErrors();

 private:
  bool ReportScanStatus(LineScanner::Status status, std::string_view keyword);
  static std::string PrepareText(std::string_view value, bool convertBreaks);
  std::string FormatBound(float value) const;

  LineScanner scanner_;
  std::filesystem::path sourcePath_;
  model::MessageSink& errors_;
  ReadOptions options_;
  model::DataSet& set_;
  ReadState state_;
  std::size_t cursor_ = static_cast<std::size_t>(-1);
  int result_ = kReadClean;
};

// True when a text holds a letter, a digit or a character from 0xC0 up: a text
// without any counts as not given.
bool HasVisibleText(std::string_view text);

}  // namespace zef::textformat
