#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zef::model {

// A list of text lines that readers write their messages to (the error list,
// the debug list). Lines are built piece by piece and ended with EndLine.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void WriteString(std::string_view text) = 0;
  virtual void WriteNumber(std::int64_t value) = 0;
  virtual void WriteBoolean(bool value) = 0;
  virtual void EndLine() = 0;

  // A whole line at once.
  void WriteLine(std::string_view text) {
    WriteString(text);
    EndLine();
  }
};

// Keeps the lines in memory; what the command line prints and tests inspect.
class LineSink : public MessageSink {
 public:
  void WriteString(std::string_view text) override { current_ += text; }
  void WriteNumber(std::int64_t value) override { current_ += std::to_string(value); }
  void WriteBoolean(bool value) override { current_ += value ? "TRUE" : "FALSE"; }
  void EndLine() override {
    lines_.push_back(std::move(current_));
    current_.clear();
  }

  const std::vector<std::string>& Lines() const { return lines_; }
  void Clear() {
    lines_.clear();
    current_.clear();
  }

 private:
  std::vector<std::string> lines_;
  std::string current_;
};

// Discards everything.
class NullSink : public MessageSink {
 public:
  void WriteString(std::string_view) override {}
  void WriteNumber(std::int64_t) override {}
  void WriteBoolean(bool) override {}
  void EndLine() override {}
};

}  // namespace zef::model
