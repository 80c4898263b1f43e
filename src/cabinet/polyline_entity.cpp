#include <array>
#include <cstdlib>
#include <optional>
#include <vector>

#include "cabinet/dxf_colour.h"
#include "cabinet/dxf_messages.h"
#include "cabinet/edge_chain.h"
#include "cabinet/entity_readers.h"

namespace zef::cabinet {
namespace {

// Bits of a POLYLINE's group 70.
constexpr std::int32_t kClosed = 1;
constexpr std::int32_t k3dPolyline = 8;
constexpr std::int32_t kPolyfaceMesh = 64;
// A polyface VERTEX whose group 70 masked so is a face record.
constexpr std::int32_t kFaceRecordMask = 0xC0;
constexpr std::int32_t kFaceRecord = 0x80;

struct PolylineHeader {
  std::int32_t flags = 0;
  Vec3 extrusion{0, 0, 1};
  double elevation = 0;
  std::uint32_t colour = kDefaultEntityColour;
};

bool ReadHeaderGroup(DxfParse& parse, PolylineHeader& header) {
  if (const int axis = ExtrusionAxis(parse.Code()); axis >= 0) {
    return parse.Real(Component(header.extrusion, axis), message::kBadPolylineExtrusion);
  }
  switch (parse.Code()) {
    case 70:
      header.flags = parse.Flags();
      return true;
    case 30:
      return parse.Real(header.elevation, message::kBadElevation);
    case 62:
      header.colour = parse.Colour();
      return true;
    default:
      return true;
  }
}

// The header runs to the first VERTEX; other code-0 groups before it are read past.
bool ReadHeader(DxfParse& parse, PolylineHeader& header) {
  while (true) {
    if (!parse.Next(message::kFirstVertexMissing)) return false;
    if (parse.Code() == 0) {
      if (parse.ValueIs("VERTEX")) return true;
    } else if (!ReadHeaderGroup(parse, header)) {
      return false;
    }
  }
}

// Reads VERTEX after VERTEX, `readGroup(code)` taking their groups and
// `endVertex()` each finished vertex. Stops at SEQEND or any other code-0 group.
template <typename ReadGroup, typename EndVertex>
bool ReadVertices(DxfParse& parse, ReadGroup&& readGroup, EndVertex&& endVertex) {
  while (parse.ValueIs("VERTEX")) {
    if (!parse.ReadEntityGroups(message::kBadVertexSection, readGroup) || !endVertex()) {
      return false;
    }
  }
  return true;
}

// The groups of SEQEND, when the vertices ended with one.
bool FinishSequence(DxfParse& parse) {
  if (!parse.ValueIs("SEQEND")) return true;
  return parse.ReadEntityGroups(message::kBadPolylineSection, [](std::int32_t) { return true; });
}

// 3D polylines and closed 2D ones, whose vertices lie in the object system
// of `frame` at the polyline's elevation. A coordinate a vertex leaves out
// keeps the value of the vertex before.
bool ReadEdgeVertices(DxfParse& parse, const PolylineHeader& header, const ObjectFrame* frame) {
  EdgeChain chain(parse, header.colour);
  Vec3 point;
  const auto readGroup = [&](std::int32_t code) {
    int unused = 0;
    const int axis = CoordinateAxis(code, 1, unused);
    return axis < 0 || parse.Real(Component(point, axis), message::kBadVertexCoordinate);
  };
  const auto endVertex = [&] {
    chain.Add(frame ? frame->ToWorld({point.x, point.y, header.elevation}) : point);
    return true;
  };
  if (!ReadVertices(parse, readGroup, endVertex)) return false;
  if (header.flags & kClosed) chain.Close();
  return FinishSequence(parse);
}

struct PolyfaceState {
  std::vector<Vec3> vertices;  // numbered from 1
  Vec3 point;
  std::int32_t flags = 0;
  std::array<std::int32_t, 4> numbers{};  // groups 71 to 74
  std::uint32_t colour = kDefaultEntityColour;
  bool faceRecords = false;
};

bool ReadPolyfaceGroup(DxfParse& parse, PolyfaceState& mesh, std::int32_t code) {
  int unused = 0;
  if (const int axis = CoordinateAxis(code, 1, unused); axis >= 0) {
    return parse.Real(Component(mesh.point, axis), message::kBadVertexCoordinate);
  }
  if (code == 70) return parse.Whole(mesh.flags, message::kBadVertexFlag);
  if (code >= 71 && code <= 74) {
    return parse.Whole(mesh.numbers[code - 71], message::kBadPolyfaceIndex);
  }
  if (code == 62) mesh.colour = parse.Colour();
  return true;
}

// A face of up to four numbered vertices; a negative number marks an
// invisible side and names the same vertex.
bool AddPolyfaceFace(DxfParse& parse, PolyfaceState& mesh) {
  std::array<Vec3, 4> corners;
  std::size_t count = 0;
  for (const std::int32_t number : mesh.numbers) {
    if (number == 0) break;
    const std::uint64_t index = static_cast<std::uint64_t>(std::llabs(number));
    if (index > mesh.vertices.size()) return parse.Fail(message::kPolyfaceIndexNotFound);
    corners[count++] = mesh.vertices[index - 1];
  }
  parse.AddFace(std::span<const Vec3>(corners.data(), count), mesh.colour);
  mesh.numbers[3] = 0;
  return true;
}

bool ReadPolyfaceMesh(DxfParse& parse) {
  PolyfaceState mesh;
  const auto readGroup = [&](std::int32_t code) { return ReadPolyfaceGroup(parse, mesh, code); };
  const auto endVertex = [&] {
    const std::int32_t flags = mesh.flags;
    mesh.flags = 0;
    if ((flags & kFaceRecordMask) == kFaceRecord) mesh.faceRecords = true;
    if (mesh.faceRecords) return AddPolyfaceFace(parse, mesh);
    mesh.vertices.push_back(mesh.point);
    return true;
  };
  return ReadVertices(parse, readGroup, endVertex) && FinishSequence(parse);
}

bool SkipVertices(DxfParse& parse) {
  return ReadVertices(
             parse, [](std::int32_t) { return true; }, [] { return true; }) &&
         FinishSequence(parse);
}

}  // namespace

bool ReadPolylineEntity(DxfParse& parse) {
  const std::uint64_t line = parse.Groups().LineCount();
  PolylineHeader header;
  if (!ReadHeader(parse, header)) return false;
  if (header.flags & k3dPolyline) {
    parse.Progress("POLYLINE 3D", line);
    return ReadEdgeVertices(parse, header, nullptr);
  }
  if (header.flags & kPolyfaceMesh) {
    parse.Progress("POLYLINE polyface mesh", line);
    return ReadPolyfaceMesh(parse);
  }
  if (header.flags & kClosed) {
    parse.Progress("POLYLINE 2D", line);
    const std::optional<ObjectFrame> frame = ObjectFrame::FromExtrusion(header.extrusion);
    if (!frame) return parse.FailUnexpected();
    return ReadEdgeVertices(parse, header, &*frame);
  }
  parse.Progress("POLYLINE", line);
  return SkipVertices(parse);
}

}  // namespace zef::cabinet
