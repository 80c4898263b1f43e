#pragma once

#include <string_view>

#include "graphs/canvas.h"
#include "graphs/font_metrics.h"

namespace zef::graphs {

// Every metafile copy of a graph carries a footer naming where it came from.
// The format group's web address belongs here once it is known; until then
// the program names itself rather than an address nobody has confirmed.
inline constexpr std::string_view kMetafileFooter = "zefview";

enum class FooterPlacement {
  kBottomCentre,  // graphs drawn from the top-left corner (EA graphs, spectra)
  kBottomRight,   // drawings centred on the graph (polar diagrams, colour maps)
};

// Top-left corner of the footer text in a picture of width x height pixels.
// The bottom-right form is worked out in the centred coordinates (y upwards)
// that polar diagrams and colour maps use, halving with integer division.
constexpr PixelPoint FooterPosition(FooterPlacement placement, int width, int height,
                                    TextSize text) {
  if (placement == FooterPlacement::kBottomCentre) {
    return {width / 2 - text.width / 2, height - text.height};
  }
  const int centredX = width / 2 - text.width - 1;
  const int centredY = text.height - height / 2 + 1;
  return {width / 2 + centredX, height / 2 - centredY};
}

}  // namespace zef::graphs
