#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/clipboard_tables.h"
#include "app/data_sheet.h"
#include "app/fake_platform.h"
#include "case_file.h"

namespace zef::app {
namespace {

using model::FormatKind;
using model::PerBand;
using testing::SetBands;
using testing::SheetSet;

constexpr float kNoData = model::kNoData;

// A table with its tabs shown as "|" and a carriage return as "<CR>".
std::string Shown(const std::string& table) {
  std::string out;
  for (const char c : table) out += c == '\t' ? "|" : c == '\r' ? "<CR>" : std::string(1, c);
  return out + "\n";
}

// The sheet of a set as text: its bands, its rows over the band range,
// when asked its fields, and the two tables the clipboard takes.
std::string Dump(const char* title, const model::DataSet& set,
                 const analysis::DirectivityFigures& figures = {}, bool di = false,
                 bool comma = false, bool fields = false) {
  graphs::OptionSet options;
  options.Set(graphs::Option::kShowDi, di);
  const DataSheet sheet = BuildDataSheet(set, figures, options, comma, "/data/box.ZF1");
  std::string out = std::string("== ") + title + "\nbands " + std::to_string(sheet.firstBand) +
                    "-" + std::to_string(sheet.lastBand) + ", selected " +
                    std::to_string(sheet.selectedBand) + ", EA " +
                    std::to_string(sheet.eaSelection) + ", choices";
  for (const std::string& choice : sheet.bandChoices) out += " " + choice;
  for (const SheetRow& row : sheet.rows) {
    out += "\n" + row.label + " [" + row.unit + "]";
    const int last = std::min(sheet.lastBand + 1, model::kMaxBands - 1);
    for (int band = std::max(sheet.firstBand - 1, 0); band <= last; ++band)
      out += " |" + row.cells[band];
  }
  for (const SheetField& f : sheet.fields)
    out += fields ? "\n" + std::string(f.name) + ": " + f.text : "";
  return out + "\nsensitivity table: " + Shown(SensitivityTable(set, "/data/box.ZF1", comma)) +
         "axial spectrum table: " + Shown(AxialSpectrumTable(set, "/data/box.ZF1", comma));
}

TEST(DataSheet, RowsAndFieldsOfRepresentativeSets) {
  std::string text;
  model::DataSet set = SheetSet(FormatKind::Zef1, 4, 6);
  SetBands(set, PerBand::InputVoltage, 4, {2.8284f, 12.5f, kNoData});
  SetBands(set, PerBand::Sensitivity, 4, {87.5f, kNoData, 101.04f});
  SetBands(set, PerBand::Impedance, 4, {1500.0f, 999.94f, 1000.0f});
  text += Dump("electrical rows, number formats and missing values", set);
  EXPECT_EQ(SensitivityTable(set, "C:\\data\\box.ZF1", false),
            SensitivityTable(set, "/data/box.ZF1", false));
  text += Dump("the same with a decimal comma", set, {}, false, true);
  set.info->type = model::SpeakerType::Powered;
  set.impedance = {6.0f, 7.5f};
  text += Dump("a powered loudspeaker: no electrical rows, the axial spectrum", set, {}, false,
               false, true);

  set = SheetSet(FormatKind::Zef1, 1, 3);
  SetBands(set, PerBand::AxialQ, 1, {10.0f, 2.0f, 1.04f});
  analysis::DirectivityFigures figures;
  figures.horizontalWidth = {0, 85.7f, 85.0f, 85.2f};
  figures.horizontalOffClass = {0, 1, 2, 0};  // 7 and 12 degrees off, then on axis
  figures.verticalWidth = {0, -0.5f, 120.9f, kNoData};
  figures.verticalOffClass = {0, 0, 1, 2};
  figures.offAxisClass = {0, 1, 2, 0};
  text += Dump("widths and Q carry the off-axis marks", set, figures);
  text += Dump("the same as DI", set, figures, true);
  set.data.Array(PerBand::AxialQ)[2] = 0.0f;
  text += Dump("a Q that is not there has no DI either", set, {}, true);

  set = SheetSet(FormatKind::Zef1, 5, 7);
  std::fill_n(set.info->axialSpectrum, 30, kNoData);
  const float thirds[] = {90, 90, 90, 90, kNoData, 90, 80, 83, 86};
  std::copy_n(thirds, 9, set.info->axialSpectrum + 15);
  set.info->axialSpectrum[29] = -10000.0f;
  text += Dump("an axial spectrum not given: whatever the record holds", set);
  set.info->presenceFlags |= model::presence::kAxialSpectrum;
  text += Dump("given: summed over the octave, none with a third missing", set);
  model::DataSet zef2 = SheetSet(FormatKind::Zef2, 15, 17);
  zef2.info->presenceFlags |= model::presence::kAxialSpectrum;
  std::copy_n(set.info->axialSpectrum, 30, zef2.info->axialSpectrum);
  zef2.info->axialSpectrum[16] = 87.54f;
  text += Dump("per third-octave band, decimal comma", zef2, {}, false, true);

  set = SheetSet(FormatKind::Zef1, 5, 6);
  model::InfoRecord& info = *set.info;
  info.weight = 12.5f;
  model::SetText(info.description, "A box");
  model::SetText(info.colors, "black");  // stored, but its flag is not set
  model::SetText(info.mounting, "bracket");
  model::SetText(info.measurementDate, "2024-JAN-05");
  info.measurementDistance = 4.0f;
  info.presenceFlags = model::presence::kMounting | model::presence::kMeasurementDistance;
  info.type = model::SpeakerType::Active;
  model::SetText(info.typeInfo, "DSP required");
  text += Dump("descriptive fields", set, {}, false, false, true);
  info.type = model::SpeakerType::Passive;
  info.radiation = model::Radiation::FullSphere;
  set.draft = 2;
  set.impedance = {0.0f, 1500.0f};
  info.meanImpedance = 8.04f;
  info.maxInputValue = 100.0f;
  text += Dump("passive, full sphere, a draft; impedance figures and power", set, {}, false, true,
               true);
  info.maxInputKind = model::MaxInputKind::Voltage;
  info.maxInputValue = 28.28f;  // into 8 ohms 100 W; 3 dB more is 199.5 W, shown whole
  text += Dump("a voltage rating", set, {}, false, false, true);

  set = SheetSet(FormatKind::Zef2, 3, 5);
  set.version = 2;
  set.systemPart.part = 1;
  set.systemPart.parts = 2;
  model::SetText(set.systemPart.partText, "Top");
  text += Dump("version 2 without phase data: no part fields", set, {}, false, false, true);
  set.info->presenceFlags |= model::presence::kPhaseData;
  set.phase = std::make_unique<model::PhaseBlock>();
  text += Dump("with phase data", set, {}, false, false, true);
  // A range read from a damaged file never indexes past the arrays.
  text += Dump("ZEF1 bands 7 to 4000", SheetSet(FormatKind::Zef1, 7, 4000));
  text += Dump("ZEF2 bands 31 to 40", SheetSet(FormatKind::Zef2, 31, 40));
  zef::testing::ExpectGolden("app/golden/data_sheets.txt", text);
}

}  // namespace
}  // namespace zef::app
