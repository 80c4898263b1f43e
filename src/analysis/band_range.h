#pragma once

#include <vector>

#include "model/data_record.h"
#include "model/info_record.h"

namespace zef::analysis {

// The record's band range, inclusive, cut to the bands the record can hold:
// a range read from a binary is never trusted as an index.
struct BandRange {
  int first = 0;
  int last = -1;  // empty when last < first
};

inline BandRange BandsOf(const model::DataRecord& data) {
  const auto bands = static_cast<std::uint32_t>(data.GetGrid().bands);
  if (data.MinBand() >= bands || data.MaxBand() < data.MinBand()) return {};
  const std::uint32_t last = data.MaxBand() < bands ? data.MaxBand() : bands - 1;
  return {static_cast<int>(data.MinBand()), static_cast<int>(last)};
}

// The values of a per-band array that are given (above -10000) in the range.
inline std::vector<float> GivenValues(const model::DataRecord& data, model::PerBand which) {
  const std::span<const float> values = data.Array(which);
  const BandRange range = BandsOf(data);
  std::vector<float> given;
  for (int band = range.first; band <= range.last; ++band) {
    if (!model::IsMissing(values[band])) given.push_back(values[band]);
  }
  return given;
}

}  // namespace zef::analysis
