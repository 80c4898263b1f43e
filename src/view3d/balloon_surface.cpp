#include "view3d/balloon_surface.h"

namespace zef::view3d {
namespace {

using graphs::Option;

constexpr graphs::Colour kNearColour = graphs::kBlack;
constexpr graphs::Colour kFarColour = graphs::kLightGrey;

const model::Grid& GridOfMesh(const BalloonMesh& mesh) {
  return mesh.arcs == model::kZef1Grid.arcs ? model::kZef1Grid : model::kZef2Grid;
}

void Polyline(Scene& scene, const BalloonMesh& mesh, int arc, int fromRow, int toRow) {
  scene.BeginPolyline();
  for (int row = fromRow; row <= toRow; ++row) scene.AddPoint(mesh.Point(row, arc));
  scene.EndPolyline(false);
}

// Rows round the front half black, round the rear grey; the four arcs of the
// planes in their own colours, the others black in front and grey behind.
void PlainGrid(Scene& scene, const BalloonMesh& mesh, const SurfaceStyle& style) {
  const int middle = mesh.rows / 2;
  const int quarter = mesh.arcs / 4;
  for (int row = 1; row < mesh.rows - 1; ++row) {
    scene.SetColour(row <= middle ? kNearColour : kFarColour);
    scene.BeginPolyline();
    for (int arc = 0; arc < mesh.arcs; ++arc) scene.AddPoint(mesh.Point(row, arc));
    scene.EndPolyline(true);
  }
  const int heavy = style.options.Get(Option::kHeavyLines) ? 2 : 1;
  for (int arc = 0; arc < mesh.arcs; ++arc) {
    if (arc % quarter == 0) {
      scene.SetColour((arc / quarter) % 2 == 0 ? graphs::kBlue : graphs::kRed);
      scene.SetLineWidth(heavy);
      Polyline(scene, mesh, arc, 0, mesh.rows - 1);
      scene.SetLineWidth(1);
      continue;
    }
    scene.SetColour(kNearColour);
    Polyline(scene, mesh, arc, 0, middle);
    scene.SetColour(kFarColour);
    Polyline(scene, mesh, arc, middle, mesh.rows - 1);
  }
}

// Measured arcs black, the mirrored or interpolated ones grey; a row piece
// is black between two measured arcs.
void SymmetryGrid(Scene& scene, const BalloonMesh& mesh, const SurfaceStyle& style) {
  const model::Grid& grid = GridOfMesh(mesh);
  const auto measured = [&](int arc) { return IsMeasuredArc(style.symmetry, grid, arc); };
  for (int arc = 0; arc < mesh.arcs; ++arc) {
    scene.SetColour(measured(arc) ? kNearColour : kFarColour);
    Polyline(scene, mesh, arc, 0, mesh.rows - 1);
  }
  const bool allGrey = style.symmetry == model::Symmetry::Polar;
  for (int row = 1; row < mesh.rows - 1; ++row) {
    for (int arc = 0; arc < mesh.arcs; ++arc) {
      const bool black = !allGrey && measured(arc) && measured((arc + 1) % mesh.arcs);
      scene.SetColour(black ? kNearColour : kFarColour);
      scene.BeginPolyline();
      scene.AddPoint(mesh.Point(row, arc));
      scene.AddPoint(mesh.Point(row, arc + 1));
      scene.EndPolyline(false);
    }
  }
}

// Triangles turn anticlockwise seen from outside the balloon.
void Triangle(Scene& scene, graphs::Colour colour, Vec3 a, Vec3 b, Vec3 c) {
  scene.SetColour(colour);
  scene.BeginPolygon();
  scene.AddVertex(a);
  scene.AddVertex(b);
  scene.AddVertex(c);
  scene.EndPolygon();
}

}  // namespace

void AddBalloonGrid(Scene& scene, const BalloonMesh& mesh, const SurfaceStyle& style) {
  if (style.options.Get(Option::kShowSymmetry)) {
    SymmetryGrid(scene, mesh, style);
  } else {
    PlainGrid(scene, mesh, style);
  }
  scene.SetColour(graphs::kBlack);
}

void AddBalloonShading(Scene& scene, const BalloonMesh& mesh, const SurfaceStyle& style,
                       const graphs::ShadePalette& palette) {
  const auto colour = [&](float level) {
    return palette.ColourOfLevel(level - style.offset, style.range);
  };
  const float floor = -style.viewSize;
  const int last = mesh.rows - 1;
  const bool full = style.radiation == model::Radiation::FullSphere;
  for (int arc = 0; arc < mesh.arcs; ++arc) {
    const int next = arc + 1;
    const float front = PowerAverage({mesh.Level(0, arc), mesh.Level(1, arc), mesh.Level(1, next)});
    Triangle(scene, colour(front), mesh.Point(0, arc), mesh.Point(1, next), mesh.Point(1, arc));
    // Cells up to the side (half sphere) or to the rear cap (full sphere).
    const int lastCellRow = full ? last - 2 : last / 2 - 1;
    for (int row = 1; row <= lastCellRow; ++row) {
      const float level = PowerAverage({mesh.Level(row, arc), mesh.Level(row, next),
                                        mesh.Level(row + 1, arc), mesh.Level(row + 1, next)}) -
                          style.offset;
      if (!(level > floor)) continue;
      const graphs::Colour c = palette.ColourOfLevel(level, style.range);
      Triangle(scene, c, mesh.Point(row, arc), mesh.Point(row, next), mesh.Point(row + 1, next));
      Triangle(scene, c, mesh.Point(row, arc), mesh.Point(row + 1, next), mesh.Point(row + 1, arc));
    }
    if (!full) continue;
    const float back = PowerAverage(
        {mesh.Level(last, arc), mesh.Level(last - 1, arc), mesh.Level(last - 1, next)});
    if (back - style.offset > floor) {
      Triangle(scene, colour(back), mesh.Point(last, arc), mesh.Point(last - 1, arc),
               mesh.Point(last - 1, next));
    }
  }
}

}  // namespace zef::view3d
