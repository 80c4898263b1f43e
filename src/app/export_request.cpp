#include "app/export_request.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <vector>

#include "graphs/picture_format.h"

namespace zef::app {
namespace {

constexpr int kMinSide = 50;
constexpr int kMaxSide = 4000;
constexpr double kMinScale = 0.25;
constexpr double kMaxScale = 20;

// The whole text as a number of that type, or none.
template <typename Number>
std::optional<Number> NumberOf(std::string_view text) {
  Number value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

std::optional<int> WholeNumber(std::string_view text) {
  return NumberOf<int>(text);
}

// "a, b or c" (or "a, b and c")
std::string NameList(std::span<const std::string_view> names, std::string_view last = " or ") {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? last : ", ";
    list += names[i];
  }
  return list;
}

// "polar view" or "polar, balloon and phase-balloon views": the views that
// show one band.
std::string BandViewNames() {
  std::vector<std::string_view> names;
  for (const ExportViewInfo& info : kExportViews) {
    if (info.showsBand) names.push_back(info.name);
  }
  return NameList(names, " and ") + (names.size() > 1 ? " views" : " view");
}

// "polar, colormap, ..., or phase-curves"
std::string ViewNames() {
  std::vector<std::string_view> names;
  for (const ExportViewInfo& info : kExportViews) names.push_back(info.name);
  return NameList(names);
}

// The index of a name in a table; none when it is not there.
template <std::size_t N>
std::optional<int> IndexOf(const std::string_view (&names)[N], std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (names[i] == name) return static_cast<int>(i);
  }
  return std::nullopt;
}

std::string OptionNames() {
  std::string names;
  for (int bit = 0; bit < graphs::kOptionCount; ++bit) {
    if (!names.empty()) names += ", ";
    names += graphs::OptionName(static_cast<graphs::Option>(bit));
  }
  return names;
}

bool ValidPolarRange(int range, bool sixDbTics) {
  return sixDbTics ? (range >= 24 && range <= 48 && range % 6 == 0)
                   : (range >= 20 && range <= 50 && range % 10 == 0);
}

// Walks the arguments once; every failure is a message for the user.
class Parser {
 public:
  explicit Parser(std::span<const std::string_view> args) : args_(args) {}

  ParsedExport Run() {
    if (args_.empty() || args_[0].starts_with("-")) return Fail("Missing view: " + ViewNames());
    const ExportViewInfo* view = FindExportView(args_[0]);
    if (!view) return Fail("Unknown view \"" + std::string(args_[0]) + "\": " + ViewNames());
    request_.view = view->view;
    for (next_ = 1; next_ < args_.size();) {
      if (!Argument(args_[next_++])) return Fail(error_);
    }
    if (!Complete()) return Fail(error_);
    return {request_, {}};
  }

 private:
  ParsedExport Fail(std::string message) { return {std::nullopt, std::move(message)}; }

  bool Error(std::string message) {
    error_ = std::move(message);
    return false;
  }

  bool Value(std::string_view option, std::string_view& value) {
    if (next_ >= args_.size()) return Error("Option " + std::string(option) + " needs a value");
    value = args_[next_++];
    return true;
  }

  bool Number(std::string_view option, int low, int high, int& target) {
    std::string_view text;
    if (!Value(option, text)) return false;
    const std::optional<int> value = WholeNumber(text);
    if (!value || *value < low || *value > high) {
      return Error(std::string(option) + " must be a whole number from " + std::to_string(low) +
                   " to " + std::to_string(high));
    }
    target = *value;
    return true;
  }

  bool Size() {
    std::string_view text;
    if (!Value("--size", text)) return false;
    const std::size_t x = text.find('x');
    const std::optional<int> width = WholeNumber(text.substr(0, x));
    const std::optional<int> height =
        x == std::string_view::npos ? std::nullopt : WholeNumber(text.substr(x + 1));
    const auto fits = [](std::optional<int> v) { return v && *v >= kMinSide && *v <= kMaxSide; };
    if (!fits(width) || !fits(height)) {
      return Error("--size must be WIDTHxHEIGHT from 50x50 to 4000x4000");
    }
    request_.width = *width;
    request_.height = *height;
    return true;
  }

  bool Scale() {
    std::string_view text;
    if (!Value("--scale", text)) return false;
    const std::optional<double> scale = NumberOf<double>(text);
    if (!scale || !(*scale >= kMinScale && *scale <= kMaxScale)) {
      return Error("--scale must be a number from 0.25 to 20");
    }
    request_.scale = *scale;
    return true;
  }

