#include "textformat/reader.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace zef::textformat {

using model::EqualsIgnoringCase;

Reader::Reader(std::string_view text, const std::filesystem::path& sourcePath,
               model::MessageSink& errors, const ReadOptions& options, model::DataSet& set)
    : scanner_(text), sourcePath_(sourcePath), errors_(errors), options_(options), set_(set) {}

// ---- Lines

bool Reader::ReportScanStatus(LineScanner::Status status, std::string_view keyword) {
  switch (status) {
    case LineScanner::Status::Ok:
      return true;
    case LineScanner::Status::EndOfFile:
      Report("end of file");
      break;
    case LineScanner::Status::NotKeyword:
      Report(keyword, " expected");
      break;
    case LineScanner::Status::NoValues:
      Report("No data found after ", keyword);
      break;
  }
  return false;
}

bool Reader::ExpectKeyword(std::string_view keyword) {
  cursor_ = static_cast<std::size_t>(-1);
  const LineScanner::Status status = scanner_.ReadKeyword();
  if (!ReportScanStatus(status, keyword)) return Fail();
  if (scanner_.Keyword() != keyword) return Fatal(keyword, " expected");
  return true;
}

Reader::Probe Reader::TryKeyword(std::string_view keyword) {
  cursor_ = static_cast<std::size_t>(-1);
  const LineScanner::Status status = scanner_.ReadKeyword();
  if (status != LineScanner::Status::Ok) {
    ReportScanStatus(status, keyword);
    return status == LineScanner::Status::EndOfFile ? Probe::Ended : Probe::Failed;
  }
  return scanner_.Keyword() == keyword ? Probe::Match : Probe::Other;
}

bool Reader::ReadValues(std::string_view keyword) {
  cursor_ = static_cast<std::size_t>(-1);
  return ReportScanStatus(scanner_.ReadValues(), keyword) || Fail();
}

bool Reader::ReadDataLine() {
  cursor_ = static_cast<std::size_t>(-1);
  return ReportScanStatus(scanner_.ReadDataLine(), {}) || Fail();
}

// ---- Tokens

bool Reader::NextValue() {
  if (cursor_ + 1 >= ValueCount()) {
    cursor_ = ValueCount();
    return false;
  }
  ++cursor_;
  return true;
}

std::string_view Reader::Value() const {
  return cursor_ < ValueCount() ? scanner_.Values()[cursor_] : std::string_view{};
}

bool Reader::RemainingAllNoData() const {
  const auto& values = scanner_.Values();
  if (cursor_ + 1 >= values.size()) return false;
  for (std::size_t i = cursor_ + 1; i < values.size(); ++i) {
    if (!EqualsIgnoringCase(values[i], "<NODATA>")) return false;
  }
  return true;
}

// ---- Conversions

bool Reader::ToUnsigned(std::uint32_t& out) {
  const std::string_view v = Value();
  std::uint32_t value = 0;
  const bool digitsOnly = !v.empty() && v.find_first_not_of("0123456789") == std::string_view::npos;
  const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
  if (!digitsOnly || ec != std::errc() || end != v.data() + v.size()) {
    Report("Unsigned integer expected:", v);
    return false;
  }
  out = value;
  return true;
}

bool Reader::ToInteger(std::int32_t& out) {
  std::string_view v = Value();
  if (!v.empty() && v.front() == '+') v.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
  if (v.empty() || ec != std::errc() || end != v.data() + v.size()) {
    Report("Integer expected:", Value());
    return false;
  }
  out = value;
  return true;
}

bool Reader::ToReal(float& out) {
  const std::string_view v = Value();
  // Accept a decimal comma and a point without a leading digit, as people write them.
  char buffer[40];
  std::size_t n = 0;
  std::size_t i = 0;
  bool ok = !v.empty() && v.size() <= 31;
  if (ok && (v[0] == '-' || v[0] == '+')) {
    if (v[0] == '-') buffer[n++] = '-';
    i = 1;
  }
  if (ok && i < v.size() && (v[i] == '.' || v[i] == ',')) buffer[n++] = '0';
  bool commaReplaced = false;
  for (; ok && i < v.size(); ++i) {
    char c = v[i];
    if (c == ',' && !commaReplaced) {
      c = '.';
      commaReplaced = true;
    }
    buffer[n++] = c;
  }
  float value = 0;
  if (ok) {
    const auto [end, ec] = std::from_chars(buffer, buffer + n, value);
    ok = ec == std::errc() && end == buffer + n && std::isfinite(value);
  }
  if (!ok) {
    Report("Valid float expected: ", v);
    return false;
  }
  out = value;
  return true;
}

