#include "view3d/balloon_scene.h"

#include <array>
#include <cmath>
#include <string_view>

#include "view3d/balloon_mesh.h"
#include "view3d/balloon_surface.h"

namespace zef::view3d {
namespace {

using graphs::Option;

constexpr graphs::Colour kGreen = 0x00FF00;
constexpr graphs::Colour kMarkerColour = 0xFF00FF;
constexpr int kFrameDash = 4;         // the dotted 0 dB circles
constexpr float kAxisLength = 1.25f;  // of V

constexpr std::array<std::string_view, 6> kSymmetryTexts = {"Full sym",       "Vertical sym",
                                                            "Horizontal sym", "No symmetry",
                                                            "Rotational sym", "Polar interpolated"};

std::uint32_t Bit(int slot) {
  return std::uint32_t{1} << slot;
}

bool BandInRange(const model::DataSet& set, int band) {
  return band >= 0 && band < set.GetGrid().bands &&
         static_cast<std::uint32_t>(band) >= set.data.MinBand() &&
         static_cast<std::uint32_t>(band) <= set.data.MaxBand();
}

void AddCircle(Scene& scene, graphs::Colour colour, float radius, int plane) {
  scene.SetColour(colour);
  scene.BeginPolyline();
  for (int step = 0; step <= 36; ++step) {
    const float a = Radians(static_cast<float>(step * 10));
    const float u = radius * std::cos(a);
    const float v = radius * std::sin(a);
    scene.AddPoint(plane == 0 ? Vec3{0, u, v} : plane == 1 ? Vec3{u, 0, v} : Vec3{u, v, 0});
  }
  scene.EndPolyline(false);
}

// Axes and the 0 dB circles in the three planes.
void BuildFrame(Scene& scene, int slot, float viewSize) {
  scene.ClearObject(slot);
  scene.BeginObject(slot, 1);
  scene.SetColour(graphs::kBlue);
  const float length = kAxisLength * viewSize;
  const std::array<std::pair<Vec3, std::string_view>, 3> axes = {
      {{{length, 0, 0}, "Front (X)"}, {{0, length, 0}, "Left (Y)"}, {{0, 0, length}, "Up (Z)"}}};
  for (const auto& [end, label] : axes) {
    scene.BeginPolyline();
    scene.AddPoint({});
    scene.AddPoint(end);
    scene.EndPolyline(false);
    scene.Text3D(end, label);
  }
  scene.SetLineStyle(kFrameDash);
  AddCircle(scene, graphs::kRed, viewSize, 0);
  AddCircle(scene, kGreen, viewSize, 1);
  AddCircle(scene, graphs::kBlue, viewSize, 2);
  scene.EndObject();
}

void BuildSurface(Scene& scene, const model::DataSet& set, const BalloonViewState& state,
                  const graphs::ShadePalette& palette, float viewSize, float offset) {
  const graphs::OptionSet& options = state.options;
  const bool shaded = options.Get(Option::kShadeBalloon);
  SurfaceStyle style{viewSize,           offset, state.range, options, set.info->symmetry,
                     set.info->radiation};
  const BalloonMesh mesh = BuildBalloonMesh(set, state.band, viewSize, offset,
                                            shaded && options.Get(Option::kColouredSphere));
  if (shaded) AddBalloonShading(scene, mesh, style, palette);
  if (!shaded || options.Get(Option::kGridWhenShaded)) AddBalloonGrid(scene, mesh, style);
  scene.SetColour(graphs::kBlack);
  scene.Text3D({-1.03f * viewSize, 0, 0},
               options.Get(Option::kBalloonReferenceMax) ? "Re max Sens." : "Re on-axis");
  const auto kind = static_cast<std::size_t>(set.info->symmetry);
  if (options.Get(Option::kShowSymmetry) && kind < kSymmetryTexts.size()) {
    scene.Text3D({-1.15f * viewSize, 0, 0}, kSymmetryTexts[kind]);
  }
}

void BuildMarker(Scene& scene, int slot, const model::DataSet& set, const BalloonViewState& state,
                 float viewSize, float offset) {
  const model::Grid& grid = set.GetGrid();
  const GridDirection& d = *state.marker;
  if (d.arc < 0 || d.arc >= grid.arcs || d.point < 0 || d.point >= grid.points) return;
  const bool sphere =
      state.options.Get(Option::kShadeBalloon) && state.options.Get(Option::kColouredSphere);
  const float level = set.data.Arc(state.band, d.arc)[static_cast<std::size_t>(d.point)];
  const float radius = sphere ? viewSize : BalloonRadius(level, viewSize, offset);
  scene.BeginObject(slot, 2);
  scene.SetColour(kMarkerColour);
  scene.BeginPolyline();
  scene.AddPoint({});
  scene.AddPoint(radius * NodeDirection(grid, d.point, d.arc));
  scene.EndPolyline(false);
  scene.EndObject();
}

}  // namespace

std::optional<float> ViewSizeOfRange(int range) {
  switch (range) {
    case -40:
      return 60.0f;
    case -30:
      return 30.0f;
    case -20:
      return 20.0f;
    default:
      return std::nullopt;
  }
}

ViewCamera BalloonCamera(int range, float azimuth, float elevation) {
  ViewCamera camera;
  camera.azimuth = azimuth;
  camera.elevation = elevation;
  camera.distance = 5 * ViewSizeOfRange(range).value_or(60);
  return camera;
}

void BuildBalloonScene(Scene& scene, const model::DataSet& set, const BalloonViewState& state,
                       const graphs::ShadePalette& palette, BalloonSlots objects) {
  // All three slots are taken even when empty, so that NewObject never hands
  // one of them to another drawing.
  for (const int slot : {objects.frame, objects.balloon, objects.marker}) {
    scene.ClearObject(slot);
    scene.BeginObject(slot, 1);
    scene.EndObject();
  }
  scene.SetVisibleObjects(scene.VisibleObjects() | Bit(objects.frame) | Bit(objects.balloon) |
                          Bit(objects.marker));
  const auto viewSize = ViewSizeOfRange(state.range);
  if (!viewSize) return;
  BuildFrame(scene, objects.frame, *viewSize);
  if (!BandInRange(set, state.band)) return;
  const auto offset = BalloonReferenceOffset(set, state.options, state.band);
  scene.BeginObject(objects.balloon, 1);
  if (offset) BuildSurface(scene, set, state, palette, *viewSize, *offset);
  scene.EndObject();
  if (offset && state.marker) BuildMarker(scene, objects.marker, set, state, *viewSize, *offset);
}

}  // namespace zef::view3d
