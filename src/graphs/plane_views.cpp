#include "graphs/plane_views.h"

namespace zef::graphs {

PlaneArcs HorizontalArcs(const model::Grid& grid) {
  return {grid.Quarter(), 3 * grid.Quarter()};
}

PlaneArcs VerticalArcs(const model::Grid& grid) {
  return {0, 2 * grid.Quarter()};
}

std::optional<double> ReferenceOffset(const PlaneViewInput& input, bool relativeToMax, int band) {
  if (!relativeToMax || input.set.info->type == model::SpeakerType::Powered) return 0.0;
  const float sensitivity = input.set.data.Array(model::PerBand::Sensitivity)[band];
  if (model::IsMissing(sensitivity)) return std::nullopt;
  return static_cast<double>(input.reference.maximum) - sensitivity;
}

void ShowLayers(GraphWindow& window, std::initializer_list<int> layers) {
  std::uint32_t visible = window.VisibleLayers();
  for (const int layer : layers) {
    if (layer >= 0 && layer < GraphWindow::kLayerCount) visible |= std::uint32_t{1} << layer;
  }
  window.SetVisibleLayers(visible);
}

}  // namespace zef::graphs