  bool Switch(std::string_view option, bool on) {
    std::string_view name;
    if (!Value(option, name)) return false;
    const std::optional<graphs::Option> found = graphs::FindOption(name);
    if (!found) {
      return Error("Unknown display option \"" + std::string(name) + "\"; known: " + OptionNames());
    }
    request_.options.Set(*found, on);
    return true;
  }

  // --cabinet KIND or --phase-mode MODE.
  bool Named(std::string_view option) {
    std::string_view name;
    if (!Value(option, name)) return false;
    const bool cabinet = option == "--cabinet";
    const std::optional<int> index =
        cabinet ? IndexOf(kCabinetNames, name) : IndexOf(kPhaseModeNames, name);
    if (!index) {
      return Error("Unknown " + std::string(cabinet ? "cabinet" : "phase mode") + " \"" +
                   std::string(name) +
                   "\": " + (cabinet ? NameList(kCabinetNames) : NameList(kPhaseModeNames)));
    }
    if (cabinet) {
      request_.cabinet = static_cast<cabinet::CabinetKind>(*index);
    } else {
      request_.phaseMode = static_cast<phase::CurveMode>(*index);
      phaseModeGiven_ = true;
    }
    return true;
  }

  bool Argument(std::string_view arg) {
    if (arg == "--ea") {
      int selection = 0;
      if (!Number(arg, 0, 7, selection)) return false;
      request_.eaSelection = selection;
      return true;
    }
    if (arg == "--arc" || arg == "--point") {
      directionGiven_ = true;
      request_.directionGiven = true;
      // The largest grid; the file's own is checked once it is read.
      return arg == "--arc" ? Number(arg, 0, 71, request_.arc) : Number(arg, 0, 36, request_.point);
    }
    if (arg == "--range") {
      int range = 0;
      if (!Number(arg, -50, 50, range)) return false;
      request_.range = range;
      return true;
    }
    if (arg == "--band") {
      std::string_view band;
      if (!Value(arg, band)) return false;
      request_.band = band;
      return true;
    }
    if (arg == "--azimuth" || arg == "--elevation" || arg == "--distance") {
      cameraGiven_ = true;
      if (arg == "--azimuth") return Number(arg, 0, 360, request_.azimuth);
      if (arg == "--elevation") return Number(arg, -90, 90, request_.elevation);
      request_.distance = 0;
      return Number(arg, 1, 100000, *request_.distance);
    }
    if (arg == "--parallel" || arg == "--perspective") {
      cameraGiven_ = true;
      request_.perspective = arg == "--perspective";
      return true;
    }
    if (arg == "--size") return Size();
    if (arg == "--cabinet" || arg == "--phase-mode") return Named(arg);
    if (arg == "--unwrap") {
      request_.unwrap = true;
      return true;
    }
    if (arg == "--scale") return Scale();
    if (arg == "--bare") {
      request_.bare = true;
      return true;
    }
    if (arg == "--option") return Switch(arg, true);
    if (arg == "--no-option") return Switch(arg, false);
    if (arg == "-o") {
      std::string_view output;
      if (!Value(arg, output)) return false;
      request_.output = output;
      return true;
    }
    if (arg.starts_with("-")) return Error("Unknown option \"" + std::string(arg) + "\"");
    if (!request_.file.empty()) return Error("Only one data file can be given");
    request_.file = arg;
    return true;
  }

  bool Complete() {
    const ExportView view = request_.view;
    if (request_.eaSelection && view != ExportView::kEaGraph)
      return Error("--ea applies to the ea view only");
    if (directionGiven_ && view != ExportView::kSpectra && view != ExportView::kBalloon) {
      return Error("--arc and --point apply to the spectra and balloon views only");
    }
    if (cameraGiven_ && !HasCamera(view)) {
      return Error(
          "--azimuth, --elevation, --distance, --parallel and --perspective apply to the balloon, "
          "cabinet and phase-balloon views only");
    }
    if (!request_.band.empty() && !InfoOf(view).showsBand) {
      return Error("--band applies to the " + BandViewNames() + " only");
    }
    const double scale = ExportScale(request_);
    if (request_.width / scale < kMinSide || request_.height / scale < kMinSide) {
      return Error("--size and --scale leave less than 50x50 to draw in");
    }
    if (request_.range && !RangeValid()) return false;
    if (request_.cabinet && view != ExportView::kCabinet) {
      return Error("--cabinet applies to the cabinet view only");
    }
    if (phaseModeGiven_ && view != ExportView::kPhaseCurves) {
      return Error("--phase-mode applies to the phase-curves view only");
    }
    if (request_.unwrap && view != ExportView::kPhaseBalloon) {
      return Error("--unwrap applies to the phase-balloon view only");
    }
    if (request_.output.empty()) return Error("Missing output: -o OUT");
    if (!graphs::PictureFormatOf(request_.output)) {
      return Error("Unknown picture format of \"" + request_.output +
                   "\": use .png, .svg, .pdf or .emf");
    }
    if (request_.file.empty()) return Error("Missing data file");
    return true;
  }

