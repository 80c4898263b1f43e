#include "app/data_sheet.h"

#include <cmath>

#include "analysis/band_range.h"
#include "analysis/band_curves.h"
#include "app/data_sheet_format.h"
#include "app/data_sheet_rows.h"
#include "app/loaded_file_texts.h"
#include "graphs/number_format.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

namespace field = sheet_field;
using model::presence::kColors;
using model::presence::kMeasurementDistance;
using model::presence::kMeasurementEnvironment;
using model::presence::kMeasurementNote;
using model::presence::kMounting;

// The 1000 Hz octave, selected first when the set has it.
constexpr int kZef1PreferredBand = 5;
// A ZEF2 window that would end beyond this band ends at the set's last band.
constexpr int kZef2LastFullWindowEnd = 28;
constexpr float kVoltageLevelReference = 2.828f;  // V into 8 ohms for 1 W

class FieldWriter {
 public:
  FieldWriter(std::vector<SheetField>& fields, std::uint32_t presence)
      : fields_(fields), presence_(presence) {}

  void Add(std::string_view name, std::string text) { fields_.push_back({name, std::move(text)}); }
  // A text the file may leave out: " -" unless its presence flag is set.
  void AddOptional(std::string_view name, std::uint32_t flag, std::string_view text) {
    Add(name, (presence_ & flag) != 0 ? std::string(text) : kMissingText);
  }

 private:
  std::vector<SheetField>& fields_;
  std::uint32_t presence_;
};

std::string TypeText(model::SpeakerType type) {
  switch (type) {
    case model::SpeakerType::Active:
      return "active";
    case model::SpeakerType::Powered:
      return "powered";
    default:
      return "passive";
  }
}

void AddDescriptiveFields(const model::DataSet& set, bool comma, FieldWriter& out) {
  const model::InfoRecord& info = *set.info;
  using model::TextOf;
  out.Add(field::kModelName, std::string(TextOf(info.modelName)));
  out.Add(field::kWeight, graphs::FormatFixed(info.weight, 2, comma));
  out.Add(field::kDescription, std::string(TextOf(info.description)));
  out.AddOptional(field::kColors, kColors, TextOf(info.colors));
  out.Add(field::kRadiation,
          info.radiation == model::Radiation::FullSphere ? "fullsphere" : "halfsphere");
  out.AddOptional(field::kMounting, kMounting, TextOf(info.mounting));
  out.Add(field::kType, TypeText(info.type));
  out.Add(field::kTypeInfo,
          info.type == model::SpeakerType::Passive ? "" : std::string(TextOf(info.typeInfo)));
  out.Add(field::kManufacturer, std::string(TextOf(info.manufacturer)));
  out.Add(field::kWebSite, std::string(TextOf(info.webSite)));
  out.Add(field::kContact, std::string(TextOf(info.measurementContact)));
  out.Add(field::kEmail, std::string(TextOf(info.measurementEmail)));
  out.Add(field::kDate, std::string(TextOf(info.measurementDate)));
  out.AddOptional(field::kMeasurementInfo, kMeasurementNote, TextOf(info.measurementNote));
  out.AddOptional(field::kDistance, kMeasurementDistance,
                  graphs::FormatFixed(info.measurementDistance, 3, comma));
  out.AddOptional(field::kEnvironment, kMeasurementEnvironment,
                  TextOf(info.measurementEnvironment));
}

std::string ImpedanceFigureText(float ohms, bool comma) {
  return ohms > 0.0f ? KiloText(ohms, 1, 1, comma) : kMissingText;
}

void AddImpedanceFigures(const model::DataSet& set, bool comma, FieldWriter& out) {
  const bool powered = set.info->type == model::SpeakerType::Powered;
  const auto text = [&](float ohms) { return powered ? "" : ImpedanceFigureText(ohms, comma); };
  out.Add(field::kNominalImpedance, text(set.impedance.reducedLowest));
  out.Add(field::kMinimumImpedance, text(set.impedance.lowest));
  out.Add(field::kAverageImpedance, text(set.info->meanImpedance));
}

