#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "graphs/metafile_footer.h"
#include "graphs/option_set.h"

namespace zef::app {

enum class ExportView { kPolar, kColourMap, kEaGraph, kSpectra, kBalloon };

// One line per view `zefview --export` can draw: its name on the command line
// whether it shows a single band (so --band applies to it) and where a
// metafile's footer goes so it stays clear of the drawing.
struct ExportViewInfo {
  ExportView view;
  std::string_view name;
  bool showsBand;
  graphs::FooterPlacement footer;
};

inline constexpr ExportViewInfo kExportViews[] = {
    {ExportView::kPolar, "polar", true, graphs::FooterPlacement::kBottomRight},
    {ExportView::kColourMap, "colormap", false, graphs::FooterPlacement::kBottomRight},
    {ExportView::kEaGraph, "ea", false, graphs::FooterPlacement::kBottomCentre},
    {ExportView::kSpectra, "spectra", false, graphs::FooterPlacement::kBottomCentre},
    {ExportView::kBalloon, "balloon", true, graphs::FooterPlacement::kBottomRight},
};

// The view of that name; null when there is none.
const ExportViewInfo* FindExportView(std::string_view name);
const ExportViewInfo& InfoOf(ExportView view);

// What `zefview --export` is asked to draw. Values the data decide on (the
// band, the direction) are checked once the file is loaded.
struct ExportRequest {
  static constexpr int kDefaultWidth = 640;
  static constexpr int kDefaultHeight = 480;

  ExportView view = ExportView::kPolar;
  std::optional<int> eaSelection;  // none: the graph the viewer selects after a read
  int arc = 0;
  int point = 0;
  bool directionGiven = false;  // --arc or --point: the balloon marks the direction
  std::string band;             // empty: the band the viewer selects first
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  graphs::OptionSet options;
  std::optional<int> range;  // dB; polar 20..50, colour map and balloon -40, -30 or -20
  // The balloon's camera; no distance: 5 x the view size of the range.
  int azimuth = 60;
  int elevation = 30;
  std::optional<int> distance;
  bool parallel = false;
  std::string output;
  std::string file;
};

struct ParsedExport {
  std::optional<ExportRequest> request;
  std::string error;  // set when request is empty
};

// Parses the arguments that follow "--export".
ParsedExport ParseExportArguments(std::span<const std::string_view> args);

// The synopsis and options, for --help and after a usage error.
std::string ExportUsage();

}  // namespace zef::app
