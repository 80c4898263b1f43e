#include "view3d/balloon_mesh.h"

#include <cmath>

#include "analysis/band_curves.h"

namespace zef::view3d {

std::optional<float> BalloonReferenceOffset(const model::DataSet& set,
                                            const graphs::OptionSet& options, int band) {
  if (!options.Get(graphs::Option::kBalloonReferenceMax) ||
      set.info->type == model::SpeakerType::Powered) {
    return 0.0f;
  }
  const auto sensitivity = set.data.Array(model::PerBand::Sensitivity);
  if (band < 0 || static_cast<std::size_t>(band) >= sensitivity.size()) return std::nullopt;
  const float own = sensitivity[static_cast<std::size_t>(band)];
  if (model::IsMissing(own)) return std::nullopt;
  return analysis::ComputeSensitivityReference(set).maximum - own;
}

float BalloonRadius(float level, float viewSize, float offset) {
  const float held = std::max(level, -viewSize);
  const float radius = held + viewSize - offset;
  // A level at -V collapses to a small radius, not to the centre, so that no
  // triangle of the surface degenerates; NaN falls through to it too.
  return radius > 0 ? radius : 0.01f;
}

Vec3 NodeDirection(const model::Grid& grid, int row, int arc) {
  const float theta = Radians(static_cast<float>(row * grid.stepDeg));
  const float phi = Radians(static_cast<float>(arc * grid.stepDeg));
  return {std::cos(theta), std::sin(theta) * std::sin(phi), std::sin(theta) * std::cos(phi)};
}

BalloonMesh BuildBalloonMesh(const model::DataSet& set, int band, float viewSize, float offset,
                             bool sphere) {
  const model::Grid& grid = set.GetGrid();
  BalloonMesh mesh;
  mesh.rows = grid.points;
  mesh.arcs = grid.arcs;
  const auto count = static_cast<std::size_t>(grid.points * grid.arcs);
  mesh.points.resize(count);
  mesh.levels.resize(count);
  for (int arc = 0; arc < grid.arcs; ++arc) {
    const auto levels = set.data.Arc(band, arc);
    for (int row = 0; row < grid.points; ++row) {
      const float level = levels[static_cast<std::size_t>(row)];
      const float radius = sphere ? viewSize : BalloonRadius(level, viewSize, offset);
      mesh.levels[mesh.Index(row, arc)] = level;
      mesh.points[mesh.Index(row, arc)] = radius * NodeDirection(grid, row, arc);
    }
  }
  return mesh;
}

float PowerAverage(std::initializer_list<float> levels) {
  float sum = 0;
  for (const float level : levels) sum += std::pow(10.0f, level / 10);
  return 10 * std::log10(sum / static_cast<float>(levels.size()));
}

bool IsMeasuredArc(model::Symmetry symmetry, const model::Grid& grid, int arc) {
  const int quarter = grid.Quarter();
  switch (symmetry) {
    case model::Symmetry::Full:
      return arc <= quarter;
    case model::Symmetry::Vertical:
      return arc <= quarter || arc >= 3 * quarter;
    case model::Symmetry::Horizontal:
      return arc <= 2 * quarter;
    case model::Symmetry::None:
      return true;
    case model::Symmetry::Rotational:
      return arc == 0;
    case model::Symmetry::Polar:
      return arc % quarter == 0;
  }
  return true;
}

}  // namespace zef::view3d
