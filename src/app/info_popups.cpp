#include "app/info_popups.h"

#include <cmath>

#include "graphs/number_format.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

using model::InfoRecord;
using model::TextOf;

constexpr std::size_t kTitleLength = 30;
constexpr std::size_t kBodyLength = 254;  // the box keeps a 255-byte text with its end mark
constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kSeeHelp = "For details see help-file.";

constexpr std::string_view kQText = "Q/DI calculated by the ZEF Reader from balloon data.";
constexpr std::string_view kAsymmetricWarning =
    "Warning: Device is asymmetrical, Q/DI re rotation axis is of limited value";
constexpr std::string_view kWidthText =
    "Minimum -6dB width angle calculated by the ZEF Reader from balloon data. Also indicated "
    "in white on the Color map.";

std::string WithWarning(std::string_view text, bool warn, std::string_view warning) {
  std::string body(text);
  if (warn) body.append(kCrLf).append(warning);
  return body;
}

std::string MethodText(const InfoRecord& info) {
  std::string body;
  switch (info.maxInputMethod) {
    case model::TestMethod::Iec268_1:
      body = "Measured using IEC-268-1 input spectrum.";
      break;
    case model::TestMethod::Eia426B:
      body = "Measured using EIA-426-B input spectrum.";
      break;
    case model::TestMethod::Custom:
      body = "Measured using custom input spectrum.";
      break;
    default:
      body = "Measured using AES2-1984 input spectrum, 6 dB crest factor.";
  }
  if ((info.presenceFlags & model::presence::kMethodInfo) != 0) {
    body.append(kCrLf).append("Special info:").append(kCrLf).append(TextOf(info.methodInfo));
  }
  return body;
}

std::string AmplifierSizeText(const InfoRecord& info) {
  const double dbv = 20.0 * std::log10(static_cast<double>(info.maxInputValue));
  return std::string("Calculated from Max voltage (std)")
      .append(kCrLf)
      .append("( = ")
      .append(graphs::FormatFixed(dbv, 1, false))
      .append(" dBV)")
      .append(" - 6 dB.")
      .append(kCrLf)
      .append(kCrLf)
      .append(kSeeHelp);
}

std::string GainText(const InfoRecord& info) {
  const bool power = info.maxInputKind == model::MaxInputKind::Power;
  return std::string(power ? "Calculated from given Max power (W) assuming 8 ohm:"
                           : "Calculated from given Max voltage (V) assuming 8 ohm:")
      .append(kCrLf)
      .append(kCrLf)
      .append(power ? "= 10 log(W)" : "= 20 log(V/2.83)")
      .append(" dB")
      .append(kCrLf)
      .append(kCrLf)
      .append(kSeeHelp);
}

std::string FullBody(InfoButton button, const InfoRecord& info, OffAxisWarnings warnings) {
  switch (button) {
    case InfoButton::kSensitivity:
      return std::string(TextOf(info.sensitivityInfo));
    case InfoButton::kImpedance:
      return std::string(TextOf(info.impedanceInfo));
    case InfoButton::kAxialSpectrum:
      return std::string(TextOf(info.axialSpectrumInfo));
    case InfoButton::kAxialQ:
      return WithWarning(kQText, warnings.horizontal || warnings.vertical, kAsymmetricWarning);
    case InfoButton::kWidthHorizontal:
      return WithWarning(kWidthText, warnings.horizontal,
                         "Warning: horizontal radiation max is more than 5 deg off rotation axis.");
    case InfoButton::kWidthVertical:
      return WithWarning(kWidthText, warnings.vertical,
                         "Warning: vertical radiation max is more than 5 deg off rotation axis.");
    case InfoButton::kMaxInput:
      return MethodText(info);
    case InfoButton::kAmplifierSize:
      return AmplifierSizeText(info);
    case InfoButton::kGain:
      return GainText(info);
  }
  return {};
}

}  // namespace

std::string InfoPopupTitle(std::string_view labelText) {
  return std::string(labelText.substr(0, kTitleLength));
}

bool InfoButtonEnabled(InfoButton button, const InfoRecord& info) {
  const bool powered = info.type == model::SpeakerType::Powered;
  switch (button) {
    case InfoButton::kAmplifierSize:
      return !powered && info.maxInputKind == model::MaxInputKind::Voltage;
    case InfoButton::kGain:
      return !powered;
    default:
      return true;
  }
}

std::optional<std::string> InfoPopupBody(InfoButton button, const InfoRecord& info,
                                         OffAxisWarnings warnings) {
  if (!InfoButtonEnabled(button, info)) return std::nullopt;
  std::string body = FullBody(button, info, warnings);
  if (body.size() > kBodyLength) body.resize(kBodyLength);
  return body;
}

}  // namespace zef::app
