#include "textformat/cabinet_shapes.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "model/regular_file.h"
#include "textformat/companion_file.h"

namespace zef::textformat {
namespace {

using model::Point3;

constexpr std::string_view kEdgeValues = "Cabinet edge";
constexpr std::string_view kFaceValues = "Cabinet face";
constexpr std::string_view kOriginValues = "Cabinet origin";
constexpr std::string_view kUnitNames[6] = {"<MM>", "<CM>", "<DM>", "<M>", "<INCHES>", "<FEET>"};

bool Fatal(Reader& r, std::string_view text) {
  return r.Fatal(kCabinetKeyword, text);
}

// True when the first of every pair of values lies below the second.
bool PairsAscend(std::span<const float> values) {
  for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
    if (!(values[i] < values[i + 1])) return false;
  }
  return true;
}

void SetTransform(Reader& r, float scale, const float (&origin)[3]) {
  r.Set().cabinet.transform.Set(scale, {origin[0], origin[1], origin[2]}, r.Info().onAxisCode,
                                r.Info().upCode);
}

// The value after the origin token: three values by the per-band rule.
bool ReadOrigin(Reader& r, std::string_view tokenMissing, float (&origin)[3]) {
  if (!r.NextValue()) return Fatal(r, tokenMissing);
  return r.ReadValuesInto(kOriginValues, origin, 0, 2);
}

struct CountTexts {
  std::string_view missing;
  std::string_view illegal;
  std::string_view zero;  // empty when a count of 0 is allowed
};

bool ReadCount(Reader& r, const CountTexts& texts, std::uint32_t& count) {
  if (!r.NextValue()) return Fatal(r, texts.missing);
  if (!r.ToUnsigned(count)) return Fatal(r, texts.illegal);
  if (count == 0 && !texts.zero.empty()) return Fatal(r, texts.zero);
  return true;
}

constexpr CountTexts kEdgeCount{" edge count expected", " illegal edge count ", " edge count = 0"};
constexpr CountTexts kFaceEdgeCount{" edge count expected", " illegal edge count ", {}};
constexpr CountTexts kFaceCount{" face count expected", " illegal face count", " face count = 0"};

// ---- Data lines

// y and z of a point whose x stands under the cursor.
bool ReadPointHere(Reader& r, std::string_view name, Point3& p) {
  if (!r.ToReal(p.x)) return r.Fail();
  for (float* v : {&p.y, &p.z}) {
    if (!r.NextValue()) return r.Fatal(name, " data field missing");
    if (!r.ToReal(*v)) return r.Fail();
  }
  return true;
}

bool ReadPoint(Reader& r, std::string_view name, Point3& p) {
  if (!r.NextValue()) return r.Fatal(name, " data field missing");
  return ReadPointHere(r, name, p);
}

// The three colour values after "<RGB>", packed as 0x00BBGGRR.
bool ReadRgb(Reader& r, std::uint32_t& colour) {
  static constexpr std::pair<std::string_view, int> kParts[] = {
      {"red", 0}, {"green", 8}, {"blue", 16}};
  colour = 0;
  for (const auto& [name, shift] : kParts) {
    const std::string part = "<RGB> " + std::string(name);
    std::uint32_t value = 0;
    if (!r.NextValue() || !r.ToUnsigned(value)) return Fatal(r, part + " expected");
    if (value > 255) return Fatal(r, part + " out of range");
    colour |= value << shift;
  }
  return true;
}

// `count` edge lines; a line without values counts but adds nothing.
bool ReadEdgeLines(Reader& r, std::uint32_t count, model::NodeList<model::Edge>& list) {
  for (std::uint32_t i = 0; i < count; ++i) {
    if (!r.ReadDataLine()) return false;
    if (r.ValueCount() == 0) continue;
    Point3 first;
    Point3 second;
    std::uint32_t colour = 0;
    if (!ReadPoint(r, kEdgeValues, first) || !ReadPoint(r, kEdgeValues, second)) return false;
    if (!r.NextValue() || !r.ValueIs("<RGB>")) return Fatal(r, " edge <RGB> expected");
    if (!ReadRgb(r, colour)) return false;
    r.Set().cabinet.AddEdge(list, colour, second, first);
  }
  return true;
}

// `count` face lines: vertices of three values up to the first value that
// begins with "<", then the colour.
bool ReadFaceLines(Reader& r, std::uint32_t count) {
  model::CabinetGeometry& cabinet = r.Set().cabinet;
  for (std::uint32_t i = 0; i < count; ++i) {
    if (!r.ReadDataLine()) return false;
    if (!r.NextValue()) continue;
    model::Face face = model::CabinetGeometry::BeginFace();
    do {
      Point3 p;
      if (!ReadPointHere(r, kFaceValues, p)) return false;
      cabinet.AddVertex(p, face);
    } while (r.NextValue() && !r.Value().starts_with('<'));
    if (!r.ValueIs("<RGB>")) return Fatal(r, " face <RGB> expected");
    if (!ReadRgb(r, face.colour)) return false;
    model::CabinetGeometry::AddFace(std::move(face), cabinet.faces);
  }
  return true;
}

// ---- Shapes; each starts with the cursor on its shape token.

bool ReadRectangular(Reader& r) {
  float v[6];  // x1 x2 y1 y2 z1 z2
  if (!r.ReadValuesInto("Rectangular cabinet", v, 0, 5)) return false;
  if (!PairsAscend(v)) return Fatal(r, "<RECTANGULAR>impossible dimensions");
  const float corners[6] = {v[0], v[2], v[4], v[1], v[3], v[5]};
  std::copy(std::begin(corners), std::end(corners), r.Info().rectangular);
  return true;
}

bool ReadTrapezoidal(Reader& r) {
  float* values = r.Info().trapezoidal;
  if (!r.ReadValuesInto("Trapezoidal cabinet", {values, 10}, 0, 9)) return false;
  if (!PairsAscend({values, 10})) return Fatal(r, "<TRAPEZOIDAL>impossible dimensions");
  return true;
}

bool ReadEdges(Reader& r) {
  std::uint32_t count = 0;
  float origin[3];
  if (!ReadCount(r, kEdgeCount, count) || !ReadOrigin(r, " <ORIGIN> expected", origin)) {
    return false;
  }
  SetTransform(r, 1.0f, origin);
  return ReadEdgeLines(r, count, r.Set().cabinet.edges);
}

bool ReadFaces(Reader& r) {
  std::uint32_t faceCount = 0;
  std::uint32_t edgeCount = 0;
  float origin[3];
  if (!ReadCount(r, kFaceCount, faceCount)) return false;
  if (!r.NextValue() || !r.ValueIs("<EDGES>")) return Fatal(r, " <EDGES> expected");
  if (!ReadCount(r, kFaceEdgeCount, edgeCount) || !ReadOrigin(r, " <ORIGIN> expected", origin)) {
    return false;
  }
  SetTransform(r, 1.0f, origin);
  return ReadFaceLines(r, faceCount) && ReadEdgeLines(r, edgeCount, r.Set().cabinet.faceEdges);
}

// Loads the named drawing into the set; it is parsed when the cabinet is drawn.
bool LoadDxf(Reader& r) {
  model::CabinetGeometry& cabinet = r.Set().cabinet;
  cabinet.dxfFile = {};
  if (!r.NextValue()) return Fatal(r, " <DXF> file expected");
  if (!model::EndsWithIgnoringCase(r.Value(), ".DXF")) {
    return Fatal(r, " <DXF> file type not supported.");
  }
  const std::filesystem::path path = ResolveCompanion(r.SourcePath(), r.Value());
  cabinet.dxfPath = path.string();
  std::vector<std::uint8_t> bytes;
  switch (model::ReadRegularFile(path, model::kMaxDxfFileSize, bytes)) {
    case model::OpenStatus::Ok:
      break;
    case model::OpenStatus::OpenFailed:
      return Fatal(r, " <DXF> failed to read file.");
    case model::OpenStatus::NotRegular:
      return Fatal(r, " <DXF> is not a regular file");
    case model::OpenStatus::TooLarge:
      return Fatal(r, " <DXF> size is > 500kB");
    case model::OpenStatus::ShortRead:
      return Fatal(r, " read size error");
  }
  cabinet.dxfFile.kind = model::EmbeddedKind::Dxf;
  cabinet.dxfFile.bytes = std::move(bytes);
  return true;
}

bool ReadDxf(Reader& r) {
  if (!LoadDxf(r)) return false;
  model::InfoRecord& info = r.Info();
  if (!r.NextValue() || !r.ValueIs("<UNIT>")) return Fatal(r, " <DXF> <UNIT> missing");
  if (!r.NextValue()) return Fatal(r, " <DXF> <UNIT> value missing");
  std::uint32_t unit = 0;
  while (unit < 6 && !r.ValueIs(kUnitNames[unit])) ++unit;
  if (unit == 6) return Fatal(r, " illegal <DXF> <UNIT>");
  info.dxfUnit = unit;
  if (!ReadOrigin(r, " <DXF> <ORIGIN> expected", info.dxfOrigin)) return false;
  SetTransform(r, model::kUnitLength[unit], info.dxfOrigin);
  return true;
}

struct Shape {
  std::string_view token;
  std::uint32_t flag;
  bool (*read)(Reader&);
};

constexpr Shape kShapes[] = {
    {"<RECTANGULAR>", model::cabinet_flag::kRectangular, ReadRectangular},
    {"<TRAPEZOIDAL>", model::cabinet_flag::kTrapezoidal, ReadTrapezoidal},
    {"<EDGES>", model::cabinet_flag::kEdges, ReadEdges},
    {"<FACES>", model::cabinet_flag::kFaces, ReadFaces},
    {"<DXF>", model::cabinet_flag::kDxf, ReadDxf},
};

}  // namespace

bool ReadCabinetShape(Reader& r) {
  if (!r.NextValue()) return true;
  std::uint32_t& flags = r.Info().cabinetFlags;
  for (const Shape& shape : kShapes) {
    if (!r.ValueIs(shape.token)) continue;
    if ((flags & shape.flag) != 0) return Fatal(r, " type already given");
    if (!shape.read(r)) return false;
    flags |= shape.flag;
    return true;
  }
  return Fatal(r, " <EDGES>, <FACES> or <DXF> expected");
}

}  // namespace zef::textformat
