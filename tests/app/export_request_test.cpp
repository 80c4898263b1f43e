#include "app/export_request.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/export_sheet.h"

namespace zef::app {
namespace {

ParsedExport Parse(std::vector<std::string_view> args) {
  return ParseExportArguments(args);
}

ExportRequest Read(std::vector<std::string_view> args) {
  const ParsedExport parsed = Parse(args);
  EXPECT_TRUE(parsed.request) << parsed.error;
  return parsed.request.value_or(ExportRequest{});
}

TEST(ExportRequestTest, ReadsEveryOptionOfEachView) {
  const ExportRequest r = Read({"polar", "--band", "1k", "--size", "800x600", "--option",
                                "6db-tics", "--no-option", "heavy-lines", "--range", "36", "--bare",
                                "--scale", "2.5", "-o", "out.PNG", "data.txt"});
  EXPECT_EQ(
      std::tuple(r.view, r.band, r.width, r.height, r.options.Bits(), r.range, r.bare, r.scale,
                 r.output, r.file),
      std::tuple(ExportView::kPolar, "1k", 800, 600, 0x330u, 36, true, 2.5, "out.PNG", "data.txt"));
  const ExportRequest ea = Read({"ea", "-o", "a.svg", "--ea", "7", "f.zf2"});
  EXPECT_EQ(std::pair(ea.eaSelection, ea.bare), std::pair(std::optional(7), false));
  const ExportRequest s = Read({"spectra", "--arc", "71", "--point", "36", "-o", "s.emf", "f"});
  EXPECT_EQ(std::tuple(s.arc, s.point, s.directionGiven), std::tuple(71, 36, true));
  const ExportRequest b = Read({"balloon", "--azimuth", "90", "--elevation", "-15", "--distance",
                                "400", "--perspective", "--range", "20", "-o", "b.png", "f"});
  EXPECT_EQ(
      std::tuple(b.directionGiven, b.azimuth, b.elevation, b.distance, b.perspective, b.range),
      std::tuple(false, 90, -15, std::optional(400), true, std::optional(-20)));
  // A colour-map range is a level below the reference, given either way.
  for (const std::string_view range : {"30", "-30"}) {
    EXPECT_EQ(Read({"colormap", "--range", range, "-o", "m.pdf", "f"}).range, -30);
  }
  EXPECT_EQ(Read({"cabinet", "--cabinet", "faces", "-o", "c.png", "f"}).cabinet,
            cabinet::CabinetKind::kFacesAndEdges);
  EXPECT_EQ(Read({"phase-curves", "--phase-mode", "combined", "-o", "p.svg", "f"}).phaseMode,
            phase::CurveMode::kCombined);
  const ExportRequest pb = Read({"phase-balloon", "--unwrap", "--band", "1k", "-o", "b.png", "f"});
  EXPECT_EQ(std::pair(pb.unwrap, pb.cabinet.has_value()), std::pair(true, false));
}

TEST(ExportRequestTest, RefusesWhatCannotBeDrawnWithAClearMessage) {
  const std::string kViews =
      "polar, colormap, ea, spectra, balloon, cabinet, phase-balloon, phase-curves or cta2034";
  const struct {
    std::vector<std::string_view> args;
    std::string message;
  } cases[] = {
      {{}, "Missing view: " + kViews},
      {{"cube"}, "Unknown view \"cube\": " + kViews},
      {{"ea", "--ea"}, "Option --ea needs a value"},
      {{"ea", "--ea", "8"}, "--ea must be a whole number from 0 to 7"},
      {{"polar", "--ea", "1", "-o", "x.png", "f"}, "--ea applies to the ea view only"},
      {{"ea", "--arc", "1", "-o", "x.png", "f"},
       "--arc and --point apply to the spectra and balloon views only"},
      {{"ea", "--band", "1k", "-o", "x.png", "f"},
       "--band applies to the polar, balloon and phase-balloon views only"},
      {{"ea", "--range", "30", "-o", "x.png", "f"},
       "--range applies to the polar, colormap and balloon views only"},
      {{"balloon", "--range", "-10", "-o", "x.png", "f"}, "Balloon range must be 20, 30 or 40"},
      {{"polar", "--parallel", "-o", "x.png", "f"},
       "--azimuth, --elevation, --distance, --parallel and --perspective apply to the balloon, "
       "cabinet and phase-balloon views only"},
      {{"balloon", "--elevation", "91"}, "--elevation must be a whole number from -90 to 90"},
      {{"balloon", "--distance", "0"}, "--distance must be a whole number from 1 to 100000"},
      {{"polar", "--option", "6db-tics", "--range", "50", "-o", "x.png", "f"},
       "Polar range must be 20, 30, 40 or 50 (24, 30, 36, 42 or 48 with 6db-tics)"},
      {{"colormap", "--range", "50", "-o", "x.png", "f"}, "Colour-map range must be 20, 30 or 40"},
      {{"polar", "--size", "49x480"}, "--size must be WIDTHxHEIGHT from 50x50 to 4000x4000"},
      {{"polar", "--scale", "0.2"}, "--scale must be a number from 0.25 to 20"},
      {{"polar", "--scale", "nan"}, "--scale must be a number from 0.25 to 20"},
      {{"polar", "--scale", "2", "--size", "99x400", "-o", "x.png", "f"},
       "--size and --scale leave less than 50x50 to draw in"},
      {{"polar", "--option", "heavy"},
       "Unknown display option \"heavy\"; known: heavy-lines, heavy-curves, show-symmetry, di, "
       "fixed-scales, shade, polar-max-reference, balloon-max-reference, 6db-tics, dxf-faces, "
       "grid-when-shaded, stepped-curves, mark-6db, average-spectrum, equalisation, "
       "coloured-sphere"},
      {{"polar", "--dpi", "96"}, "Unknown option \"--dpi\""},
      {{"cabinet", "--cabinet", "box"},
       "Unknown cabinet \"box\": rectangular, trapezoidal, edges, faces or dxf"},
      {{"phase-curves", "--phase-mode", "delay"},
       "Unknown phase mode \"delay\": sensitivity, filter or combined"},
      {{"polar", "--cabinet", "dxf", "-o", "x.png", "f"},
       "--cabinet applies to the cabinet view only"},
      {{"phase-balloon", "--phase-mode", "filter", "-o", "x.png", "f"},
       "--phase-mode applies to the phase-curves view only"},
      {{"phase-curves", "--unwrap", "-o", "x.png", "f"},
       "--unwrap applies to the phase-balloon view only"},
      {{"polar", "a", "b"}, "Only one data file can be given"},
      {{"polar", "f"}, "Missing output: -o OUT"},
      {{"polar", "-o", "x.bmp", "f"},
       "Unknown picture format of \"x.bmp\": use .png, .svg, .pdf or .emf"},
      {{"polar", "-o", "x.png"}, "Missing data file"},
  };
  for (const auto& c : cases) {
    const ParsedExport parsed = Parse(c.args);
    EXPECT_FALSE(parsed.request) << c.message;
    EXPECT_EQ(parsed.error, c.message);
  }
}

// A large picture is the viewer's layout magnified, so it reads alike.
TEST(ExportRequestTest, ScaleFollowsTheSizeUnlessGiven) {
  const std::tuple<int, int, std::optional<double>, double> cases[] = {
      {640, 480, {}, 1.0},    {300, 200, {}, 1.0},  {1000, 800, {}, 1.5625},
      {4000, 4000, {}, 6.25}, {1280, 480, {}, 1.0}, {4000, 4000, 2.0, 2.0},
  };
  for (const auto& [width, height, scale, expected] : cases) {
    ExportRequest request;
    std::tie(request.width, request.height, request.scale) = std::tie(width, height, scale);
    EXPECT_EQ(ExportScale(request), expected) << width << "x" << height;
  }
}

}  // namespace
}  // namespace zef::app
