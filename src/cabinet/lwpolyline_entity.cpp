#include <optional>
#include <vector>

#include "cabinet/dxf_colour.h"
#include "cabinet/dxf_messages.h"
#include "cabinet/edge_chain.h"
#include "cabinet/entity_readers.h"

namespace zef::cabinet {
namespace {

constexpr std::int32_t kClosed = 1;

struct LwPolyline {
  std::int32_t flags = 0;
  double elevation = 0;
  Vec3 extrusion{0, 0, 1};
  std::uint32_t colour = kDefaultEntityColour;
  double x = 0;                // of the vertex whose y comes next
  std::vector<Vec3> vertices;  // in the object system, z still to come
};

bool ReadGroup(DxfParse& parse, LwPolyline& line) {
  if (const int axis = ExtrusionAxis(parse.Code()); axis >= 0) {
    return parse.Real(Component(line.extrusion, axis), message::kBadLwPolylineExtrusion);
  }
  double unused = 0;
  switch (parse.Code()) {
    case 70:
      line.flags = parse.Flags();
      return true;
    case 38:
      return parse.Real(line.elevation, message::kBadLwPolylineElevation);
    case 30:
      return parse.Real(unused, message::kBadElevation);
    case 62:
      line.colour = parse.Colour();
      return true;
    case 10:
      return parse.Real(line.x, message::kBadLwPolylineVertex);
    case 20: {
      double y = 0;
      if (!parse.Real(y, message::kBadLwPolylineVertex)) return false;
      line.vertices.push_back({line.x, y, 0});
      return true;
    }
    default:
      return true;
  }
}

}  // namespace

// CAD programs write the extrusion direction after the vertices, so the
// vertices wait for the whole entity before they are placed.
bool ReadLwPolylineEntity(DxfParse& parse) {
  LwPolyline line;
  if (!parse.ReadEntityGroups(message::kBadLwPolyline,
                              [&](std::int32_t) { return ReadGroup(parse, line); })) {
    return false;
  }
  if (line.vertices.empty()) return true;
  const std::optional<ObjectFrame> frame = ObjectFrame::FromExtrusion(line.extrusion);
  if (!frame) return parse.FailUnexpected();
  EdgeChain chain(parse, line.colour);
  for (const Vec3& v : line.vertices) chain.Add(frame->ToWorld({v.x, v.y, line.elevation}));
  if (line.flags & kClosed) chain.Close();
  return true;
}

}  // namespace zef::cabinet
