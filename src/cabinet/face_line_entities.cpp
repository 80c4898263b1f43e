#include <array>
#include <optional>

#include "cabinet/dxf_colour.h"
#include "cabinet/dxf_messages.h"
#include "cabinet/entity_readers.h"

namespace zef::cabinet {
namespace {

// Invisible-edge bits of a 3DFACE's group 70.
constexpr std::int32_t kHideFirst = 1;
constexpr std::int32_t kHideSecond = 2;
constexpr std::int32_t kHideThird = 4;
constexpr std::int32_t kHideFourth = 8;

struct FaceGroups {
  std::array<Vec3, 4> corners{};
  std::array<bool, 3> fourthGiven{};  // x, y, z of corner 4
  std::uint32_t colour = kDefaultEntityColour;
  std::optional<std::int32_t> flags;
};

bool ReadFaceGroup(DxfParse& parse, FaceGroups& face) {
  const std::int32_t code = parse.Code();
  int corner = 0;
  if (const int axis = CoordinateAxis(code, 4, corner); axis >= 0) {
    if (corner == 3) face.fourthGiven[axis] = true;
    return parse.Real(Component(face.corners[corner], axis), message::kBad3dFaceCoordinate);
  }
  if (code == 62) face.colour = parse.Colour();
  if (code == 70) face.flags = parse.Flags();
  return true;
}

// Black edges along the sides the flags leave visible.
void AddVisibleSides(DxfParse& parse, const std::array<Vec3, 4>& c, bool fourCorners,
                     std::int32_t flags) {
  if (!(flags & kHideFirst)) parse.AddEdge(0, c[0], c[1]);
  if (!(flags & kHideSecond)) parse.AddEdge(0, c[1], c[2]);
  if (!fourCorners) {
    if (!(flags & kHideThird)) parse.AddEdge(0, c[2], c[0]);
    return;
  }
  if (!(flags & kHideThird)) parse.AddEdge(0, c[2], c[3]);
  if (!(flags & kHideFourth)) parse.AddEdge(0, c[3], c[0]);
}

}  // namespace

bool ReadFaceEntity(DxfParse& parse) {
  FaceGroups face;
  if (!parse.ReadEntityGroups(message::kBad3dFaceSection,
                              [&](std::int32_t) { return ReadFaceGroup(parse, face); })) {
    return false;
  }
  auto& c = face.corners;
  // A fourth corner left out is the third one, as for a triangle.
  for (int axis = 0; axis < 3; ++axis) {
    if (!face.fourthGiven[axis]) Component(c[3], axis) = Component(c[2], axis);
  }
  const bool fourCorners = c[3] != c[2];
  parse.AddFace(std::span<const Vec3>(c.data(), fourCorners ? 4 : 3), face.colour);
  if (face.flags) AddVisibleSides(parse, c, fourCorners, *face.flags);
  return true;
}

bool ReadLineEntity(DxfParse& parse) {
  std::array<Vec3, 2> ends{};
  bool given = false;
  std::uint32_t colour = kDefaultEntityColour;
  const bool read = parse.ReadEntityGroups(message::kBadLineSection, [&](std::int32_t code) {
    int end = 0;
    if (const int axis = CoordinateAxis(code, 2, end); axis >= 0) {
      given = true;
      return parse.Real(Component(ends[end], axis), message::kBadLineCoordinate);
    }
    if (code == 62) colour = parse.Colour();
    return true;
  });
  if (!read) return false;
  if (given) parse.AddEdge(colour, ends[0], ends[1]);
  return true;
}

bool SkipEntity(DxfParse& parse) {
  return parse.ReadEntityGroups(message::kBadSkippedEntity, [](std::int32_t) { return true; });
}

}  // namespace zef::cabinet
