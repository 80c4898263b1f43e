#pragma once

#include <memory>
#include <sstream>
#include <string>
#include <vector>

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

// "1 2.5 x" -> {1, 2.5, no value}; "-" is no number at all.
inline std::vector<float> Values(const std::string& text) {
  std::istringstream in(text);
  std::vector<float> out;
  for (std::string v; in >> v;) {
    if (v != "-") out.push_back(v == "x" ? model::kNoData : std::stof(v));
  }
  return out;
}

inline void SetFir(model::DataSet& set, std::vector<float> taps, std::uint32_t rate) {
  set.filter->kind = model::FilterKind::FirWav;
  set.filter->taps = std::move(taps);
  set.filter->sampleRate = rate;
}

}  // namespace zef::phase
