#pragma once

#include <initializer_list>
#include <optional>
#include <vector>

#include "graphs/option_set.h"
#include "model/data_set.h"
#include "view3d/vector_math.h"

namespace zef::view3d {

// What the balloon's levels of a band are lowered by: 0 unless the reference
// is the maximum sensitivity and the loudspeaker is not powered; none when
// that needs a sensitivity the band lacks (no balloon is drawn then).
std::optional<float> BalloonReferenceOffset(const model::DataSet& set,
                                            const graphs::OptionSet& options, int band);

// Distance from the centre of the surface point of a level: the level plus
// V, less the offset, with levels below -V held at -V; 0.01 where that is
// not above 0.
float BalloonRadius(float level, float viewSize, float offset);

// Unit direction of a grid node: rows from the front axis, arc 0 up (+Z),
// a quarter turn on along +Y (the loudspeaker's left).
Vec3 NodeDirection(const model::Grid& grid, int row, int arc);

// One surface point per grid node, rows = points of an arc, columns = arcs.
struct BalloonMesh {
  int rows = 0;
  int arcs = 0;
  std::vector<Vec3> points;
  std::vector<float> levels;  // the stored levels, for the shading
  Vec3 Point(int row, int arc) const { return points[Index(row, arc)]; }
  float Level(int row, int arc) const { return levels[Index(row, arc)]; }
  std::size_t Index(int row, int arc) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(arcs) +
           static_cast<std::size_t>(arc % arcs);
  }
};

// The mesh of a band; sphere puts every point at radius V.
BalloonMesh BuildBalloonMesh(const model::DataSet& set, int band, float viewSize, float offset,
                             bool sphere);

// Power average of levels: 10 log10 of the mean of 10^(L/10).
float PowerAverage(std::initializer_list<float> levels);

// Whether an arc lies in the measured part of the balloon for the set's
// symmetry kind.
bool IsMeasuredArc(model::Symmetry symmetry, const model::Grid& grid, int arc);

}  // namespace zef::view3d
