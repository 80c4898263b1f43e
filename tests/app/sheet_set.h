#pragma once

#include <initializer_list>
#include <memory>

#include "model/data_set.h"
#include "model/fixed_text.h"

namespace zef::app::testing {

// A bare set of a kind with its band range, maker and model; every per-band
// value the tests do not set is 0.
inline model::DataSet SheetSet(model::FormatKind kind, int firstBand, int lastBand) {
  model::DataSet set(kind);
  set.data.MinBand() = static_cast<std::uint32_t>(firstBand);
  set.data.MaxBand() = static_cast<std::uint32_t>(lastBand);
  model::SetText(set.info->manufacturer, "Acme");
  model::SetText(set.info->modelName, "Box 1");
  return set;
}

// Writes `values` into a per-band array from band `first` on.
inline void SetBands(model::DataSet& set, model::PerBand which, int first,
                     std::initializer_list<float> values) {
  auto array = set.data.Array(which);
  for (float v : values) array[first++] = v;
}

}  // namespace zef::app::testing
