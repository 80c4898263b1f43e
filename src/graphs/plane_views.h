#pragma once

#include <initializer_list>
#include <optional>

#include "analysis/band_curves.h"
#include "analysis/directivity.h"
#include "graphs/graph_window.h"
#include "graphs/option_set.h"
#include "model/data_set.h"

namespace zef::graphs {

// What the views of the balloon's planes draw from. The set and the figures
// must outlive the input.
struct PlaneViewInput {
  PlaneViewInput(const model::DataSet& dataSet, const analysis::DirectivityFigures& directivity)
      : set(dataSet), figures(directivity) {}

  const model::DataSet& set;
  const analysis::DirectivityFigures& figures;
  analysis::SensitivityReference reference;
  OptionSet options;
};

// The two balloon arcs of a measurement plane; the first is drawn at
// positive angles (above the axis in a polar, the upper half of a map): arc
// 0 points up and the horizontal plane's first arc to the left.
struct PlaneArcs {
  int first = 0;
  int second = 0;
};

PlaneArcs HorizontalArcs(const model::Grid& grid);
PlaneArcs VerticalArcs(const model::Grid& grid);

// What a band's levels are lowered by so that they read relative to the
// most sensitive band: 0 unless relativeToMax and the loudspeaker is not
// powered; nothing when that offset would need a sensitivity the band lacks.
std::optional<double> ReferenceOffset(const PlaneViewInput& input, bool relativeToMax, int band);

// Adds the layers (those in range) to the window's visible ones.
void ShowLayers(GraphWindow& window, std::initializer_list<int> layers);

}  // namespace zef::graphs
