#include "phase/phase_balloon.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "model/fixed_text.h"
#include "phase/arc_unwrap.h"
#include "view3d/balloon_mesh.h"
#include "view3d/scene_picture.h"

namespace zef::phase {
namespace {

using graphs::Colour;
using view3d::Scene;
using view3d::Vec3;

constexpr Colour kGrey = graphs::kLightGrey;
constexpr Colour kGreen = 0x00FF00;
constexpr const model::Grid& kGrid = model::kZef2Grid;
constexpr int kLastFrontPoint = 18;  // the points up to 90 degrees from the front

// The phase surface of one band: points by arc, then point.
using Surface = std::vector<std::array<Vec3, 37>>;

Surface PhaseSurface(const model::DataSet& set, int band, bool unwrap) {
  Surface surface(static_cast<std::size_t>(kGrid.arcs));
  for (int arc = 0; arc < kGrid.arcs; ++arc) {
    std::array<float, 37> phase;
    const float* stored = set.phase->balloon[band][arc];
    std::copy(stored, stored + kGrid.points, phase.begin());
    if (unwrap) UnwrapArc(phase);
    for (int point = 0; point < kGrid.points; ++point) {
      surface[static_cast<std::size_t>(arc)][static_cast<std::size_t>(point)] =
          PhaseRadius(phase[static_cast<std::size_t>(point)]) *
          view3d::NodeDirection(kGrid, point, arc);
    }
  }
  return surface;
}

Vec3 At(const Surface& s, int arc, int point) {
  return s[static_cast<std::size_t>(arc % kGrid.arcs)][static_cast<std::size_t>(point)];
}

// Part of a ring from arc `from` to arc `to` (past the last arc it wraps).
void RingPiece(Scene& scene, const Surface& s, int point, int from, int to, Colour colour) {
  scene.SetColour(colour);
  scene.BeginPolyline();
  for (int arc = from; arc <= to; ++arc) scene.AddPoint(At(s, arc, point));
  scene.EndPolyline(false);
}

void ArcPiece(Scene& scene, const Surface& s, int arc, int from, int to, Colour colour) {
  scene.SetColour(colour);
  scene.BeginPolyline();
  for (int point = from; point <= to; ++point) scene.AddPoint(At(s, arc, point));
  scene.EndPolyline(false);
}

void PlainMesh(Scene& scene, const Surface& s, bool heavy) {
  for (int point = 0; point < kGrid.points; ++point) {
    scene.SetColour(point <= kLastFrontPoint ? graphs::kBlack : kGrey);
    scene.BeginPolyline();
    for (int arc = 0; arc < kGrid.arcs; ++arc) scene.AddPoint(At(s, arc, point));
    scene.EndPolyline(true);
  }
  const int quarter = kGrid.Quarter();
  const int last = kGrid.points - 1;
  for (int arc = 0; arc < kGrid.arcs; ++arc) {
    if (arc % quarter == 0) {
      scene.SetLineWidth(heavy ? 2 : 1);
      ArcPiece(scene, s, arc, 0, last, arc % (2 * quarter) == 0 ? graphs::kBlue : graphs::kRed);
      scene.SetLineWidth(1);
      continue;
    }
    ArcPiece(scene, s, arc, 0, kLastFrontPoint, graphs::kBlack);
    ArcPiece(scene, s, arc, kLastFrontPoint, last, kGrey);
  }
}

// Each arc, and each ring segment by the arc it ends at, black where the
// file gives data for the symmetry kind and grey where it was completed.
void SymmetryMesh(Scene& scene, const Surface& s, model::Symmetry symmetry) {
  const auto colour = [symmetry](int arc) {
    return view3d::IsMeasuredArc(symmetry, kGrid, arc % kGrid.arcs) ? graphs::kBlack : kGrey;
  };
  const int quarter = kGrid.Quarter();
  for (int point = 0; point < kGrid.points; ++point) {
    if (symmetry == model::Symmetry::Vertical) {
      RingPiece(scene, s, point, 0, quarter, graphs::kBlack);
      RingPiece(scene, s, point, quarter, 3 * quarter, kGrey);
      RingPiece(scene, s, point, 3 * quarter, kGrid.arcs, graphs::kBlack);
      continue;
    }
    // Runs of segments of one colour as one line.
    int start = 0;
    for (int arc = 1; arc <= kGrid.arcs; ++arc) {
      if (arc == kGrid.arcs || colour(arc + 1) != colour(arc)) {
        RingPiece(scene, s, point, start, arc, colour(arc));
        start = arc;
      }
    }
  }
  for (int arc = 0; arc < kGrid.arcs; ++arc)
    ArcPiece(scene, s, arc, 0, kGrid.points - 1, colour(arc));
}

void Circle(Scene& scene, Colour colour, int plane) {
  scene.SetColour(colour);
  scene.BeginPolyline();
  for (int degrees = 0; degrees <= 360; degrees += 10) {
    const float a = view3d::Radians(static_cast<float>(degrees));
    const float u = kPhaseSphere * std::cos(a);
    const float v = kPhaseSphere * std::sin(a);
    scene.AddPoint(plane == 0 ? Vec3{0, u, v} : plane == 1 ? Vec3{u, 0, v} : Vec3{u, v, 0});
  }
  scene.EndPolyline(false);
}

void BuildFrame(Scene& scene, int slot, const model::InfoRecord& info) {
  constexpr float kLength = 1.1f * kPhaseSphere;
  scene.ClearObject(slot);
  scene.BeginObject(slot, 1);
  Circle(scene, graphs::kRed, 0);
  Circle(scene, kGreen, 1);
  Circle(scene, graphs::kBlue, 2);
  scene.SetColour(graphs::kBlue);
  const std::array<std::pair<Vec3, Vec3>, 3> axes = {{{{1, 0, 0}, {kLength, 0, 0}},
                                                      {{0, 1, 0}, {0, 1.05f * kLength, 0}},
                                                      {{0, 0, 1}, {0, 0, 1.1f * kLength}}}};
  const std::array<const char*, 3> labels = {"Front", "Left", "Up"};
  for (std::size_t i = 0; i < axes.size(); ++i) {
    scene.BeginPolyline();
    scene.AddPoint(Vec3{} - kLength * axes[i].first);
    scene.AddPoint(Vec3{} + kLength * axes[i].first);
    scene.EndPolyline(false);
    scene.Text3D(axes[i].second, labels[i]);
  }
  scene.Text3D({0, 0, -1.03f * kPhaseSphere}, std::string(model::TextOf(info.modelName)));
  scene.EndObject();
}

}  // namespace

float PhaseRadius(float phase) {
  return std::max(10 * phase, -kPhaseSphere) + kPhaseSphere;
}

view3d::ViewCamera PhaseCamera() {
  view3d::ViewCamera camera;
  camera.azimuth = 30;
  camera.elevation = 30;
  camera.distance = 5 * kPhaseSphere;
  return camera;
}

void BuildPhaseBalloon(Scene& scene, const model::DataSet& set, int band, bool unwrap,
                       graphs::OptionSet options, PhaseSlots slots) {
  scene.ClearObject(slots.balloon);
  scene.SetVisibleObjects(scene.VisibleObjects() | (1u << slots.balloon) | (1u << slots.frame));
  BuildFrame(scene, slots.frame, *set.info);
  if (!set.phase || band < 0 || band >= kGrid.bands) return;
  const Surface surface = PhaseSurface(set, band, unwrap);
  scene.BeginObject(slots.balloon, 1);
  if (options.Get(graphs::Option::kShowSymmetry)) {
    SymmetryMesh(scene, surface, set.info->symmetry);
  } else {
    PlainMesh(scene, surface, options.Get(graphs::Option::kHeavyLines));
  }
  scene.EndObject();
}

void DrawPhaseBalloonPicture(graphs::GraphWindow& window, const model::DataSet& set, int band,
                             bool unwrap, graphs::OptionSet options,
                             const view3d::ViewCamera& camera, model::MessageSink& debug) {
  Scene scene(window.Width(), window.Height(), debug);
  BuildPhaseBalloon(scene, set, band, unwrap, options);
  scene.SetCamera({camera, view3d::Projection::kParallel});
  view3d::DrawScene(scene.Projected(), window, 0);
  window.SetVisibleLayers(window.VisibleLayers() | 1u);
}

}  // namespace zef::phase
