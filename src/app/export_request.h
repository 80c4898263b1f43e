#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cabinet/cabinet_kind.h"
#include "graphs/metafile_footer.h"
#include "graphs/option_set.h"
#include "phase/phase_curves.h"
#include "view3d/camera_projection.h"

namespace zef::app {

enum class ExportView {
  kPolar,
  kColourMap,
  kEaGraph,
  kSpectra,
  kBalloon,
  kCabinet,
  kPhaseBalloon,
  kPhaseCurves,
  kCta2034
};

// Which reference option a view's caption names ("re on-axis", ...).
enum class CaptionReference { kNone, kPolar, kBalloon };

// One line per view `zefview --export` can draw: its name on the command
// line; whether it shows a single band (so --band applies to it); where a
// metafile's footer goes so it stays clear of the drawing; what its caption
// calls it (empty: the title its frame shows) and which reference it names;
// whether it needs a colour key. The last three may be left out.
struct ExportViewInfo {
  ExportView view;
  std::string_view name;
  bool showsBand;
  graphs::FooterPlacement footer;
  std::string_view caption = {};
  CaptionReference reference = CaptionReference::kNone;
  bool colourKey = false;
};

// Command-line names of the cabinet representations and the phase curve
// modes, by their numbers.
inline constexpr std::string_view kCabinetNames[] = {"rectangular", "trapezoidal", "edges", "faces",
                                                     "dxf"};
inline constexpr std::string_view kPhaseModeNames[] = {"sensitivity", "filter", "combined"};

inline constexpr ExportViewInfo kExportViews[] = {
    {ExportView::kPolar, "polar", true, graphs::FooterPlacement::kBottomRight, "Polar diagram",
     CaptionReference::kPolar, false},
    {ExportView::kColourMap, "colormap", false, graphs::FooterPlacement::kBottomRight,
     "Colour maps", CaptionReference::kBalloon, true},
    {ExportView::kEaGraph, "ea", false, graphs::FooterPlacement::kBottomCentre, "",
     CaptionReference::kNone, false},
    {ExportView::kSpectra, "spectra", false, graphs::FooterPlacement::kBottomCentre, "",
     CaptionReference::kNone, false},
    {ExportView::kBalloon, "balloon", true, graphs::FooterPlacement::kBottomRight, "Balloon",
     CaptionReference::kBalloon, false},
    {ExportView::kCabinet, "cabinet", false, graphs::FooterPlacement::kBottomRight, "Cabinet",
     CaptionReference::kNone, false},
    {ExportView::kPhaseBalloon, "phase-balloon", true, graphs::FooterPlacement::kBottomRight,
     "Phase balloon", CaptionReference::kNone, false},
    {ExportView::kPhaseCurves, "phase-curves", false, graphs::FooterPlacement::kBottomCentre,
     "Phase and filters", CaptionReference::kNone, false},
    {ExportView::kCta2034, "cta2034", false, graphs::FooterPlacement::kBottomCentre, "",
     CaptionReference::kNone, false},
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
  // The 3D views' camera, by default the viewer's at start-up; no distance:
  // the view's own (the balloon: 5 x the view size of the range).
  int azimuth = 30;
  int elevation = 30;
  std::optional<int> distance;
  bool perspective = false;                     // the viewer draws in parallel projection
  std::optional<cabinet::CabinetKind> cabinet;  // none: the lowest the file has
  phase::CurveMode phaseMode = phase::CurveMode::kSensitivity;
  bool unwrap = false;          // the phase balloon's arcs
  bool bare = false;            // the viewer's picture alone, no caption or key
  std::optional<double> scale;  // picture pixels per drawing unit; none: by the size
  std::string output;
  std::string file;
};

// Whether a view is a 3D picture turned by the camera options.
bool HasCamera(ExportView view);

// The camera of a 3D view: `startUp` turned and moved as the request asks.
view3d::ViewCamera RequestCamera(const ExportRequest& request, view3d::ViewCamera startUp);

struct ParsedExport {
  std::optional<ExportRequest> request;
  std::string error;  // set when request is empty
};

// Parses the arguments that follow "--export".
ParsedExport ParseExportArguments(std::span<const std::string_view> args);

// The synopsis and options, for --help and after a usage error.
std::string ExportUsage();

// Picture pixels per drawing unit: the request's, or what lays the drawing
// out at the viewer's 640 x 480 or larger, so that fonts and lines grow with
// the picture (never below one).
double ExportScale(const ExportRequest& request);

}  // namespace zef::app
