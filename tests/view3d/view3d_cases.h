#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "view3d/vector_math.h"

// Numbers and points as case files write them.
namespace zef::view3d::testing {

// "1 2,3 nan" -> {1, 2, 3, NaN}: numbers separated by blanks or commas; "-"
// stands for none.
inline std::vector<float> Floats(std::string text) {
  for (char& c : text) c = c == ',' ? ' ' : c;
  std::istringstream in(text);
  std::vector<float> out;
  for (std::string v; in >> v;) {
    if (v != "-") out.push_back(std::stof(v));
  }
  return out;
}

// "x,y,z x,y,z ..." -> points.
inline std::vector<Vec3> Points(const std::string& text) {
  const std::vector<float> v = Floats(text);
  std::vector<Vec3> out;
  for (std::size_t i = 0; i + 2 < v.size(); i += 3) out.push_back({v[i], v[i + 1], v[i + 2]});
  return out;
}

// A number with at most `decimals` decimals, no "-0".
inline std::string Rounded(double v, int decimals = 4) {
  char text[48];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  std::string out = text;
  while (out.find('.') != std::string::npos && (out.back() == '0' || out.back() == '.')) {
    const bool point = out.back() == '.';
    out.pop_back();
    if (point) break;
  }
  return out == "-0" ? "0" : out;
}

// "x,y,z" rounded to two decimals.
inline std::string At(Vec3 p) {
  return Rounded(p.x, 2) + "," + Rounded(p.y, 2) + "," + Rounded(p.z, 2);
}

}  // namespace zef::view3d::testing
