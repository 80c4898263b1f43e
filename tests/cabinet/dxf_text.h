#pragma once

#include <charconv>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cabinet/dxf_reader.h"
#include "model/message_sink.h"

namespace zef::model {
inline void PrintTo(const Point3& p, std::ostream* os) {
  *os << '(' << p.x << ", " << p.y << ", " << p.z << ')';
}
inline void PrintTo(const Edge& e, std::ostream* os) {
  PrintTo(e.first, os), PrintTo(e.second, os);
  *os << " #" << std::hex << e.colour << std::dec;
}
inline void PrintTo(const Face& f, std::ostream* os) {
  *os << "face #" << std::hex << f.colour << std::dec << ':';
  for (const Point3& p : f.vertices) PrintTo(p, os);
}
}  // namespace zef::model

namespace zef::cabinet::testing {

// Drawing text written group by group, the codes right-aligned in three
// columns as AutoCAD writes them.
class DxfText {
 public:
  explicit DxfText(std::string_view lineEnd = "\r\n") : lineEnd_(lineEnd) {}

  DxfText& operator()(int code, std::string_view value) {
    const std::string number = std::to_string(code);
    text_ += std::string(number.size() < 3 ? 3 - number.size() : 0, ' ') + number + lineEnd_;
    text_ += std::string(value) + lineEnd_;
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
  DxfText& Raw(std::string_view lines) {
    text_ += lines;
    return *this;
  }

  const std::string& Text() const { return text_; }

 private:
  std::string lineEnd_;
  std::string text_;
};

// A drawing of only an ENTITIES section holding what `entities` writes.
inline std::string Entities(const std::function<void(DxfText&)>& entities,
                            std::string_view lineEnd = "\r\n") {
  DxfText dxf(lineEnd);
  dxf(0, "SECTION")(2, "ENTITIES");
  entities(dxf);
  dxf(0, "ENDSEC")(0, "EOF");
  return dxf.Text();
}

struct Parsed {
  DxfResult result;
  DxfLists lists;
  std::vector<std::string> progress;
  std::vector<std::string> debug;

  std::vector<model::Edge> Edges() const { return lists.edges.InAddedOrder(); }
  std::vector<model::Face> Faces() const { return lists.faces.InAddedOrder(); }
};

inline Parsed Parse(std::string_view text, const DxfOptions& options = {}) {
  Parsed parsed;
  model::LineSink progress, debug;
  parsed.result = ParseDxf(text, options, &progress, parsed.lists, &debug);
  parsed.progress = progress.Lines();
  parsed.debug = debug.Lines();
  return parsed;
}

inline model::Face MakeFace(std::uint32_t colour, std::vector<model::Point3> vertices) {
  return model::Face{std::move(vertices), colour};
}

}  // namespace zef::cabinet::testing
