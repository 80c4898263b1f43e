#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zef::cli {

// Streams one JSON document into a string. Pretty output indents objects and
// arrays of containers by two spaces and keeps arrays of plain values on one
// line, so a balloon stays readable row by row.
class JsonWriter {
 public:
  explicit JsonWriter(bool pretty) : pretty_(pretty) {}

  void BeginObject() { Open('{', false); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('[', true); }
  void EndArray() { Close(']'); }
  void Key(std::string_view key);

  // The shortest text that reads back to the same 32-bit value; null when the
  // value is not finite, which JSON cannot hold.
  void Real(float value);
  void Unsigned(std::uint64_t value);
  void Bool(bool value);
  void Null();
  // 8-bit text taken as Latin-1, written as UTF-8.
  void Text(std::string_view latin1);

  void Reals(std::span<const float> values);

  const std::string& Document() const { return out_; }

 private:
  struct Level {
    bool isArray;
    int count = 0;
    bool holdsContainer = false;
  };
  void BeforeValue(bool container);
  void Open(char bracket, bool isArray);
  void Close(char bracket);
  void NewLine(std::size_t depth);

  bool pretty_;
  std::string out_;
  std::vector<Level> levels_;
};

}  // namespace zef::cli
