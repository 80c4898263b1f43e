#include "cli/json_writer.h"

#include <charconv>
#include <cmath>

namespace zef::cli {
namespace {

void AppendEscaped(std::string& out, unsigned char c) {
  switch (c) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  if (c < 0x20) {
    constexpr char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[c >> 4];
    out += kHex[c & 0xF];
  } else if (c < 0x80) {
    out += static_cast<char>(c);
  } else {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

void JsonWriter::NewLine(std::size_t depth) {
  out_ += '\n';
  out_.append(depth * 2, ' ');
}

void JsonWriter::BeforeValue(bool container) {
  if (levels_.empty() || !levels_.back().isArray) return;  // a key or the document went first
  Level& level = levels_.back();
  if (level.count > 0) out_ += ',';
  if (pretty_ && container) {
    NewLine(levels_.size());
    level.holdsContainer = true;
  } else if (pretty_ && level.count > 0) {
    out_ += ' ';
  }
  ++level.count;
}

void JsonWriter::Open(char bracket, bool isArray) {
  BeforeValue(true);
  out_ += bracket;
  levels_.push_back(Level{isArray});
}

void JsonWriter::Close(char bracket) {
  const Level level = levels_.back();
  levels_.pop_back();
  const bool brokenOver = level.isArray ? level.holdsContainer : level.count > 0;
  if (pretty_ && brokenOver) NewLine(levels_.size());
  out_ += bracket;
}

void JsonWriter::Key(std::string_view key) {
  Level& level = levels_.back();
  if (level.count > 0) out_ += ',';
  if (pretty_) NewLine(levels_.size());
  ++level.count;
  out_ += '"';
  out_ += key;
  out_ += pretty_ ? "\": " : "\":";
}

void JsonWriter::Real(float value) {
  if (!std::isfinite(value)) return Null();
  BeforeValue(false);
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  out_.append(text, end);
}

void JsonWriter::Unsigned(std::uint64_t value) {
  BeforeValue(false);
  out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
  BeforeValue(false);
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue(false);
  out_ += "null";
}

void JsonWriter::Text(std::string_view latin1) {
  BeforeValue(false);
  out_ += '"';
  for (const char c : latin1) AppendEscaped(out_, static_cast<unsigned char>(c));
  out_ += '"';
}

void JsonWriter::Reals(std::span<const float> values) {
  BeginArray();
  for (const float v : values) Real(v);
  EndArray();
}

}  // namespace zef::cli
