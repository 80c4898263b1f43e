#pragma once

#include "graphs/canvas.h"
#include "graphs/font_metrics.h"
#include "graphs/graph_fonts.h"
#include "graphs/metafile_footer.h"

namespace zef::emf {

// The metafile writer draws what the graph layer's canvas is given, in its
// terms.
using graphs::Canvas;
using graphs::Colour;
using graphs::FontMetrics;
using graphs::FooterPlacement;
using graphs::FooterPosition;
using graphs::GraphFont;
using graphs::kBackgroundColour;
using graphs::kBlack;
using graphs::kNoColour;
using graphs::kWhite;
using graphs::Pen;
using graphs::PixelPoint;
using graphs::RoundToPixel;
using graphs::TextSize;

}  // namespace zef::emf
