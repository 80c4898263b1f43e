#pragma once

#include <memory>

#include "model/data_set.h"

namespace zef::phase {

// A one-third-octave set of format version 2 with phase data over the bands
// first..last: sensitivity 90 dB, phase 0, no filter.
inline model::DataSet PhaseSet(int first = 3, int last = 29) {
  model::DataSet set(model::FormatKind::Zef2);
  set.version = 2;
  set.data.MinBand() = static_cast<std::uint32_t>(first);
  set.data.MaxBand() = static_cast<std::uint32_t>(last);
  set.info->presenceFlags |= model::presence::kPhaseData;
  set.phase = std::make_unique<model::PhaseBlock>();
  set.filter = std::make_unique<model::FilterDescriptor>();
  for (int b = 0; b < 30; ++b) set.data.Array(model::PerBand::Sensitivity)[b] = 90;
  return set;
}

inline void SetFir(model::DataSet& set, std::vector<float> taps, std::uint32_t rate) {
  set.filter->kind = model::FilterKind::FirWav;
  set.filter->taps = std::move(taps);
  set.filter->sampleRate = rate;
}

}  // namespace zef::phase
