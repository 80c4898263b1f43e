#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/directivity.h"
#include "graphs/option_set.h"
#include "model/bands.h"
#include "model/data_set.h"

namespace zef::app {

// What the data sheet of the main window shows for a loaded set: plain texts,
// so a window, the command line and tests all show the same thing.

// Names of the single-value fields, in the order the sheet lists them.
namespace sheet_field {
inline constexpr std::string_view kTitle = "Title";
inline constexpr std::string_view kModelName = "Model name";
inline constexpr std::string_view kWeight = "Weight";
inline constexpr std::string_view kDescription = "Description";
inline constexpr std::string_view kColors = "Colors";
inline constexpr std::string_view kRadiation = "Radiation";
inline constexpr std::string_view kMounting = "Mounting";
inline constexpr std::string_view kType = "Type";
inline constexpr std::string_view kTypeInfo = "Type info";
inline constexpr std::string_view kManufacturer = "Manufacturer";
inline constexpr std::string_view kWebSite = "Web-site";
inline constexpr std::string_view kContact = "Contact";
inline constexpr std::string_view kEmail = "E-mail";
inline constexpr std::string_view kDate = "Date";
inline constexpr std::string_view kMeasurementInfo = "Measurement info";
inline constexpr std::string_view kDistance = "Distance";
inline constexpr std::string_view kEnvironment = "Environment";
inline constexpr std::string_view kNominalImpedance = "Nominal impedance";
inline constexpr std::string_view kMinimumImpedance = "Minimum impedance";
inline constexpr std::string_view kAverageImpedance = "Average impedance";
inline constexpr std::string_view kMaxInputLabel = "Max input label";
inline constexpr std::string_view kMaxInput = "Max input";
inline constexpr std::string_view kMaxInputUnit = "Max input unit";
inline constexpr std::string_view kMaxInputLevel = "Max input level";
inline constexpr std::string_view kEquivalentPower = "Equivalent power";
inline constexpr std::string_view kFormat = "Format";
inline constexpr std::string_view kBandKind = "Band kind";
inline constexpr std::string_view kVersion = "Version";
inline constexpr std::string_view kRelease = "Release";
inline constexpr std::string_view kPart = "Part";
inline constexpr std::string_view kParts = "Parts";
inline constexpr std::string_view kPartInfo = "Part info";
}  // namespace sheet_field

struct SheetField {
  std::string_view name;  // one of sheet_field
  std::string text;
};

// One per-band row; cells are indexed by band index and empty outside the
// set's band range.
struct SheetRow {
  std::string label;  // as the sheet labels it ("Sensitivity:", "Axial DI:", ...)
  std::string unit;
  std::array<std::string, model::kMaxBands> cells;
};

// The rows in sheet order, also the EA graph selections 0 to 6.
enum class SheetRowId : int {
  InputVoltage = 0,
  Sensitivity,
  Impedance,
  HorizontalWidth,
  VerticalWidth,
  AxialQ,
  AxialSpectrum,
};
inline constexpr int kSheetRows = 7;

struct DataSheet {
  std::vector<SheetField> fields;
  std::array<SheetRow, kSheetRows> rows;
  int firstBand = 0;  // the set's band range
  int lastBand = -1;
  // Band selector: one label per band from the first band, and the band
  // selected after a read.
  std::vector<std::string> bandChoices;
  int selectedBand = 0;
  bool inputVoltageSelectable = false;  // the file gave input voltages
  int eaSelection = 1;                  // the EA graph the sheet selects

  // The text of a field; empty for a name the sheet does not have.
  std::string_view Field(std::string_view name) const;
  const SheetRow& Row(SheetRowId id) const { return rows[static_cast<int>(id)]; }
};

// Builds every text of the sheet for the set read from `currentFile`; of the
// options only the DI switch changes it. Numbers use a decimal comma when
// `decimalComma` is set.
DataSheet BuildDataSheet(const model::DataSet& set, const analysis::DirectivityFigures& figures,
                         graphs::OptionSet options, bool decimalComma,
                         std::string_view currentFile);

// The sheet's nine band columns.
inline constexpr int kSheetColumns = 9;

// The bands the columns show: ZEF1 always bands 1 to 9, ZEF2 the window of
// nine bands from `windowStart`. A column without a band of the set's range
// holds -1 (its cells are disabled and cleared).
std::array<int, kSheetColumns> ColumnBands(const model::DataSet& set, int windowStart);

// Band window of a ZEF2 sheet after a read: from the first band of the set.
struct BandWindow {
  int first = 0;
  int last = 0;
};
BandWindow InitialBandWindow(const model::DataSet& set);

// Label of a band in the selector and over its column ("63", "1k", "1.25k").
std::string_view ColumnLabel(model::FormatKind kind, int band);

}  // namespace zef::app
