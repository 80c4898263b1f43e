#pragma once

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "view3d/scene.h"

namespace zef::cabinet::testing {

inline std::string Number(float v) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, v).ptr};
}

inline std::string At(view3d::Vec3 p) {
  return Number(p.x) + "," + Number(p.y) + "," + Number(p.z);
}

inline std::string Hex(view3d::Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c));
  return text;
}

// An object as lines of text: "line B4B4B4 closed 0,0,0 ...", "triangle ...",
// "point ...", "text 000000 0,0,0.77  1 dm", for exact comparisons.
inline std::vector<std::string> ObjectLines(const view3d::SceneObject& object) {
  std::vector<std::string> lines;
  for (const view3d::SceneLine& l : object.lines) {
    std::string line = "line " + Hex(l.pen.colour) + (l.closed ? " closed" : " open");
    for (const view3d::Vec3& p : l.points) line += " " + At(p);
    lines.push_back(line);
  }
  for (const view3d::SceneTriangle& t : object.triangles) {
    lines.push_back("triangle " + Hex(t.colour) + " " + At(t.corners[0]) + " " + At(t.corners[1]) +
                    " " + At(t.corners[2]));
  }
  for (const view3d::ScenePoint& p : object.points) {
    lines.push_back("point " + Hex(p.colour) + " " + At(p.at));
  }
  for (const view3d::SceneText& t : object.texts3d) {
    lines.push_back("text " + Hex(t.colour) + " " + At(t.at) + " " + t.text);
  }
  return lines;
}

}  // namespace zef::cabinet::testing
