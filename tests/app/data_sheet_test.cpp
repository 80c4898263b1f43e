#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/data_sheet.h"
#include "app/fake_platform.h"

namespace zef::app {
namespace {

using model::FormatKind;
using model::PerBand;
using testing::SetBands;
using testing::SheetSet;
namespace field = sheet_field;

constexpr float kNoData = model::kNoData;

DataSheet Sheet(const model::DataSet& set, const analysis::DirectivityFigures& figures = {},
                bool di = false, bool comma = false) {
  graphs::OptionSet options;
  options.Set(graphs::Option::kShowDi, di);
  return BuildDataSheet(set, figures, options, comma, "/data/box.ZF1");
}

// The row's cells over the band range, joined by "|".
std::string Cells(const DataSheet& sheet, SheetRowId row) {
  std::string joined;
  for (int band = sheet.firstBand; band <= sheet.lastBand; ++band) {
    joined += (band > sheet.firstBand ? "|" : "") + sheet.Row(row).cells[band];
  }
  return joined;
}

// The named fields, each followed by "|".
std::string Fields(const DataSheet& sheet, std::initializer_list<std::string_view> names) {
  std::string line;
  for (const std::string_view name : names) line += std::string(sheet.Field(name)) + "|";
  return line;
}

TEST(DataSheet, ElectricalRowsFormatsAndMissingValues) {
  model::DataSet set = SheetSet(FormatKind::Zef1, 4, 6);
  SetBands(set, PerBand::InputVoltage, 4, {2.8284f, 12.5f, kNoData});
  SetBands(set, PerBand::Sensitivity, 4, {87.5f, kNoData, 101.04f});
  SetBands(set, PerBand::Impedance, 4, {1500.0f, 999.94f, 1000.0f});
  DataSheet sheet = Sheet(set);
  EXPECT_EQ(Cells(sheet, SheetRowId::InputVoltage), "2.828|12.50| -");
  EXPECT_EQ(Cells(sheet, SheetRowId::Sensitivity), "87.5| -|101.0");
  EXPECT_EQ(Cells(sheet, SheetRowId::Impedance), "1.50k|999.9|1.00k");
  // Bands outside the range stay empty.
  EXPECT_EQ(sheet.Row(SheetRowId::Sensitivity).cells[7], "");
  EXPECT_EQ(sheet.eaSelection, 1);
  EXPECT_EQ(Cells(Sheet(set, {}, false, true), SheetRowId::Impedance), "1,50k|999,9|1,00k");

  // A powered loudspeaker shows none of them and selects the axial spectrum.
  set.info->type = model::SpeakerType::Powered;
  set.impedance = {6.0f, 7.5f};
  sheet = Sheet(set);
  EXPECT_EQ(Cells(sheet, SheetRowId::InputVoltage) + Cells(sheet, SheetRowId::Sensitivity), "||||");
  EXPECT_EQ(sheet.Field(field::kNominalImpedance), "");
  EXPECT_EQ(sheet.eaSelection, 6);
}

TEST(DataSheet, WidthsAndQCarryTheOffAxisMarks) {
  model::DataSet set = SheetSet(FormatKind::Zef1, 1, 3);
  SetBands(set, PerBand::AxialQ, 1, {10.0f, 2.0f, 1.04f});
  analysis::DirectivityFigures figures;
  figures.horizontalWidth = {0, 85.7f, 85.0f, 85.2f};
  figures.horizontalOffClass = {0, 1, 2, 0};  // 7 and 12 degrees off, then on axis
  figures.verticalWidth = {0, -0.5f, 120.9f, kNoData};
  figures.verticalOffClass = {0, 0, 1, 2};
  figures.offAxisClass = {0, 1, 2, 0};
  DataSheet sheet = Sheet(set, figures);
  EXPECT_EQ(Cells(sheet, SheetRowId::HorizontalWidth), "(85)|[85]|85");
  EXPECT_EQ(Cells(sheet, SheetRowId::VerticalWidth), "0|(120)| -");
  EXPECT_EQ(Cells(sheet, SheetRowId::AxialQ), "(10.0)|[2.0]|1.0");

  sheet = Sheet(set, figures, true);
  EXPECT_EQ(Cells(sheet, SheetRowId::AxialQ), "(10.0)|[3.0]|0.2");
  EXPECT_EQ(sheet.Row(SheetRowId::AxialQ).label, "Axial DI:");
  // A Q that is not there has no DI either.
  set.data.Array(PerBand::AxialQ)[2] = 0.0f;
  EXPECT_EQ(Cells(Sheet(set, {}, true), SheetRowId::AxialQ), "10.0| -|0.2");
}

TEST(DataSheet, AxialSpectrumPerBandOrSummedOverTheOctave) {
  model::DataSet set = SheetSet(FormatKind::Zef1, 5, 7);
  float* spectrum = set.info->axialSpectrum;
  for (int i = 0; i < 30; ++i) spectrum[i] = kNoData;
  const float thirds[] = {90, 90, 90, 90, kNoData, 90, 80, 83, 86};
  for (int i = 0; i < 9; ++i) spectrum[15 + i] = thirds[i];
  // Not given: " -" whatever the record holds.
  EXPECT_EQ(Cells(Sheet(set), SheetRowId::AxialSpectrum), " -| -| -");
  set.info->presenceFlags |= model::presence::kAxialSpectrum;
  // 1k: three times 90 dB; 2k: a third missing; 4k: 80, 83 and 86 dB.
  EXPECT_EQ(Cells(Sheet(set), SheetRowId::AxialSpectrum), "94.8||88.4");

  model::DataSet zef2 = SheetSet(FormatKind::Zef2, 15, 17);
  zef2.info->presenceFlags |= model::presence::kAxialSpectrum;
  std::copy(set.info->axialSpectrum, set.info->axialSpectrum + 30, zef2.info->axialSpectrum);
  zef2.info->axialSpectrum[16] = 87.54f;
  EXPECT_EQ(Cells(Sheet(zef2, {}, false, true), SheetRowId::AxialSpectrum), "90,0|87,5|90,0");
}

TEST(DataSheet, DescriptiveFieldsInSheetOrder) {
  model::DataSet set = SheetSet(FormatKind::Zef1, 5, 6);
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
  std::string lines;
  for (const SheetField& f : Sheet(set).fields) lines += std::string(f.name) + ": " + f.text + "\n";
  EXPECT_EQ(lines,
            "Title: box.ZF1 - ZEF reader/viewer\nModel name: Box 1\nWeight: 12.50\n"
            "Description: A box\nColors:  -\nRadiation: halfsphere\nMounting: bracket\n"
            "Type: active\nType info: DSP required\nManufacturer: Acme\nWeb-site: \n"
            "Contact: \nE-mail: \nDate: 2024-JAN-05\nMeasurement info:  -\nDistance: 4.000\n"
            "Environment:  -\nNominal impedance:  -\nMinimum impedance:  -\n"
            "Average impedance:  -\nMax input label: Max input power:\nMax input: 0.0\n"
            "Max input unit: W\nMax input level:  -\nEquivalent power: \nFormat: ZEF1\n"
            "Band kind: 1/1\nVersion: 1\nRelease: final\nPart: \nParts: \nPart info: \n");

  info.type = model::SpeakerType::Passive;
  info.radiation = model::Radiation::FullSphere;
  set.draft = 2;
  EXPECT_EQ(Fields(Sheet(set, {}, false, true),
                   {field::kTypeInfo, field::kRadiation, field::kRelease, field::kWeight}),
            "|fullsphere|draft 2|12,50|");
}

TEST(DataSheet, ImpedanceFiguresAndMaximumInput) {
  model::DataSet set = SheetSet(FormatKind::Zef1, 5, 6);
  set.impedance = {0.0f, 1500.0f};
  set.info->meanImpedance = 8.04f;
  set.info->maxInputValue = 100.0f;
  const auto names = {field::kNominalImpedance, field::kMinimumImpedance, field::kAverageImpedance,
                      field::kMaxInputLabel,    field::kMaxInputUnit,     field::kMaxInput,
                      field::kMaxInputLevel,    field::kEquivalentPower};
  EXPECT_EQ(Fields(Sheet(set), names), "1.5k| -|8.0|Max input power:|W|100.0|20.0||");
  set.info->maxInputKind = model::MaxInputKind::Voltage;
  set.info->maxInputValue = 28.28f;
  // 28.28 V into 8 ohms is 100 W; 3 dB more is 199.5 W, shown whole.
  EXPECT_EQ(Fields(Sheet(set, {}, false, true), names),
            "1,5k| -|8,0|Max input voltage:|Vrms|28,3|20,0|199|");
}

TEST(DataSheet, PartFieldsOnlyForVersion2PhaseData) {
  model::DataSet set = SheetSet(FormatKind::Zef2, 3, 29);
  set.version = 2;
  set.systemPart.part = 1;
  set.systemPart.parts = 2;
  model::SetText(set.systemPart.partText, "Top");
  const auto bottomLine = [&] {
    return Fields(Sheet(set), {field::kFormat, field::kBandKind, field::kVersion, field::kPart,
                               field::kParts, field::kPartInfo});
  };
  EXPECT_EQ(bottomLine(), "ZEF2|1/3|2||||");
  set.info->presenceFlags |= model::presence::kPhaseData;
  set.phase = std::make_unique<model::PhaseBlock>();
  EXPECT_EQ(bottomLine(), "ZEF2|1/3|2|1|2|Top|");
}

TEST(DataSheet, BandSelectorAndColumns) {
  // Kind, first and last band: the band selected first and the initial window.
  const std::tuple<FormatKind, int, int, std::tuple<int, int, int>> cases[] = {
      {FormatKind::Zef1, 2, 5, {5, 1, 9}},      {FormatKind::Zef1, 6, 9, {6, 1, 9}},
      {FormatKind::Zef1, 1, 4, {1, 1, 9}},      {FormatKind::Zef2, 20, 25, {20, 20, 28}},
      {FormatKind::Zef2, 21, 29, {21, 21, 29}}, {FormatKind::Zef2, 22, 25, {22, 22, 25}},
  };
  for (const auto& [kind, first, last, expected] : cases) {
    const model::DataSet set = SheetSet(kind, first, last);
    const auto window = InitialBandWindow(set);
    EXPECT_EQ(std::tuple(Sheet(set).selectedBand, window.first, window.last), expected) << first;
  }
  using Labels = std::vector<std::string>;
  EXPECT_EQ(Sheet(SheetSet(FormatKind::Zef2, 16, 18)).bandChoices, (Labels{"1k", "1.25k", "1.6k"}));
  EXPECT_EQ(ColumnBands(SheetSet(FormatKind::Zef1, 2, 3), 7),
            (std::array<int, kSheetColumns>{-1, 2, 3, -1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(ColumnBands(SheetSet(FormatKind::Zef2, 3, 29), 25),
            (std::array<int, kSheetColumns>{25, 26, 27, 28, 29, -1, -1, -1, -1}));
  // A range read from a damaged file never indexes past the arrays.
  EXPECT_EQ(Sheet(SheetSet(FormatKind::Zef1, 7, 4000)).lastBand, 9);
  EXPECT_EQ(Sheet(SheetSet(FormatKind::Zef2, 31, 40)).bandChoices.size(), 0u);
}

}  // namespace
}  // namespace zef::app
