#include "cabinet/dxf_groups.h"

#include "cabinet/dxf_numbers.h"

namespace zef::cabinet {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view line) {
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return line;
}

}  // namespace

bool GroupReader::ReadLine(std::string& into) {
  std::string_view line;
  if (!lines_.Next(line)) return false;
  ++lineCount_;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() > kMaxDxfLine) return false;
  into.assign(Trimmed(line));
  for (char& c : into) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return true;
}

bool GroupReader::Next() {
  if (!ReadLine(codeLine_) || !ReadLine(value_)) return false;
  return ParseDxfWhole(codeLine_, code_);
}

}  // namespace zef::cabinet
