#include <gtest/gtest.h>

#include <memory>

#include "app/info_popups.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

using model::InfoRecord;
using model::MaxInputKind;
using model::SpeakerType;
using model::TestMethod;
using B = InfoButton;

struct Speaker {
  SpeakerType type = SpeakerType::Passive;
  MaxInputKind kind = MaxInputKind::Voltage;
  float value = 40.0f;
  TestMethod method = TestMethod::Aes2_1984;
  const char* methodInfo = nullptr;
};

std::unique_ptr<InfoRecord> Record(const Speaker& s) {
  auto info = std::make_unique<InfoRecord>();
  model::SetText(info->sensitivityInfo, "1 W / 1 m, half space");
  model::SetText(info->impedanceInfo, "free air");
  model::SetText(info->axialSpectrumInfo, "pink noise");
  info->type = s.type;
  info->maxInputKind = s.kind;
  info->maxInputValue = s.value;
  info->maxInputMethod = s.method;
  if (s.methodInfo) {
    info->presenceFlags |= model::presence::kMethodInfo;
    model::SetText(info->methodInfo, s.methodInfo);
  }
  return info;
}

constexpr const char* kWidth =
    "Minimum -6dB width angle calculated by the ZEF Reader from balloon data. Also indicated in "
    "white on the Color map.";
constexpr const char* kQ = "Q/DI calculated by the ZEF Reader from balloon data.";
const std::string kAsym =
    std::string(kQ) +
    "\r\nWarning: Device is asymmetrical, Q/DI re rotation axis is of limited value";
const std::string kHor =
    std::string(kWidth) +
    "\r\nWarning: horizontal radiation max is more than 5 deg off rotation axis.";
const std::string kVer =
    std::string(kWidth) +
    "\r\nWarning: vertical radiation max is more than 5 deg off rotation axis.";
const std::string kGainV =
    "Calculated from given Max voltage (V) assuming 8 ohm:\r\n\r\n= 20 log(V/2.83) dB\r\n\r\nFor "
    "details see help-file.";
const std::string kGainW =
    "Calculated from given Max power (W) assuming 8 ohm:\r\n\r\n= 10 log(W) dB\r\n\r\nFor "
    "details see help-file.";

TEST(InfoPopups, EachButtonExplainsItsValue) {
  const OffAxisWarnings none, hor{true, false}, ver{false, true};
  const Speaker voltage, power{.kind = MaxInputKind::Power}, powered{.type = SpeakerType::Powered};
  struct Case {
    B button;
    Speaker speaker;
    OffAxisWarnings warnings;
    std::optional<std::string> body;
  };
  const Case cases[] = {
      {B::kSensitivity, voltage, none, "1 W / 1 m, half space"},
      {B::kImpedance, voltage, none, "free air"},
      {B::kAxialSpectrum, voltage, none, "pink noise"},
      {B::kAxialQ, voltage, none, kQ},
      {B::kAxialQ, voltage, ver, kAsym},
      {B::kAxialQ, voltage, hor, kAsym},
      {B::kWidthHorizontal, voltage, ver, kWidth},
      {B::kWidthHorizontal, voltage, hor, kHor},
      {B::kWidthVertical, voltage, hor, kWidth},
      {B::kWidthVertical, voltage, ver, kVer},
      {B::kAmplifierSize, voltage, none,
       "Calculated from Max voltage (std)\r\n( = 32.0 dBV) - 6 dB.\r\n\r\nFor details see "
       "help-file."},
      {B::kAmplifierSize, power, none, std::nullopt},
      {B::kAmplifierSize, powered, none, std::nullopt},
      {B::kGain, voltage, none, kGainV},
      {B::kGain, power, none, kGainW},
      {B::kGain, Speaker{.type = SpeakerType::Powered, .kind = MaxInputKind::Power}, none,
       std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.button));
    EXPECT_EQ(InfoPopupBody(c.button, *Record(c.speaker), c.warnings), c.body);
  }
}

TEST(InfoPopups, MaxInputNamesTheMethodAndItsSpecialInfo) {
  const std::string aes = "Measured using AES2-1984 input spectrum, 6 dB crest factor.";
  const std::string long_(250, 'x');
  for (const auto& [method, info, body] :
       {std::tuple{TestMethod::Aes2_1984, (const char*)nullptr, aes},
        {TestMethod::Iec268_1, nullptr, "Measured using IEC-268-1 input spectrum."},
        {TestMethod::Eia426B, nullptr, "Measured using EIA-426-B input spectrum."},
        {TestMethod::Custom, "band-limited noise",
         "Measured using custom input spectrum.\r\nSpecial info:\r\nband-limited noise"},
        {static_cast<TestMethod>(9), nullptr, aes},
        // the box holds 254 characters: a long special info is cut
        {TestMethod::Aes2_1984, long_.c_str(),
         (aes + "\r\nSpecial info:\r\n" + long_).substr(0, 254)}}) {
    EXPECT_EQ(InfoPopupBody(B::kMaxInput, *Record({.method = method, .methodInfo = info}), {}),
              body);
  }
}

}  // namespace
}  // namespace zef::app
