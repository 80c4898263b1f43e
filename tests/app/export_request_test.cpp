#include "app/export_request.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/export_sheet.h"

namespace zef::app {
namespace {

ParsedExport Parse(std::vector<std::string_view> args) {
  return ParseExportArguments(args);
}

TEST(ExportRequestTest, ReadsEveryOptionOfEachView) {
  const ParsedExport polar = Parse({"polar", "--band", "1k", "--size", "800x600", "--option",
                                    "6db-tics", "--no-option", "heavy-lines", "--range", "36",
                                    "--bare", "--scale", "2.5", "-o", "out.PNG", "data.txt"});
  ASSERT_TRUE(polar.request) << polar.error;
  const ExportRequest& r = *polar.request;
  EXPECT_EQ(r.view, ExportView::kPolar);
  EXPECT_EQ(r.band, "1k");
  EXPECT_EQ(r.width, 800);
  EXPECT_EQ(r.height, 600);
  EXPECT_EQ(r.options.Bits(), 0x330u);
  EXPECT_EQ(r.range, 36);
  EXPECT_TRUE(r.bare);
  EXPECT_EQ(r.scale, 2.5);
  EXPECT_EQ(r.output, "out.PNG");
  EXPECT_EQ(r.file, "data.txt");

  const ParsedExport ea = Parse({"ea", "-o", "a.svg", "--ea", "7", "f.zf2"});
  ASSERT_TRUE(ea.request) << ea.error;
  EXPECT_EQ(ea.request->eaSelection, 7);
  EXPECT_FALSE(ea.request->bare);

  const ParsedExport spectra =
      Parse({"spectra", "--arc", "71", "--point", "36", "-o", "s.emf", "f"});
  ASSERT_TRUE(spectra.request) << spectra.error;
  EXPECT_EQ(spectra.request->arc, 71);
  EXPECT_EQ(spectra.request->point, 36);
  EXPECT_TRUE(spectra.request->directionGiven);

  const ParsedExport balloon =
      Parse({"balloon", "--azimuth", "90", "--elevation", "-15", "--distance", "400",
             "--perspective", "--range", "20", "-o", "b.png", "f"});
  ASSERT_TRUE(balloon.request) << balloon.error;
  EXPECT_FALSE(balloon.request->directionGiven);
  EXPECT_EQ(balloon.request->azimuth, 90);
  EXPECT_EQ(balloon.request->elevation, -15);
  EXPECT_EQ(balloon.request->distance, 400);
  EXPECT_TRUE(balloon.request->perspective);
  EXPECT_EQ(balloon.request->range, -20);

  // A colour-map range is a level below the reference, given either way.
  for (const std::string_view range : {"30", "-30"}) {
    const ParsedExport map = Parse({"colormap", "--range", range, "-o", "m.pdf", "f"});
    ASSERT_TRUE(map.request) << map.error;
    EXPECT_EQ(map.request->range, -30);
  }
}

TEST(ExportRequestTest, ReadsTheCabinetAndPhaseChoices) {
  const ParsedExport cabinet = Parse({"cabinet", "--cabinet", "faces", "-o", "c.png", "f"});
  ASSERT_TRUE(cabinet.request) << cabinet.error;
  EXPECT_EQ(cabinet.request->cabinet, cabinet::CabinetKind::kFacesAndEdges);
  const ParsedExport curves =
      Parse({"phase-curves", "--phase-mode", "combined", "-o", "p.svg", "f"});
  ASSERT_TRUE(curves.request) << curves.error;
  EXPECT_EQ(curves.request->phaseMode, phase::CurveMode::kCombined);
  const ParsedExport balloon =
      Parse({"phase-balloon", "--unwrap", "--band", "1k", "-o", "b.png", "f"});
  ASSERT_TRUE(balloon.request) << balloon.error;
  EXPECT_TRUE(balloon.request->unwrap);
  EXPECT_FALSE(balloon.request->cabinet);
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
  const struct {
    int width, height;
    std::optional<double> scale;
    double expected;
  } cases[] = {
      {640, 480, {}, 1.0},    {300, 200, {}, 1.0},  {1000, 800, {}, 1.5625},
      {4000, 4000, {}, 6.25}, {1280, 480, {}, 1.0}, {4000, 4000, 2.0, 2.0},
  };
  for (const auto& c : cases) {
    ExportRequest request;
    request.width = c.width;
    request.height = c.height;
    request.scale = c.scale;
    EXPECT_EQ(ExportScale(request), c.expected) << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace zef::app
