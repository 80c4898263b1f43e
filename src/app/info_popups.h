#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/info_record.h"

namespace zef::app {

// The data sheet's small buttons that open an explanation beside them. Each
// sits just after its label, whose text becomes the pop-up's title.
enum class InfoButton {
  kSensitivity = 74,
  kImpedance = 86,
  kAxialSpectrum = 148,
  kAxialQ = 135,
  kWidthHorizontal = 111,
  kWidthVertical = 123,
  kMaxInput = 201,
  kAmplifierSize = 216,
  kGain = 204,
};

struct OffAxisWarnings {
  bool horizontal = false;
  bool vertical = false;
};

inline constexpr std::string_view kInfoPopupCaption = "Measurement Info";
inline constexpr std::string_view kTextFileWindowTitle = "Text file info";

// The id of the label under a button, whose text titles the pop-up.
constexpr int LabelOf(InfoButton button) {
  return static_cast<int>(button) - 1;
}

// The pop-up's title from its label's text, cut to what the box holds.
std::string InfoPopupTitle(std::string_view labelText);

// The explanation a button opens for the loaded record, cut to what the box
// holds; none when the button is off for this loudspeaker.
std::optional<std::string> InfoPopupBody(InfoButton button, const model::InfoRecord& info,
                                         OffAxisWarnings warnings);

// Whether a button can be pressed for this loudspeaker: the amplifier size
// needs a voltage rating and the gain a loudspeaker that is not powered.
bool InfoButtonEnabled(InfoButton button, const model::InfoRecord& info);

}  // namespace zef::app
