#pragma once

#include <string>
#include <vector>

#include "analysis/cta2034.h"
#include "analysis/directivity.h"
#include "model/data_set.h"

namespace zef::cli {

// The loaded data as comma-separated tables: a header line naming every
// column with its unit, then one row per item. Numbers are the shortest text
// that reads back to the stored 32-bit value; a missing value is an empty cell.

// A cell for a value; empty for a missing one.
std::string CsvReal(float value);

// One row per band of the set's range: frequency, whether the levels are
// absolute, then the CTA-2034-A curves.
std::string CurvesCsv(const model::DataSet& set, const analysis::CtaCurves& curves);

// One row per band of the set's range: input voltage, sensitivity, impedance,
// the four half-widths, both full widths, axial Q and DI.
std::string BandsCsv(const model::DataSet& set, const analysis::DirectivityFigures& figures);

// The 30 one-third-octave values of the axial spectrum.
std::string AxialSpectrumCsv(const model::DataSet& set);

// One measurement plane as a line of angles through the axis (-180 to 180),
// one level column per band: horizontal positive to the left, vertical
// positive up.
enum class Plane { Horizontal, Vertical };
std::string PlaneCsv(const model::DataSet& set, Plane plane);

// One row per band, arc and point of the balloon as stored (relative to the
// arc's on-axis level), with the phase in radians where the set has phase data.
std::string BalloonCsv(const model::DataSet& set);

struct CsvFile {
  std::string name;
  std::string text;
};
// Every table under the name `zef export --csv` gives it.
std::vector<CsvFile> ExportTables(const model::DataSet& set,
                                  const analysis::DirectivityFigures& figures);

}  // namespace zef::cli