  bool RangeValid() {
    int& range = *request_.range;
    if (request_.view == ExportView::kPolar) {
      if (ValidPolarRange(range, request_.options.Get(graphs::Option::kPolarTics6Db))) return true;
      return Error("Polar range must be 20, 30, 40 or 50 (24, 30, 36, 42 or 48 with 6db-tics)");
    }
    if (request_.view == ExportView::kColourMap || request_.view == ExportView::kBalloon) {
      // The range is a level below the reference; either sign means it.
      range = -std::abs(range);
      if (range == -20 || range == -30 || range == -40) return true;
      return Error(request_.view == ExportView::kBalloon ? "Balloon range must be 20, 30 or 40"
                                                         : "Colour-map range must be 20, 30 or 40");
    }
    return Error("--range applies to the polar, colormap and balloon views only");
  }

  std::span<const std::string_view> args_;
  std::size_t next_ = 0;
  ExportRequest request_;
  std::string error_;
  bool directionGiven_ = false;
  bool phaseModeGiven_ = false;
  bool cameraGiven_ = false;
};

}  // namespace

const ExportViewInfo* FindExportView(std::string_view name) {
  for (const ExportViewInfo& info : kExportViews) {
    if (info.name == name) return &info;
  }
  return nullptr;
}

const ExportViewInfo& InfoOf(ExportView view) {
  for (const ExportViewInfo& info : kExportViews) {
    if (info.view == view) return info;
  }
  return kExportViews[0];
}

bool HasCamera(ExportView view) {
  return view == ExportView::kBalloon || view == ExportView::kCabinet ||
         view == ExportView::kPhaseBalloon;
}

view3d::ViewCamera RequestCamera(const ExportRequest& request, view3d::ViewCamera startUp) {
  startUp.azimuth = static_cast<float>(request.azimuth);
  startUp.elevation = static_cast<float>(request.elevation);
  if (request.distance) startUp.distance = static_cast<float>(*request.distance);
  return startUp;
}

double ExportScale(const ExportRequest& request) {
  if (request.scale) return *request.scale;
  const double byWidth = static_cast<double>(request.width) / ExportRequest::kDefaultWidth;
  const double byHeight = static_cast<double>(request.height) / ExportRequest::kDefaultHeight;
  return std::max(1.0, std::min(byWidth, byHeight));
}

ParsedExport ParseExportArguments(std::span<const std::string_view> args) {
  return Parser(args).Run();
}

std::string ExportUsage() {
  return "usage: zefview --export VIEW [options] -o OUT FILE\n"
         "  VIEW                " +
         ViewNames() +
         "\n"
         "  --ea N              EA graph 0..7 (ea view; default 1, sensitivity)\n"
         "  --arc N --point N   direction of the balloon spectra (default 0 0), marked on\n"
         "                      the balloon when given there\n"
         "  --band LABEL        band of the " +
         BandViewNames() +
         ", as \"1k\" or \"1000\" (default the viewer's first)\n"
         "  --size WxH          picture size in pixels (default 640x480; 50 to 4000 a side)\n"
         "  --scale F           picture pixels per drawing pixel: fonts and lines grow\n"
         "                      by F (default: as the size exceeds 640x480, at least 1)\n"
         "  --bare              the viewer's picture only: no caption line, no colour key\n"
         "  --option NAME       switch a display option on\n"
         "  --no-option NAME    switch a display option off\n"
         "  --range N           polar range in dB (20..50 by 10, 24..48 by 6 with 6db-tics)\n"
         "                      or colour-map and balloon range (20, 30 or 40 dB)\n"
         "  --azimuth A --elevation E   3D view direction in degrees (default 30 30, as\n"
         "                      the viewer starts; 90 0 front, 0 0 side, 0 90 top)\n"
         "  --distance D        3D camera distance (balloon default 5 x the range's view size)\n"
         "  --parallel          3D views in parallel projection, as the viewer (default)\n"
         "  --perspective       3D views in perspective instead\n"
         "  --cabinet KIND      cabinet view: " +
         NameList(kCabinetNames) +
         "\n"
         "                      (default the first the file has)\n"
         "  --phase-mode MODE   phase-curves view: " +
         NameList(kPhaseModeNames) +
         "\n"
         "  --unwrap            phase-balloon view: unwrap the phase along each arc\n"
         "  -o OUT              the picture: .png, .svg, .pdf or .emf; an existing file\n"
         "                      is replaced only when it is a writable regular file\n"
         "Display options: " +
         OptionNames() + "\n";
}

}  // namespace zef::app