bool Reader::ToPerBandValue(float& out) {
  if (ValueIs("<NODATA>")) {
    out = model::kNoData;
    return true;
  }
  return ToReal(out);
}

std::string Reader::PrepareText(std::string_view value, bool convertBreaks) {
  auto isQuote = [](char c) { return c == '\'' || c == '"'; };
  if (!value.empty() && isQuote(value.front())) {
    value.remove_prefix(1);
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
  }
  if (!value.empty() && isQuote(value.back())) {
    value.remove_suffix(1);
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
  }
  std::string text;
  text.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (convertBreaks && EqualsIgnoringCase(value.substr(i, 4), "<br>")) {
      text += "\r\n";
      i += 3;
    } else {
      text += value[i];
    }
  }
  return text;
}

bool HasVisibleText(std::string_view text) {
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0) {
      return true;
    }
  }
  return false;
}

// ---- Per-band values

bool Reader::ReadValuesInto(std::string_view keyword, std::span<float> array, int first, int last) {
  for (int band = first; band <= last; ++band) {
    if (!NextValue()) return Fatal(keyword, " data field missing");
    if (!ToPerBandValue(array[band])) return Fail();
  }
  return true;
}

bool Reader::ReadPerBand(std::string_view keyword, std::span<float> array) {
  return ReadValuesInto(keyword, array, static_cast<int>(Data().MinBand()),
                        static_cast<int>(Data().MaxBand()));
}

std::string Reader::FormatBound(float value) const {
  char text[48];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
  if (options_.decimalComma) {
    for (char& c : text) {
      if (c == '.') c = ',';
    }
  }
  return text;
}

bool Reader::CheckAllowedRange(std::string_view keyword, std::span<const float> array, float lo,
                               float hi) {
  for (int band = static_cast<int>(Data().MinBand()); band <= static_cast<int>(Data().MaxBand());
       ++band) {
    const float v = array[band];
    if (model::IsMissing(v)) continue;
    if (!(v > lo && v <= hi)) {
      return Fatal(keyword, " data out of allowed range (" + FormatBound(lo) + " .." +
                                FormatBound(hi) + ")");
    }
  }
  return true;
}

bool Reader::CheckRealisticRange(std::string_view keyword, std::span<const float> array, float lo,
                                 float hi) {
  for (int band = static_cast<int>(Data().MinBand()); band <= static_cast<int>(Data().MaxBand());
       ++band) {
    const float v = array[band];
    if (!(v >= lo && v <= hi)) return Fatal(keyword, " some unrealstic data");
  }
  return true;
}

void Reader::WarnZeroValues(std::string_view keyword, std::span<const float> array) {
  for (const float v : array.first(std::min<std::size_t>(array.size(), 30))) {
    if (v == 0.0f) {
      WriteLine("WARNING:");
      WriteLine(" One or more zero values found for " + std::string(keyword) + ".");
      WriteLine(" If these are not actual values, but indicate missing data,");
      WriteLine(" use <nodata> instead of zero.");
      return;
    }
  }
}

// ---- Messages

void Reader::Report(std::string_view a, std::string_view b) {
  const int line = scanner_.LineNumber();
  if (line > 0) {
    char prefix[40];
    std::snprintf(prefix, sizeof prefix, "Error on line: %4d", line);
    errors_.WriteLine(prefix);
    errors_.WriteString(" ");
  }
  errors_.WriteString(a);
  errors_.WriteString(b);
  errors_.EndLine();
}

bool Reader::Fatal(std::string_view a, std::string_view b) {
  Report(a, b);
  return Fail();
}

bool Reader::Fail() {
  result_ = kReadFailed;
  return false;
}

void Reader::NonFatal(std::string_view a, std::string_view b) {
  Report(a, b);
  MarkErrors();
}

void Reader::MarkErrors() {
  if (result_ < kReadWithErrors) result_ = kReadWithErrors;
}

}  // namespace zef::textformat