void AddMaxInput(const model::InfoRecord& info, bool comma, FieldWriter& out) {
  const bool voltage = info.maxInputKind == model::MaxInputKind::Voltage;
  const float value = info.maxInputValue;
  out.Add(field::kMaxInputLabel, voltage ? "Max input voltage:" : "Max input power:");
  out.Add(field::kMaxInput, graphs::FormatFixed(value, 1, comma));
  out.Add(field::kMaxInputUnit, voltage ? "Vrms" : "W");
  std::string level = kMissingText;
  if (value > 0.0f) {
    const double dB =
        voltage ? 20.0 * std::log10(value / kVoltageLevelReference) : 10.0 * std::log10(value);
    level = graphs::FormatFixed(dB, 1, comma);
  }
  out.Add(field::kMaxInputLevel, level);
  out.Add(field::kEquivalentPower, voltage ? WholeText(analysis::EquivalentPower(value)) : "");
}

void AddFormatLine(const model::DataSet& set, FieldWriter& out) {
  const bool zef2 = set.kind == model::FormatKind::Zef2;
  out.Add(field::kFormat, zef2 ? "ZEF2" : "ZEF1");
  out.Add(field::kBandKind, zef2 ? "1/3" : "1/1");
  out.Add(field::kVersion, std::to_string(set.version));
  out.Add(field::kRelease, set.draft == 0 ? "final" : "draft " + std::to_string(set.draft));
  const bool hasPart = zef2 && set.version == 2 && set.HasPhaseData();
  const model::SystemPartRecord& part = set.systemPart;
  out.Add(field::kPart, hasPart ? std::to_string(part.part) : "");
  out.Add(field::kParts, hasPart ? std::to_string(part.parts) : "");
  out.Add(field::kPartInfo, hasPart ? std::string(model::TextOf(part.partText)) : "");
}

int InitialBand(const model::DataSet& set, const analysis::BandRange& range) {
  if (set.kind == model::FormatKind::Zef1 && range.first <= kZef1PreferredBand &&
      range.last >= kZef1PreferredBand) {
    return kZef1PreferredBand;
  }
  return range.first;
}

}  // namespace

std::string_view DataSheet::Field(std::string_view name) const {
  for (const SheetField& f : fields) {
    if (f.name == name) return f.text;
  }
  return {};
}

std::string_view ColumnLabel(model::FormatKind kind, int band) {
  if (kind == model::FormatKind::Zef2) return model::Zef2ShortLabel(band);
  // The octave axis starts one octave below the first ZEF1 band.
  return band > 0 ? graphs::OctaveLabel(band) : std::string_view();
}

BandWindow InitialBandWindow(const model::DataSet& set) {
  const analysis::BandRange range = analysis::BandsOf(set.data);
  if (set.kind == model::FormatKind::Zef1) return {1, kSheetColumns};
  BandWindow window{range.first, range.first + kSheetColumns - 1};
  if (window.last > kZef2LastFullWindowEnd) window.last = range.last;
  return window;
}

std::array<int, kSheetColumns> ColumnBands(const model::DataSet& set, int windowStart) {
  const analysis::BandRange range = analysis::BandsOf(set.data);
  const int first = set.kind == model::FormatKind::Zef1 ? 1 : windowStart;
  std::array<int, kSheetColumns> bands{};
  for (int column = 0; column < kSheetColumns; ++column) {
    const int band = first + column;
    bands[column] = band >= range.first && band <= range.last ? band : -1;
  }
  return bands;
}

DataSheet BuildDataSheet(const model::DataSet& set, const analysis::DirectivityFigures& figures,
                         graphs::OptionSet options, bool decimalComma,
                         std::string_view currentFile) {
  DataSheet sheet;
  FieldWriter out(sheet.fields, set.info->presenceFlags);
  out.Add(field::kTitle, WindowTitleFor(currentFile));
  AddDescriptiveFields(set, decimalComma, out);
  AddImpedanceFigures(set, decimalComma, out);
  AddMaxInput(*set.info, decimalComma, out);
  AddFormatLine(set, out);

  const analysis::BandRange range = analysis::BandsOf(set.data);
  sheet.firstBand = range.first;
  sheet.lastBand = range.last;
  for (int band = range.first; band <= range.last; ++band) {
    sheet.bandChoices.emplace_back(ColumnLabel(set.kind, band));
  }
  sheet.selectedBand = InitialBand(set, range);
  sheet.inputVoltageSelectable = (set.info->presenceFlags & model::presence::kInputVoltage) != 0;
  const bool powered = set.info->type == model::SpeakerType::Powered;
  sheet.eaSelection =
      static_cast<int>(powered ? SheetRowId::AxialSpectrum : SheetRowId::Sensitivity);
  sheet.rows =
      BuildSheetRows(set, figures, range, options.Get(graphs::Option::kShowDi), decimalComma);
  return sheet;
}

}  // namespace zef::app
