#include <algorithm>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

#include "textformat/keyword_groups.h"

namespace zef::textformat {
namespace {

using model::PerBand;

constexpr std::string_view kMinBand = "<MINBAND>";
constexpr std::string_view kMaxBand = "<MAXBAND>";
constexpr std::string_view kPhaseData = "<PHASEDATA>";
constexpr std::string_view kSensitivity = "<SENSITIVITY>";
constexpr std::string_view kSensitivityPhase = "<SENSITIVITY-PHASE>";
constexpr std::string_view kImpedance = "<IMPEDANCE>";
constexpr std::string_view kMaxInput = "<TOTMAXINPUT>";
constexpr std::string_view kCustomSpectrum = "<CUSTOM-SPECTRUM>";
constexpr std::string_view kAxialSpectrum = "<AXIAL-SPECTRUM>";

constexpr int kZef2LowestMinBand = 3;  // 50 Hz
constexpr int kSpectrumBands = 30;
constexpr float kDefaultSensitivity = 90.0f;
constexpr float kDefaultImpedance = 8.0f;
constexpr float kMaxImpedance = 100000.0f;
constexpr float kMaxSensitivity = 160.0f;
constexpr float kSmallestMaxInput = 0.000001f;

// ---- Helpers shared by the lines of this group

int MinBandOf(Reader& r) {
  return static_cast<int>(r.Data().MinBand());
}
int MaxBandOf(Reader& r) {
  return static_cast<int>(r.Data().MaxBand());
}

void FillBands(Reader& r, std::span<float> array, float value) {
  for (int band = MinBandOf(r); band <= MaxBandOf(r); ++band) array[band] = value;
}

// What a line of per-band values gave.
enum class LineValues { Given, Empty, Failed };

// Reads a keyword line whose values may not all be "<NODATA>".
LineValues ExpectValuesLine(Reader& r, std::string_view keyword) {
  if (!r.ExpectKeywordWithValues(keyword)) return LineValues::Failed;
  if (r.RemainingAllNoData()) {
    r.Fatal("<nodata> can't be used for all values in ", keyword);
    return LineValues::Failed;
  }
  return r.ValueCount() == 0 ? LineValues::Empty : LineValues::Given;
}

// A per-band line whose empty form is a non-fatal error that gives every band
// of the range the default.
LineValues ReadPerBandOrDefault(Reader& r, std::string_view keyword, std::span<float> array,
                                float fallback) {
  const LineValues got = ExpectValuesLine(r, keyword);
  if (got == LineValues::Empty) {
    r.NonFatal(keyword, " data missing");
    FillBands(r, array, fallback);
  }
  if (got == LineValues::Given && !r.ReadPerBand(keyword, array)) return LineValues::Failed;
  return got;
}

// Stores an information text; a text without anything visible counts as not given.
void StoreInfoText(Reader& r, char (&field)[256], std::uint32_t bit) {
  r.ToText(field, true);
  if (HasVisibleText(model::TextOf(field))) {
    r.Info().presenceFlags |= bit;
  } else {
    r.Info().presenceFlags &= ~bit;
  }
}

// A keyword line with an optional information text.
bool ReadInfoLine(Reader& r, std::string_view keyword, char (&field)[256], std::uint32_t bit) {
  if (!r.ExpectKeywordWithValues(keyword)) return false;
  if (r.NextValue()) StoreInfoText(r, field, bit);
  return true;
}

// Exactly 30 values by band index, whatever the band range.
bool ReadSpectrum(Reader& r, std::string_view keyword, std::span<float> spectrum) {
  return r.ReadValuesInto(keyword, spectrum, 0, kSpectrumBands - 1);
}

// ---- Band range and phase switch

bool ReadBand(Reader& r, std::string_view keyword, std::uint32_t& band) {
  if (!r.ExpectKeywordWithValues(keyword)) return false;
  if (!r.NextValue()) return r.Fatal(keyword, " value expected");
  const std::optional<int> found = model::FindBand(r.Kind(), r.Value());
  if (!found) return r.Fatal(keyword, " illegal value");
  if (keyword == kMinBand && r.Kind() == model::FormatKind::Zef2 && *found < kZef2LowestMinBand) {
    return r.Fatal(keyword, " illegal value");
  }
  band = static_cast<std::uint32_t>(*found);
  return true;
}

bool ReadPhaseUnit(Reader& r) {
  if (!r.NextValue() || !r.ValueIs("<UNIT>")) return r.Fatal(kPhaseData, "<UNIT> expected");
  if (!r.NextValue()) return r.Fatal(kPhaseData, "<UNIT> value (<deg> or <rad>) expected");
  if (r.ValueIs("<DEG>")) {
    r.State().phaseInDegrees = true;
  } else if (r.ValueIs("<RAD>")) {
    r.State().phaseInDegrees = false;
  } else {
    return r.Fatal(kPhaseData, "<UNIT> unknown value (not (<deg> or <rad>))");
  }
  r.Info().presenceFlags |= model::presence::kPhaseData;
  return true;
}

bool ReadPhaseData(Reader& r) {
  if (!r.ExpectKeywordWithValues(kPhaseData)) return false;
  if (r.NextValue()) {
    if (r.ValueIs("<NO>")) return true;
    if (r.ValueIs("<YES>")) return ReadPhaseUnit(r);
  }
  return r.Fatal(kPhaseData, "<yes> or <no> expected");
}

// ---- Sensitivity

bool ReadSensitivity(Reader& r) {
  const std::span<float> sensitivity = r.Data().Array(PerBand::Sensitivity);
  const LineValues got = ReadPerBandOrDefault(r, kSensitivity, sensitivity, kDefaultSensitivity);
  // Missing values are refused here too: the range check skips nothing.
  return got == LineValues::Empty ||
         (got == LineValues::Given &&
          r.CheckRealisticRange(kSensitivity, sensitivity, 0.0f, kMaxSensitivity));
}

bool ReadSensitivityPhase(Reader& r) {
  if (!r.Set().phase) r.Set().phase = std::make_unique<model::PhaseBlock>();
  const std::span<float> phase(r.Set().phase->sensitivity);
  if (!r.ExpectKeywordWithValues(kSensitivityPhase)) return false;
  if (r.ValueCount() == 0) {
    r.NonFatal(kSensitivityPhase, " data missing");
    FillBands(r, phase, 0.0f);
    return true;
  }
  if (!r.ReadPerBand(kSensitivityPhase, phase)) return false;
  if (r.State().phaseInDegrees) {
    // Missing values keep their marker so that users still see them as missing.
    for (int band = MinBandOf(r); band <= MaxBandOf(r); ++band) {
      if (!model::IsMissing(phase[band])) phase[band] *= model::kDegreesToRadians;
    }
  }
  return true;
}

// ---- Impedance

void ComputeImpedanceFigures(Reader& r, std::span<const float> impedance) {
  double sum = 0;
  int count = 0;
  for (int band = MinBandOf(r); band <= MaxBandOf(r); ++band) {
    if (model::IsMissing(impedance[band])) continue;
    sum += impedance[band];
    ++count;
  }
  r.Info().meanImpedance = count > 0 ? static_cast<float>(sum / count) : 0.0f;
  r.Set().impedance = model::ImpedanceFiguresOf(r.Set());
}

bool ReadImpedance(Reader& r) {
  const std::span<float> impedance = r.Data().Array(PerBand::Impedance);
  const LineValues got = ReadPerBandOrDefault(r, kImpedance, impedance, kDefaultImpedance);
  if (got == LineValues::Failed ||
      (got == LineValues::Given &&
       !r.CheckAllowedRange(kImpedance, impedance, 0.0f, kMaxImpedance))) {
    return false;
  }
  // The figures follow the stored values, defaults included, as the binary
  // readers recompute them from the same array.
  ComputeImpedanceFigures(r, impedance);
  return true;
}

// ---- Maximum input

void SetMaxInputDefaults(Reader& r) {
  r.NonFatal(kMaxInput, " <VOLTAGE> or <POWER> expected");
  r.Info().maxInputKind = model::MaxInputKind::Power;
  r.Info().maxInputValue = -1.0f;
  r.Info().maxInputMethod = model::TestMethod::Aes2_1984;
}

// The line itself is optional in effect: when it cannot be read, the defaults
// stand and reading goes on with the line after it.
bool OpenMaxInputLine(Reader& r) {
  const Reader::Probe probe = r.TryKeyword(kMaxInput);
  if (probe == Reader::Probe::Other) {
    r.Report(kMaxInput, " expected");
    r.PutBackKeyword();  // most likely <RADIATION>: the line is optional in effect
  }
  if (probe != Reader::Probe::Match) return false;
  switch (r.Scanner().ReadValues()) {
    case LineScanner::Status::Ok:
      return r.ValueCount() > 0;
    case LineScanner::Status::NoValues:
      r.Report("No data found after ", kMaxInput);
      return false;
    default:
      r.Report("end of file");
      return false;
  }
}

bool ReadMaxInputValue(Reader& r) {
  const bool power = r.Info().maxInputKind == model::MaxInputKind::Power;
  const std::string_view tooSmall = power ? "<POWER> must be > 0 W" : "<VOLTAGE> must be > 0 Vrms";
  if (!r.NextValue()) {
    return r.Fatal(kMaxInput, power ? " <POWER> value expected" : " <VOLTAGE> value expected");
  }
  float value = 0;
  if (!r.ToReal(value) || value < kSmallestMaxInput) return r.Fatal(kMaxInput, tooSmall);
  r.Info().maxInputValue = value;
  return true;
}

bool ReadMethod(Reader& r) {
  if (!r.NextValue() || !r.ValueIs("<METHOD>")) return r.Fatal(kMaxInput, " <METHOD> expected");
  if (!r.NextValue()) return r.Fatal(kMaxInput, " <METHOD> value expected");
  constexpr std::pair<std::string_view, model::TestMethod> kMethods[] = {
      {"<AES2-1984>", model::TestMethod::Aes2_1984},
      {"<IEC-268-1>", model::TestMethod::Iec268_1},
      {"<EIA-426-B>", model::TestMethod::Eia426B},
      {"<CUSTOM>", model::TestMethod::Custom},
  };
  for (const auto& [token, method] : kMethods) {
    if (r.ValueIs(token)) {
      r.Info().maxInputMethod = method;
      return true;
    }
  }
  return r.Fatal("<METHOD>", " illegal value");
}

bool ReadMethodInfo(Reader& r) {
  if (!r.NextValue()) {
    if (r.Info().maxInputMethod == model::TestMethod::Custom) return r.Fatal("<INFO> expected");
    return true;
  }
  if (!r.ValueIs("<INFO>")) return r.Fatal("<INFO> expected");
  if (!r.NextValue()) return r.Fatal("<INFO> message expected");
  StoreInfoText(r, r.Info().methodInfo, model::presence::kMethodInfo);
  return true;
}

bool ReadCustomSpectrum(Reader& r) {
  switch (ExpectValuesLine(r, kCustomSpectrum)) {
    case LineValues::Failed:
      return false;
    case LineValues::Empty:
      return r.Fatal(kCustomSpectrum, " values expected");
    case LineValues::Given:
      break;
  }
  return ReadSpectrum(r, kCustomSpectrum, r.Info().customSpectrum);
}

bool ReadMaxInput(Reader& r) {
  if (!OpenMaxInputLine(r)) {
    SetMaxInputDefaults(r);
    return true;
  }
  r.NextValue();
  if (r.ValueIs("<POWER>")) {
    r.Info().maxInputKind = model::MaxInputKind::Power;
  } else if (r.ValueIs("<VOLTAGE>")) {
    r.Info().maxInputKind = model::MaxInputKind::Voltage;
  } else {
    return r.Fatal(kMaxInput, " <VOLTAGE> or <POWER> expected");
  }
  if (!ReadMaxInputValue(r) || !ReadMethod(r) || !ReadMethodInfo(r)) return false;
  return r.Info().maxInputMethod != model::TestMethod::Custom || ReadCustomSpectrum(r);
}

}  // namespace

bool ReadBandRange(Reader& r) {
  std::uint32_t minBand = 0;
  std::uint32_t maxBand = 0;
  if (!ReadBand(r, kMinBand, minBand) || !ReadBand(r, kMaxBand, maxBand)) return false;
  if (minBand >= maxBand) return r.Fatal("<MINBAND> >= <MAXBAND>");
  r.Data().MinBand() = minBand;
  r.Data().MaxBand() = maxBand;
  return r.Set().version != 2 || ReadPhaseData(r);
}

bool ReadElectroAcoustic(Reader& r) {
  const bool withPhase = r.Kind() == model::FormatKind::Zef2 && r.Set().HasPhaseData();
  if (r.Info().type == model::SpeakerType::Powered) {
    return !withPhase || r.Fatal("TYPE = powered cannot have phase data");
  }
  if (!ReadSensitivity(r)) return false;
  if (withPhase && !ReadSensitivityPhase(r)) return false;
  if (!ReadInfoLine(r, "<SENSITIVITY-INFO>", r.Info().sensitivityInfo,
                    model::presence::kSensitivityInfo)) {
    return false;
  }
  if (withPhase && !ReadFilter(r)) return false;
  return ReadImpedance(r) &&
         ReadInfoLine(r, "<IMPEDANCE-INFO>", r.Info().impedanceInfo,
                      model::presence::kImpedanceInfo) &&
         ReadMaxInput(r);
}

bool ReadAxialSpectrum(Reader& r) {
  switch (ExpectValuesLine(r, kAxialSpectrum)) {
    case LineValues::Failed:
      return false;
    case LineValues::Empty:
      break;
    case LineValues::Given:
      if (!ReadSpectrum(r, kAxialSpectrum, r.Info().axialSpectrum)) return false;
      r.WarnZeroValues(kAxialSpectrum, r.Info().axialSpectrum);
      r.Info().presenceFlags |= model::presence::kAxialSpectrum;
      break;
  }
  return ReadInfoLine(r, "<AXIAL-SPECTRUM-INFO>", r.Info().axialSpectrumInfo,
                      model::presence::kAxialSpectrumInfo);
}

}  // namespace zef::textformat
