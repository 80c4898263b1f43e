#include "cabinet/cabinet_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "cabinet/dxf_messages.h"
#include "cabinet/filled_face.h"
#include "model/fixed_text.h"

namespace zef::cabinet {
namespace {

using model::Point3;
using view3d::Colour;
using view3d::Scene;
using view3d::Vec3;

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kBlack = 0;
constexpr Vec3 kMessageAt{0, 0, 0.5f};
constexpr std::size_t kMrTextLength = 50;
constexpr float kMrLineBelow = 0.06f;

Vec3 ToVec(Point3 p) {
  return {p.x, p.y, p.z};
}

void Line(Scene& scene, Vec3 a, Vec3 b) {
  scene.BeginPolyline();
  scene.AddPoint(a);
  scene.AddPoint(b);
  scene.EndPolyline(false);
}

void Outline(Scene& scene, std::initializer_list<Vec3> corners) {
  scene.BeginPolyline();
  for (const Vec3& c : corners) scene.AddPoint(c);
  scene.EndPolyline(true);
}

// A box whose two faces across x may differ: the face at x0 in grey, the
// four joining edges, then the face at x1 in black.
struct BoxFace {
  float x, yLow, yHigh, zLow, zHigh;
};

void DrawBox(Scene& scene, const BoxFace& a, const BoxFace& b) {
  scene.SetColour(kBackEdgeColour);
  Outline(scene, {{a.x, a.yLow, a.zLow},
                  {a.x, a.yLow, a.zHigh},
                  {a.x, a.yHigh, a.zHigh},
                  {a.x, a.yHigh, a.zLow}});
  Line(scene, {a.x, a.yLow, a.zLow}, {b.x, b.yLow, b.zLow});
  Line(scene, {a.x, a.yHigh, a.zLow}, {b.x, b.yHigh, b.zLow});
  Line(scene, {a.x, a.yHigh, a.zHigh}, {b.x, b.yHigh, b.zHigh});
  Line(scene, {a.x, a.yLow, a.zHigh}, {b.x, b.yLow, b.zHigh});
  scene.SetColour(kBlack);
  Outline(scene, {{b.x, b.yLow, b.zLow},
                  {b.x, b.yLow, b.zHigh},
                  {b.x, b.yHigh, b.zHigh},
                  {b.x, b.yHigh, b.zLow}});
}

void DrawEdges(Scene& scene, const model::NodeList<model::Edge>& edges, float& top) {
  for (const model::Edge& e : edges) {
    scene.SetColour(e.colour);
    Line(scene, ToVec(e.first), ToVec(e.second));
    top = std::max({top, e.first.z, e.second.z});
  }
}

void DrawDxf(Scene& scene, const CabinetInput& input, float& top) {
  const model::CabinetGeometry& cabinet = input.set.cabinet;
  const bool filled = input.options.Get(graphs::Option::kDrawDxfFaces);
  for (const model::Face& face : cabinet.dxfFaces) {
    if (filled) {
      DrawFilledFace(scene, face, input.debug);
      continue;
    }
    scene.SetColour(face.colour);
    scene.BeginPolyline();
    for (const Point3& p : face.vertices) {
      scene.AddPoint(ToVec(p));
      top = std::max(top, p.z);
    }
    scene.EndPolyline(true);
  }
  DrawEdges(scene, cabinet.dxfEdges, top);
}

void DrawReferencePoint(Scene& scene, const model::SystemPartRecord& part) {
  const Vec3 at{part.referencePoint[0], part.referencePoint[1], part.referencePoint[2]};
  scene.SetColour(kBlack);
  scene.Point(at);
  scene.Text3D(at, "MR");
  const std::string_view text = model::TextOf(part.referenceText);
  if (text.empty()) return;
  const std::string label = ("MR = " + std::string(text)).substr(0, kMrTextLength);
  scene.Text3D({at.x, at.y, at.z - kMrLineBelow}, label);
}

// The representation itself; false when drawing must stop.
bool DrawRepresentation(Scene& scene, const CabinetInput& input, float& top,
                        CabinetDrawing& drawing) {
  const model::InfoRecord& info = *input.set.info;
  const model::CabinetGeometry& cabinet = input.set.cabinet;
  switch (input.kind) {
    case CabinetKind::kRectangular: {
      const float* r = info.rectangular;
      DrawBox(scene, {r[0], r[1], r[4], r[2], r[5]}, {r[3], r[1], r[4], r[2], r[5]});
      top = r[5];
      return true;
    }
    case CabinetKind::kTrapezoidal: {
      const float* t = info.trapezoidal;
      DrawBox(scene, {t[0], t[2], t[3], t[6], t[7]}, {t[1], t[4], t[5], t[8], t[9]});
      top = t[9];
      return true;
    }
    case CabinetKind::kEdges:
      DrawEdges(scene, cabinet.edges, top);
      return true;
    case CabinetKind::kFacesAndEdges:
      DrawEdges(scene, cabinet.faceEdges, top);
      for (const model::Face& face : cabinet.faces) DrawFilledFace(scene, face, input.debug);
      return true;
    case CabinetKind::kDxf:
      break;
  }
  const DxfLoadStatus status = input.dxf.Ensure(input.set, &input.debug);
  if (status == DxfLoadStatus::kTempFileFailed) {
    drawing.messageBox = std::string(message::kTempFileFailed);
    return false;
  }
  if (status == DxfLoadStatus::kLoaded) {
    DrawDxf(scene, input, top);
  } else {
    scene.SetColour(kRed);
    scene.Text3D(kMessageAt, kDxfParseFailed);
  }
  return true;
}

// s along a unit axis, without negative zeros in the other coordinates.
Vec3 Along(Vec3 direction, float s) {
  return Vec3{} + s * direction;
}

void DrawAxis(Scene& scene, Vec3 direction, Colour colour, const char* label) {
  constexpr float kLength = 1.1f;
  constexpr float kTickRadius = 0.01f;
  constexpr int kTicks = 10;  // every 0.1 while below the length
  scene.SetColour(colour);
  Line(scene, Along(direction, -kLength), Along(direction, kLength));
  // Two unit vectors across the axis for the tick rings.
  const Vec3 u{direction.z, direction.x, direction.y};
  const Vec3 w{direction.y, direction.z, direction.x};
  for (int k = -kTicks; k <= kTicks; ++k) {
    if (k == 0) continue;
    const Vec3 centre = Along(direction, 0.1f * static_cast<float>(k));
    scene.BeginPolyline();
    for (int step = 0; step < 12; ++step) {
      const double a = step * std::numbers::pi / 6;
      scene.AddPoint(centre + static_cast<float>(kTickRadius * std::cos(a)) * u +
                     static_cast<float>(kTickRadius * std::sin(a)) * w);
    }
    scene.EndPolyline(true);
  }
  scene.Text3D(kLength * direction, label);
}

}  // namespace

double ScaleLabelHeight(float top) {
  const double t = 1.2 * static_cast<double>(top);
  return 0.1 * std::round(10 * t + 0.5) + 0.07;
}

CabinetDrawing DrawCabinet(Scene& scene, int slot, const CabinetInput& input) {
  CabinetDrawing drawing;
  scene.ClearObject(slot);
  scene.BeginObject(slot, 1);
  if (input.set.info->cabinetFlags == 0) {
    scene.SetColour(kRed);
    scene.Text3D(kMessageAt, kNoCabinet);
    scene.EndObject();
    return drawing;
  }
  float top = 0;
  if (DrawRepresentation(scene, input, top, drawing)) {
    scene.SetColour(kBlack);
    scene.Text3D({0, 0, static_cast<float>(ScaleLabelHeight(top))}, kScaleLabel);
    if (input.set.version == 2) DrawReferencePoint(scene, input.set.systemPart);
  }
  scene.EndObject();
  return drawing;
}

void DrawCabinetAxes(Scene& scene, int slot) {
  scene.ClearObject(slot);
  scene.BeginObject(slot, 1);
  DrawAxis(scene, {1, 0, 0}, kRed, "Front (X)");
  DrawAxis(scene, {0, 1, 0}, kGreen, "Left (Y)");
  DrawAxis(scene, {0, 0, 1}, kBlue, "Up (Z)");
  scene.EndObject();
}

}  // namespace zef::cabinet
