#include "app/info_commands.h"

#include <algorithm>

#include "app/desktop_links.h"
#include "app/dialog_ids.h"
#include "app/info_popups.h"
#include "model/fixed_text.h"

namespace zef::app {
namespace {

constexpr InfoButton kInfoButtons[] = {
    InfoButton::kSensitivity, InfoButton::kImpedance,       InfoButton::kAxialSpectrum,
    InfoButton::kAxialQ,      InfoButton::kWidthHorizontal, InfoButton::kWidthVertical,
    InfoButton::kMaxInput,    InfoButton::kAmplifierSize,   InfoButton::kGain,
};

bool IsPopupButton(int id) {
  return std::ranges::any_of(kInfoButtons,
                             [id](InfoButton button) { return static_cast<int>(button) == id; });
}

// The maximum-input buttons name their figure; the others take their label's text.
std::string PopupTitle(InfoButton button, const model::InfoRecord& info,
                       std::string_view labelText) {
  switch (button) {
    case InfoButton::kMaxInput:
      return info.maxInputKind == model::MaxInputKind::Voltage ? "Max input voltage:"
                                                               : "Max input power:";
    case InfoButton::kAmplifierSize:
      return "Equivalent amplifier size:";
    case InfoButton::kGain:
      return "Gain";
    default:
      return InfoPopupTitle(labelText);
  }
}

}  // namespace

bool IsInfoControl(int id) {
  return id == control::kWebSite || id == control::kInfoFileButton || IsPopupButton(id);
}

InfoWindow InfoCommand(Platform& platform, int id, std::string_view labelText,
                       const DataSetHolder& holder, TemporaryFiles& files) {
  const model::DataSet* set = holder.Loaded();
  if (set == nullptr) return {};
  if (id == control::kWebSite) {
    OpenWebSite(platform, model::TextOf(set->info->webSite));
    return {};
  }
  if (id == control::kInfoFileButton) {
    const model::EmbeddedFile& file = set->cabinet.infoFile;
    if (auto text = InfoFileText(file)) {
      return {InfoWindow::kTextFile, std::string(kTextFileWindowTitle), std::move(*text)};
    }
    if (file.kind == model::EmbeddedKind::Pdf) ShowPdfInfoFile(platform, file, files);
    return {};
  }
  if (!IsPopupButton(id)) return {};
  const analysis::DirectivityFigures& figures = holder.Figures();
  const auto button = static_cast<InfoButton>(id);
  auto body =
      InfoPopupBody(button, *set->info, {figures.horizontalOffAxis, figures.verticalOffAxis});
  if (!body) return {};
  return {InfoWindow::kPopup, PopupTitle(button, *set->info, labelText), std::move(*body)};
}

}  // namespace zef::app
