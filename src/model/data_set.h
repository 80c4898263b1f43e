#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/bands.h"
#include "model/cabinet_geometry.h"
#include "model/data_record.h"
#include "model/filter_descriptor.h"
#include "model/info_record.h"
#include "model/phase_block.h"
#include "model/system_part_record.h"

namespace zef::model {

// Lowest impedances, computed when the impedance values are read.
struct ImpedanceFigures {
  float lowest = 0;         // over all bands with a value
  float reducedLowest = 0;  // 1.25 x the lowest up to band 7 (ZEF1) or 23 (ZEF2)
  bool operator==(const ImpedanceFigures&) const = default;
};

class DataSet;

// The impedance figures of a set's impedance values over its band range.
ImpedanceFigures ImpedanceFiguresOf(const DataSet& set);

// One complete loudspeaker data set. Readers build a new one and hand it over
// only when the read succeeds.
class DataSet {
 public:
  explicit DataSet(FormatKind kind);  // zero-filled records, no phase block, no filter
  DataSet(const DataSet& other);
  DataSet& operator=(const DataSet& other);
  DataSet(DataSet&&) noexcept = default;
  DataSet& operator=(DataSet&&) noexcept = default;
  ~DataSet();

  FormatKind kind;
  std::uint32_t version = 1;  // format version, 1 or 2
  std::uint32_t draft = 0;
  std::unique_ptr<InfoRecord> info;
  DataRecord data;
  std::unique_ptr<PhaseBlock> phase;            // ZEF2 of format version 2
  std::unique_ptr<FilterDescriptor> filter;     // ZEF2 with phase data
  SystemPartRecord systemPart{};
  ImpedanceFigures impedance;
  CabinetGeometry cabinet;
  std::string sourcePath;

  const Grid& GetGrid() const { return data.GetGrid(); }
  // The flag alone is not enough: a damaged binary may set it without a phase block.
  bool HasPhaseData() const {
    return (info->presenceFlags & presence::kPhaseData) != 0 && phase != nullptr;
  }

  // Field-by-field equality of everything a reader stores.
  bool operator==(const DataSet& other) const;
};

}  // namespace zef::model
