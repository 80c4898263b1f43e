#pragma once

#include <algorithm>
#include <charconv>
#include <functional>
#include <string>
#include <string_view>

// Drawing text written group by group, for tests that need a drawing file:
// the codes right-aligned in three columns as AutoCAD writes them, CR LF line ends.
namespace zef::cabinet::testing {

class DxfText {
 public:
  DxfText& operator()(int code, std::string_view value) {
    const std::string number = std::to_string(code);
    text_ += std::string(3 - std::min<std::size_t>(number.size(), 3), ' ') + number + "\r\n";
    text_ += std::string(value) + "\r\n";
    return *this;
  }
  DxfText& operator()(int code, double value) {
    char number[32];
    const auto end = std::to_chars(number, number + sizeof number, value).ptr;
    return (*this)(code, std::string_view(number, static_cast<std::size_t>(end - number)));
  }
  // Codes first, first + 10 and first + 20.
  DxfText& Point(int first, double x, double y, double z) {
    return (*this)(first, x)(first + 10, y)(first + 20, z);
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// A drawing of only an ENTITIES section holding what `entities` writes.
inline std::string Entities(const std::function<void(DxfText&)>& entities) {
  DxfText dxf;
  dxf(0, "SECTION")(2, "ENTITIES");
  entities(dxf);
  dxf(0, "ENDSEC")(0, "EOF");
  return dxf.Text();
}

}  // namespace zef::cabinet::testing
