#pragma once

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "cabinet/dxf_reader.h"
#include "model/message_sink.h"
#include "view3d/scene.h"

// Drawings, parses and scene objects as plain text for case and golden files:
// parsed floats in their shortest exact form, colours as six hex digits.
namespace zef::cabinet::testing {

inline std::string Number(float v) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, v).ptr};
}

// Four decimals at most, for computed geometry.
inline std::string Rounded(float v) {
  char text[48];
  std::snprintf(text, sizeof text, "%.4f", static_cast<double>(v));
  std::string out(text);
  while (out.back() == '0') out.pop_back();
  if (out.back() == '.') out.pop_back();
  return out == "-0" ? "0" : out;
}

template <typename P>
std::string At(const P& p, std::string (*number)(float) = Number) {
  return number(p.x) + "," + number(p.y) + "," + number(p.z);
}

inline std::string Hex(std::uint32_t c) {
  char text[12];
  std::snprintf(text, sizeof text, "%06X", c);
  return text;
}

// A drawing's text from a case file: the body of its ENTITIES section unless
// it starts a section itself.
inline std::string Drawing(const std::string& field) {
  return field.starts_with("0\nSECTION") ? field : "0\nSECTION\n2\nENTITIES\n" + field;
}

inline std::string WithCrLf(std::string_view text) {
  std::string out;
  for (const char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

// "ok <lines>" or the failure text, then "e <from> <to> <colour>" per edge,
// "f <colour> <corners>" per face, "p <line>" per progress and "d <line>" per
// debug line, all joined by " ; ".
inline std::string Listing(const DxfResult& result, const DxfLists& lists,
                           const model::LineSink& progress, const model::LineSink& debug) {
  std::string out = result.ok ? "ok " + std::to_string(result.lineNumber) : result.FailureText();
  for (const model::Edge& e : lists.edges.InAddedOrder())
    out += " ; e " + At(e.first) + " " + At(e.second) + " " + Hex(e.colour);
  for (const model::Face& f : lists.faces.InAddedOrder()) {
    out += " ; f " + Hex(f.colour);
    for (const model::Point3& p : f.vertices) out += " " + At(p);
  }
  for (const std::string& line : progress.Lines()) out += " ; p " + line;
  for (const std::string& line : debug.Lines()) out += " ; d " + line;
  return out;
}

// One line per line, triangle, point and text of an object, rounded:
// "line B4B4B4 closed 0,0,0 ...", "text 000000 0,0,0.77  1 dm".
inline std::string ObjectListing(const view3d::SceneObject& object) {
  const auto At = [](view3d::Vec3 p) { return testing::At(p, Rounded); };
  std::string out;
  for (const view3d::SceneLine& l : object.lines) {
    out += "line " + Hex(l.pen.colour) + (l.closed ? " closed" : " open");
    for (const view3d::Vec3& p : l.points) out += " " + At(p);
    out += "\n";
  }
  for (const view3d::SceneTriangle& t : object.triangles) {
    out += "triangle " + Hex(t.colour) + " " + At(t.corners[0]) + " " + At(t.corners[1]) + " " +
           At(t.corners[2]) + "\n";
  }
  for (const view3d::ScenePoint& p : object.points)
    out += "point " + Hex(p.colour) + " " + At(p.at) + "\n";
  for (const view3d::SceneText& t : object.texts3d)
    out += "text " + Hex(t.colour) + " " + At(t.at) + " " + t.text + "\n";
  return out;
}

}  // namespace zef::cabinet::testing
