#include "analysis/directivity.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "analysis/band_range.h"
#include "analysis/judged_compare.h"
#include "analysis/power_average.h"
#include "analysis/power_sums.h"
#include "model/info_record.h"

namespace zef::analysis {
namespace {

using model::DataRecord;
using model::PerBand;

// The two arcs spanning one measurement plane, in the order a line through
// the axis runs: from the far end of the first to the far end of the second.
struct PlaneArcs {
  int first;
  int second;
};

PlaneArcs VerticalArcs(const model::Grid& grid) {
  return {0, grid.arcs / 2};
}
PlaneArcs HorizontalArcs(const model::Grid& grid) {
  return {grid.Quarter(), 3 * grid.Quarter()};
}

// Power-weighted mean position on the plane's line of points, without the two
// rear points; negative towards the first arc. The two sides are summed apart
// and in the same way, so a balloon equal on both sides gives exactly 0.
float MaxDirection(const DataRecord& data, int band, PlaneArcs arcs) {
  constexpr std::size_t kLongest = model::kZef2Grid.points - 2;
  static const std::array<float, kLongest> distances = [] {
    std::array<float, kLongest> d{};
    for (std::size_t i = 0; i < kLongest; ++i) d[i] = static_cast<float>(i + 1);
    return d;
  }();
  const model::Grid& grid = data.GetGrid();
  const int k = grid.points - 1;
  const std::span<const float> first = data.Arc(band, arcs.first);
  const PowerSums negative = SumPowers(first.subspan(1, k - 1), distances);
  const PowerSums positive = SumPowers(data.Arc(band, arcs.second).subspan(1, k - 1), distances);
  const double total = LevelToPower(first[0]) + negative.plain + positive.plain;
  if (!(total > 0)) return 0;
  return static_cast<float>(grid.stepDeg * (positive.weighted - negative.weighted) / total);
}

// Where an arc first falls to -6 dB, interpolated between grid points.
float HalfWidth(std::span<const float> arc, int stepDeg) {
  const int k = static_cast<int>(arc.size()) - 1;  // the rear point is never looked at
  int i = 0;
  while (i < k && arc[i] > -6.0f) ++i;
  if (i == k) return static_cast<float>(k * stepDeg);
  if (i == 0) return 0;  // an arc not normalised to its on-axis level
  const double v = arc[i];
  if (std::fabs(v + 6.0) < 0.01) return static_cast<float>(i * stepDeg);
  const double u = arc[i - 1];
  return static_cast<float>((i - 1) * stepDeg + stepDeg * (u + 6.0) / (u - v));
}

}  // namespace

std::uint8_t OffAxisClass(float angle) {
  if (!Exceeds(std::fabs(angle), 5.0)) return 0;
  return Exceeds(std::fabs(angle), 10.0) ? 2 : 1;
}

void ComputeMaxDirections(model::FormatKind kind, const DataRecord& data,
                          DirectivityFigures& figures) {
  if (kind != data.Kind()) return;  // the record's grid would not match the kind's
  const model::Grid& grid = data.GetGrid();
  const BandRange range = BandsOf(data);
  double sumH = 0;
  double sumV = 0;
  for (int band = range.first; band <= range.last; ++band) {
    const float h = MaxDirection(data, band, HorizontalArcs(grid));
    const float v = MaxDirection(data, band, VerticalArcs(grid));
    figures.horizontalMaxAngle[band] = h;
    figures.verticalMaxAngle[band] = v;
    figures.horizontalOffClass[band] = OffAxisClass(h);
    figures.verticalOffClass[band] = OffAxisClass(v);
    figures.offAxisClass[band] =
        std::max(figures.horizontalOffClass[band], figures.verticalOffClass[band]);
    sumH += h;
    sumV += v;
  }
  const int count = range.last - range.first + 1;
  figures.horizontalOffAxis = count > 0 && Exceeds(std::fabs(sumH / count), 5.0);
  figures.verticalOffAxis = count > 0 && Exceeds(std::fabs(sumV / count), 5.0);
}

void ComputeHalfWidths(DataRecord& data) {
  const model::Grid& grid = data.GetGrid();
  const PlaneArcs horizontal = HorizontalArcs(grid);
  const PlaneArcs vertical = VerticalArcs(grid);
  const std::pair<PerBand, int> targets[] = {{PerBand::HalfWidthH1, horizontal.first},
                                             {PerBand::HalfWidthH2, horizontal.second},
                                             {PerBand::HalfWidthV1, vertical.first},
                                             {PerBand::HalfWidthV2, vertical.second}};
  const BandRange range = BandsOf(data);
  for (int band = range.first; band <= range.last; ++band) {
    for (const auto& [array, arc] : targets) {
      data.Array(array)[band] = HalfWidth(data.Arc(band, arc), grid.stepDeg);
    }
  }
}

void ComputeWidths(const DataRecord& data, DirectivityFigures& figures) {
  const BandRange range = BandsOf(data);
  for (int band = range.first; band <= range.last; ++band) {
    figures.horizontalWidth[band] = 2.0f * std::min(data.Array(PerBand::HalfWidthH1)[band],
                                                    data.Array(PerBand::HalfWidthH2)[band]);
    figures.verticalWidth[band] = 2.0f * std::min(data.Array(PerBand::HalfWidthV1)[band],
                                                  data.Array(PerBand::HalfWidthV2)[band]);
  }
}

void ComputeAxialQ(DataRecord& data) {
  const model::Grid& grid = data.GetGrid();
  const int k = grid.points - 1;
  const double step = grid.stepDeg * std::numbers::pi / 180.0;
  const double arcStep = step;  // arcs lie as far apart as points
  // The poles stand for caps of half a step around them.
  const double cap = std::numbers::pi * (step / 2) * (step / 2);
  // The weight of a point depends only on its angle from the axis; the
  // poles are left out of the arcs.
  std::vector<float> weights(static_cast<std::size_t>(k - 1));
  double weightSum = 0;
  for (int p = 1; p < k; ++p) {
    weights[p - 1] = static_cast<float>(std::sin(p * step) * arcStep * step);
    weightSum += weights[p - 1];
  }
  const BandRange range = BandsOf(data);
  for (int band = range.first; band <= range.last; ++band) {
    const double numerator = 2 * cap + grid.arcs * weightSum;
    double denominator =
        cap * (LevelToPower(data.Arc(band, 0)[0]) + LevelToPower(data.Arc(band, 0)[k]));
    for (int arc = 0; arc < grid.arcs; ++arc) {
      denominator += SumPowers(data.Arc(band, arc).subspan(1, k - 1), weights).weighted;
    }
    // Levels so low that no power is left give no Q at all.
    data.Array(PerBand::AxialQ)[band] =
        denominator > 0 ? static_cast<float>(numerator / denominator) : model::kNoData;
  }
}

float AxialDI(float q) {
  return q > 0 ? static_cast<float>(10.0 * std::log10(static_cast<double>(q))) : model::kNoData;
}

}  // namespace zef::analysis
