#include "app/color_map_readout.h"

#include <algorithm>
#include <cmath>

#include "analysis/band_range.h"
#include "graphs/number_format.h"
#include "graphs/plane_views.h"
#include "model/bands.h"

namespace zef::app {
namespace {

// The maps' band axes: the first band at x = 1; the readout runs to half a
// band past the last.
struct MapAxis {
  int firstBand;
  double end;
};

MapAxis AxisOf(model::FormatKind kind) {
  return kind == model::FormatKind::Zef1 ? MapAxis{1, 9.5} : MapAxis{3, 27.5};
}

}  // namespace

std::string ColorMapReadout(const graphs::GraphWindow& window, const DataSetHolder& holder,
                            graphs::OptionSet options, bool decimalComma, int x, int y) {
  const model::DataSet* set = holder.Loaded();
  if (set == nullptr) return {};
  // The window keeps the lower (vertical) map's frame; the upper map lies
  // half the window higher with the same scales.
  const int half = window.Height() / 2;
  const bool horizontal = y < half;
  const std::optional<graphs::WorldPoint> p = window.GraphPointAt(x, horizontal ? y + half : y);
  const MapAxis axis = AxisOf(set->kind);
  if (!p || p->x <= 0 || p->x >= axis.end) return {};
  const analysis::BandRange bands = analysis::BandsOf(set->data);
  const int band = static_cast<int>(std::trunc(p->x - 0.5)) + axis.firstBand;
  if (band < bands.first || band > bands.last) return {};

  const model::Grid& grid = set->GetGrid();
  const graphs::PlaneArcs arcs =
      horizontal ? graphs::HorizontalArcs(grid) : graphs::VerticalArcs(grid);
  const int point = std::min(static_cast<int>(std::fabs(p->y) / grid.stepDeg), grid.points - 1);
  const int arc = p->y > 0 ? arcs.first : arcs.second;
  // A half-space loudspeaker radiates nothing behind its baffle: the map is blank there.
  const bool fullSphere = set->info->radiation == model::Radiation::FullSphere;
  const float value = set->data.Arc(band, arc)[point];
  if ((!fullSphere && point > (grid.points - 1) / 2) || model::IsMissing(value)) return {};
  graphs::PlaneViewInput input(*set, holder.Figures());
  input.reference = holder.Reference();
  input.options = options;
  const double offset =
      graphs::ReferenceOffset(input, options.Get(graphs::Option::kBalloonReferenceMax), band)
          .value_or(0.0);
  const double level = value - offset;
  // The angle shown is that of the balloon point whose level is shown.
  return std::string(model::BandLabel(set->kind, band)) + " Hz ; " +
         std::to_string(p->y > 0 ? point * grid.stepDeg : -point * grid.stepDeg) + " Deg ; " +
         graphs::FormatFixed(level, 1, decimalComma) + " dB";
}

}  // namespace zef::app
