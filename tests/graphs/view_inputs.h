#pragma once

#include <algorithm>
#include <initializer_list>

#include "graphs/option_set.h"
#include "model/data_set.h"

namespace zef::graphs {

// A set whose balloon is 0 dB everywhere over the bands first..last, full
// sphere unless told otherwise.
inline model::DataSet FlatBalloonSet(model::FormatKind kind, int first, int last,
                                     model::Radiation radiation = model::Radiation::FullSphere) {
  model::DataSet set(kind);
  set.data.MinBand() = static_cast<std::uint32_t>(first);
  set.data.MaxBand() = static_cast<std::uint32_t>(last);
  set.info->radiation = radiation;
  set.info->type = model::SpeakerType::Passive;
  return set;
}

// Every point of an arc but the on-axis one at the level.
inline void SetArcLevel(model::DataSet& set, int band, int arc, float level) {
  const auto points = set.data.Arc(band, arc);
  std::fill(points.begin() + 1, points.end(), level);
}

// A set with only the given switches on.
inline OptionSet OptionsWith(std::initializer_list<Option> on) {
  OptionSet options(0);
  for (const Option option : on) options.Set(option, true);
  return options;
}

}  // namespace zef::graphs
