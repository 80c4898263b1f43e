#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "view3d/vector_math.h"

// Numbers and points as case files write them.
namespace zef::view3d::testing {

// "1 2,3" -> {1, 2, 3}: numbers separated by blanks or commas.
inline std::vector<float> Floats(std::string text) {
  for (char& c : text) c = c == ',' ? ' ' : c;
  std::istringstream in(text);
  std::vector<float> out;
  for (float v; in >> v;) out.push_back(v);
  return out;
}

inline std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> out;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    out.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return out;
    start = end + separator.size();
  }
}

// "x,y,z x,y,z ..." -> points.
inline std::vector<Vec3> Points(const std::string& text) {
  const std::vector<float> v = Floats(text);
  std::vector<Vec3> out;
  for (std::size_t i = 0; i + 2 < v.size(); i += 3) out.push_back({v[i], v[i + 1], v[i + 2]});
  return out;
}

// "x,y,z" rounded to two decimals.
inline std::string At(Vec3 p) {
  std::string out;
  for (const float v : {p.x, p.y, p.z}) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(v));
    out += (out.empty() ? "" : ",") + std::string(text == std::string("-0.00") ? text + 1 : text);
  }
  return out;
}

}  // namespace zef::view3d::testing
