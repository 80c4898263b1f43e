#include "graphs/plot_texts.h"

namespace zef::graphs {

void DrawNoData(GraphWindow& window, PixelPoint centre) {
  window.PushState();
  window.SetColour(kBlack);
  const TextSize size = window.TextExtent(window.State().font, kNoDataText);
  OpaqueText(window, kNoDataText, centre.x - size.width / 2, centre.y - size.height / 2);
  window.PopState();
}

PixelPoint PlotCentre(const GraphFrame& frame) {
  return {frame.x0 + frame.plotWidth / 2, frame.y0 - frame.plotHeight / 2};
}

void OpaqueText(GraphWindow& window, std::string_view text, int x, int y) {
  window.SetTextTransparent(false);
  window.Text(window.State().font, text, x, y);
  window.SetTextTransparent(true);
}

}  // namespace zef::graphs
