#include "textformat/line_scanner.h"

#include <cstring>

#include "model/fixed_text.h"

namespace zef::textformat {
namespace {

constexpr int kCr = 13;
constexpr int kTab = 9;

std::string_view Trim(std::string_view field) {
  while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
  while (!field.empty() && field.back() == ' ') field.remove_suffix(1);
  return field;
}

}  // namespace

LineScanner::LineScanner(std::string_view text) : text_(text) {
  if (const void* eof = std::memchr(text.data(), 26, text.size())) {
    text_ = text.substr(0, static_cast<const char*>(eof) - text.data());
  }
  values_.reserve(64);
}

LineScanner::FirstLine LineScanner::ReadFirstLine(std::string& tag) {
  int c = Get();
  while (c == ' ') c = Get();
  if (c < 0) return FirstLine::EndOfFile;
  if (c != '<') return FirstLine::NoTag;
  tag.assign(1, '<');
  while (tag.size() < 6) {
    c = Get();
    if (c < 0) return FirstLine::EndOfFile;
    tag += model::UpperAscii(static_cast<char>(c));
    if (c == '>') break;
  }
  if (tag != "<ZEF1>" && tag != "<ZEF2>") return FirstLine::NoTag;
  do {
    c = Get();
    if (c < 0) return FirstLine::EndOfFile;
    // A line feed without its CR is the common case worth naming.
    if (c == '\n') return FirstLine::NotCrLf;
  } while (c != kCr);
  c = Get();
  if (c < 0) return FirstLine::EndOfFile;
  return c == '\n' ? FirstLine::Ok : FirstLine::NotCrLf;
}

bool LineScanner::SkipLine() {
  const void* cr = std::memchr(text_.data() + pos_, kCr, text_.size() - pos_);
  if (cr == nullptr) {
    pos_ = text_.size();
    return false;
  }
  pos_ = static_cast<const char*>(cr) - text_.data() + 1;
  TakeLineFeed();
  return true;
}

void LineScanner::FinishOpenLine() {
  if (lineOpen_) {
    SkipLine();
    lineOpen_ = false;
  }
}

void LineScanner::PutBackKeyword() {
  keywordPutBack_ = true;
  pos_ = keywordEnd_;
  lineOpen_ = true;
}

LineScanner::Status LineScanner::ReadKeyword() {
  values_.clear();
  if (keywordPutBack_) {
    keywordPutBack_ = false;
    return Status::Ok;
  }
  FinishOpenLine();
  keyword_.clear();
  for (;;) {
    ++line_;
    int c = Get();
    while (c == ' ') c = Get();
    if (c < 0) return Status::EndOfFile;
    if (c == '#' || c == kTab) {
      if (!SkipLine()) return Status::EndOfFile;
      continue;
    }
    if (c == kCr) {
      TakeLineFeed();
      continue;
    }
    if (c != '<') {
      --pos_;  // leave the line to be skipped by the next read
      lineOpen_ = true;
      return Status::NotKeyword;
    }
    break;
  }
  keyword_.assign(1, '<');
  lineOpen_ = true;
  for (;;) {
    const int c = Get();
    if (c < 0) return Status::EndOfFile;
    if (c == kCr) {
      --pos_;
      return Status::NotKeyword;
    }
    if (keyword_.size() >= kMaxField) return Status::NotKeyword;
    keyword_ += model::UpperAscii(static_cast<char>(c));
    if (c == '>') {
      keywordEnd_ = pos_;
      return Status::Ok;
    }
  }
}

LineScanner::Status LineScanner::ReadValues() {
  values_.clear();
  for (;;) {
    const int c = Get();
    if (c < 0) return Status::EndOfFile;
    if (c == kCr) {
      TakeLineFeed();
      lineOpen_ = false;
      return Status::NoValues;
    }
    if (c == kTab) break;
  }
  return ReadFields();
}

LineScanner::Status LineScanner::ReadDataLine() {
  FinishOpenLine();
  values_.clear();
  keyword_.clear();
  ++line_;
  lineOpen_ = true;
  return ReadFields();
}

LineScanner::Status LineScanner::ReadFields() {
  for (;;) {
    const std::size_t start = pos_;
    std::size_t end = start;
    while (end < text_.size() && text_[end] != kTab && text_[end] != kCr) ++end;
    if (end == text_.size()) {
      pos_ = end;
      values_.clear();
      return Status::EndOfFile;
    }
    std::string_view field = text_.substr(start, end - start);
    if (field.size() > kMaxField) field = field.substr(0, kMaxField);
    field = Trim(field);
    pos_ = end + 1;
    if (field.empty() || field.front() == '#') {
      // An empty field or a comment ends the line.
      if (text_[end] == kTab && !SkipLine()) {
        return Status::EndOfFile;
      }
      if (text_[end] == kCr) TakeLineFeed();
      lineOpen_ = false;
      return Status::Ok;
    }
    values_.push_back(field);
    if (text_[end] == kCr) {
      TakeLineFeed();
      lineOpen_ = false;
      return Status::Ok;
    }
  }
}

}  // namespace zef::textformat
