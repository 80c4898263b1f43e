#include "analysis/consistency_check.h"

#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "analysis/band_range.h"
#include "analysis/judged_compare.h"
#include "analysis/power_average.h"
#include "analysis/real_text.h"
#include "model/date_text.h"
#include "model/fixed_text.h"

namespace zef::analysis {
namespace {

using model::PerBand;

constexpr std::string_view kDateHelp =
    "Format must be 'YYYY-MMM-DD' (e.g. '2002-AUG-12')##to avoid regional date format "
    "differences##'MMM' uses English spelling.";

// Whole decimal number made of digits only.
bool ReadUnsigned(std::string_view digits, unsigned& value) {
  if (digits.empty()) return false;
  value = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<unsigned>(c - '0');
  }
  return true;
}

// Only characters 0 to 10 are looked at; the text reader stores exactly those.
bool IsDateForm(std::string_view date) {
  if (date.size() < 11) return false;
  unsigned year = 0;
  unsigned day = 0;
  if (!ReadUnsigned(date.substr(0, 4), year) || year < 1970) return false;
  if (date[4] != '-' || date[8] != '-') return false;
  const std::string month = model::ToUpperAscii(date.substr(5, 3));
  bool monthFound = false;
  for (std::size_t at = 0; at < model::kMonthTable.size(); at += 3) {
    monthFound = monthFound || model::kMonthTable.substr(at, 3) == month;
  }
  return monthFound && ReadUnsigned(date.substr(9, 2), day) && day <= 31;
}

// Maximum minus minimum, with the running extremes starting at -10000 / 10000.
float Spread(std::span<const float> values) {
  float high = -10000.0f;
  float low = 10000.0f;
  for (const float v : values) {
    if (v > high) high = v;
    if (v < low) low = v;
  }
  return high - low;
}

class Checker {
 public:
  Checker(model::DataSet& set, UserPrompt& prompt, bool decimalComma)
      : set_(set), data_(set.data), prompt_(prompt), decimalComma_(decimalComma) {}

  bool Run() {
    if (!CheckDate()) return false;
    const BandRange range = BandsOf(data_);
    for (int band = range.first; band <= range.last; ++band) {
      if (!CheckImpedanceRange(band) || !CheckOnAxisAgreement(band)) return false;
      NoteRearSpread(band);
    }
    if (!AskRearSubstitution()) return false;
    for (int band = range.first; band <= range.last; ++band) SubstituteRearPoint(band);
    if (Powered()) return true;
    return CheckVariation(PerBand::Impedance, "Impedance") &&
           CheckVariation(PerBand::Sensitivity, "Sensitivity");
  }

 private:
  bool Powered() const { return set_.info->type == model::SpeakerType::Powered; }
  int Arcs() const { return data_.GetGrid().arcs; }
  int RearPoint() const { return data_.GetGrid().points - 1; }

  bool Error(const std::string& text) {
    prompt_.ShowError(text);
    return false;
  }
  std::string Text(float value) const { return RealToText(value, decimalComma_); }
  std::string Head(std::string_view what, int band) const {
    return std::string(what) + " at band " + std::string(model::BandLabel(set_.kind, band)) +
           " Hz:####";
  }

  bool CheckDate() {
    const std::string_view date = model::TextOf(set_.info->measurementDate);
    if (IsDateForm(date)) return true;
    return Error("Measurement Date: " + std::string(date) + "####" + std::string(kDateHelp));
  }

  bool CheckImpedanceRange(int band) {
    if (Powered()) return true;
    const float z = data_.Array(PerBand::Impedance)[band];
    if (z > model::kMissingLimit && z <= 0.0f) {
      return Error(Head("Data error", band) + "Impedance must be > 0.0");
    }
    if (z > 100000.0f) {
      return prompt_.AskYesNo(Head("Data warning", band) +
                              "Impedance is > 100000 Ohm.##Are you sure?");
    }
    return true;
  }

  bool CheckOnAxisAgreement(int band) {
    if (set_.info->balloonRef == model::BalloonRef::Arbitrary) return true;
    std::vector<float> levels(static_cast<std::size_t>(Arcs()));
    for (int arc = 0; arc < Arcs(); ++arc) levels[arc] = data_.OnAxis(band, arc);
    const float spread = Spread(levels);
    if (!Exceeds(spread, 1.0)) return true;
    const std::string head =
        Head("Balloon error", band) + "On-axis values differ" + Text(spread) + " dB between arcs";
    if (Exceeds(spread, 2.0)) return Error(head + " (>2.0 dB is rejected)");
    return prompt_.AskYesNo(head +
                            "##(< 1.0 dB is accepted,##1.0 - 2.0 dB gives a warning,##> 2.0 dB is "
                            "rejected).####Continue?");
  }

  std::vector<float> RearLevels(int band) const {
    std::vector<float> levels(static_cast<std::size_t>(Arcs()));
    for (int arc = 0; arc < Arcs(); ++arc) levels[arc] = data_.Arc(band, arc)[RearPoint()];
    return levels;
  }

  void NoteRearSpread(int band) {
    const float spread = Spread(RearLevels(band));
    if (!Exceeds(spread, 2.0)) return;
    ++deviatingBands_;
    if (spread > largestRearSpread_) largestRearSpread_ = spread;
  }

  bool AskRearSubstitution() {
    if (deviatingBands_ == 0) return true;
    std::string largest = Text(largestRearSpread_);
    if (largest.empty() || largest.front() != ' ') largest.insert(0, " ");
    return prompt_.AskYesNo("After on-axis normalization the rear values##for " +
                            std::to_string(deviatingBands_) +
                            " bands differ with > 2.0 dB between arcs##(up to" + largest +
                            " dB).####Substitute the power average of all arcs?");
  }

  void SubstituteRearPoint(int band) {
    const float average = PowerAverage(RearLevels(band));
    for (int arc = 0; arc < Arcs(); ++arc) data_.Arc(band, arc)[RearPoint()] = average;
  }

  bool CheckVariation(PerBand which, std::string_view name) {
    const std::vector<float> given = GivenValues(data_, which);
    if (given.empty()) return Error("No valid values given for " + std::string(name));
    double sum = 0;
    for (const float v : given) sum += v;
    const double mean = sum / static_cast<double>(given.size());
    double deviation = 0;
    for (const float v : given) deviation += std::fabs(mean - v);
    if (!FallsShort(deviation / static_cast<double>(given.size()), 0.1)) return true;
    return prompt_.AskYesNo("Values given for " + std::string(name) +
                            " has no, or##almost no, variation over frequency.##Are you sure?");
  }

  model::DataSet& set_;
  model::DataRecord& data_;
  UserPrompt& prompt_;
  bool decimalComma_;
  int deviatingBands_ = 0;
  float largestRearSpread_ = 0;
};

}  // namespace

bool CheckData(model::DataSet& set, UserPrompt& prompt, bool decimalComma) {
  return Checker(set, prompt, decimalComma).Run();
}

}  // namespace zef::analysis
