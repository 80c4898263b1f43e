#pragma once

#include <array>
#include <cstdint>

#include "model/bands.h"
#include "model/data_record.h"

namespace zef::analysis {

// Per-band directivity figures kept beside the data record (indexed by band
// index; only the bands of the record's range are written).
struct DirectivityFigures {
  std::array<float, model::kMaxBands> horizontalWidth{};
  std::array<float, model::kMaxBands> verticalWidth{};
  std::array<float, model::kMaxBands> horizontalMaxAngle{};
  std::array<float, model::kMaxBands> verticalMaxAngle{};
  std::array<std::uint8_t, model::kMaxBands> horizontalOffClass{};
  std::array<std::uint8_t, model::kMaxBands> verticalOffClass{};
  std::array<std::uint8_t, model::kMaxBands> offAxisClass{};
  bool horizontalOffAxis = false;
  bool verticalOffAxis = false;
};

// Class of a maximum direction: 0 within 5 degrees of the axis, 1 within 10,
// 2 beyond.
std::uint8_t OffAxisClass(float angle);

// Direction of the radiation maximum per plane, the off-axis classes and the
// two set-wide warning flags.
void ComputeMaxDirections(model::FormatKind kind, const model::DataRecord& data,
                          DirectivityFigures& figures);
// -6 dB half-widths on the four plane arcs, into per-band arrays 3 to 6.
void ComputeHalfWidths(model::DataRecord& data);
// Full -6 dB widths from the half-widths: twice the narrower side.
void ComputeWidths(const model::DataRecord& data, DirectivityFigures& figures);
// Axial Q from the balloon, into per-band array 7.
void ComputeAxialQ(model::DataRecord& data);

// 10 log10(Q); the missing value (-12000) for a Q that is not positive.
float AxialDI(float q);

}  // namespace zef::analysis
