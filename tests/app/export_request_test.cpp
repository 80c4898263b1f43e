#include "app/export_request.h"

#include <gtest/gtest.h>

#include <vector>

namespace zef::app {
namespace {

ParsedExport Parse(std::vector<std::string_view> args) {
  return ParseExportArguments(args);
}

TEST(ExportRequestTest, ReadsEveryOptionOfEachView) {
  const ParsedExport polar =
      Parse({"polar", "--band", "1k", "--size", "800x600", "--option", "6db-tics", "--no-option",
             "heavy-lines", "--range", "36", "-o", "out.PNG", "data.txt"});
  ASSERT_TRUE(polar.request) << polar.error;
  const ExportRequest& r = *polar.request;
  EXPECT_EQ(r.view, ExportView::kPolar);
  EXPECT_EQ(r.band, "1k");
  EXPECT_EQ(r.width, 800);
  EXPECT_EQ(r.height, 600);
  EXPECT_EQ(r.options.Bits(), (graphs::OptionSet::kDefaultBits | 0x100u) & ~0x1u);
  EXPECT_EQ(r.range, 36);
  EXPECT_EQ(r.output, "out.PNG");
  EXPECT_EQ(r.file, "data.txt");

  const ParsedExport ea = Parse({"ea", "-o", "a.svg", "--ea", "7", "f.zf2"});
  ASSERT_TRUE(ea.request) << ea.error;
  EXPECT_EQ(ea.request->eaSelection, 7);
  EXPECT_EQ(ea.request->width, ExportRequest::kDefaultWidth);

  const ParsedExport spectra =
      Parse({"spectra", "--arc", "71", "--point", "36", "-o", "s.emf", "f"});
  ASSERT_TRUE(spectra.request) << spectra.error;
  EXPECT_EQ(spectra.request->arc, 71);
  EXPECT_EQ(spectra.request->point, 36);
  EXPECT_TRUE(spectra.request->directionGiven);

  const ParsedExport balloon =
      Parse({"balloon", "--azimuth", "90", "--elevation", "-15", "--distance", "400", "--parallel",
             "--range", "20", "-o", "b.png", "f"});
  ASSERT_TRUE(balloon.request) << balloon.error;
  EXPECT_FALSE(balloon.request->directionGiven);
  EXPECT_EQ(balloon.request->azimuth, 90);
  EXPECT_EQ(balloon.request->elevation, -15);
  EXPECT_EQ(balloon.request->distance, 400);
  EXPECT_TRUE(balloon.request->parallel);
  EXPECT_EQ(balloon.request->range, -20);

  // A colour-map range is a level below the reference, given either way.
  for (const std::string_view range : {"30", "-30"}) {
    const ParsedExport map = Parse({"colormap", "--range", range, "-o", "m.pdf", "f"});
    ASSERT_TRUE(map.request) << map.error;
    EXPECT_EQ(map.request->range, -30);
  }
}

TEST(ExportRequestTest, RefusesWhatCannotBeDrawnWithAClearMessage) {
  const struct {
    std::vector<std::string_view> args;
    std::string message;
  } cases[] = {
      {{}, "Missing view: polar, colormap, ea, spectra or balloon"},
      {{"cabinet"}, "Unknown view \"cabinet\": polar, colormap, ea, spectra or balloon"},
      {{"ea", "--ea"}, "Option --ea needs a value"},
      {{"ea", "--ea", "8"}, "--ea must be a whole number from 0 to 7"},
      {{"polar", "--ea", "1", "-o", "x.png", "f"}, "--ea applies to the ea view only"},
      {{"ea", "--arc", "1", "-o", "x.png", "f"},
       "--arc and --point apply to the spectra and balloon views only"},
      {{"ea", "--range", "30", "-o", "x.png", "f"},
       "--range applies to the polar, colormap and balloon views only"},
      {{"balloon", "--range", "-10", "-o", "x.png", "f"}, "Balloon range must be 20, 30 or 40"},
      {{"polar", "--parallel", "-o", "x.png", "f"},
       "--azimuth, --elevation, --distance and --parallel apply to the balloon view only"},
      {{"balloon", "--elevation", "91"}, "--elevation must be a whole number from -90 to 90"},
      {{"balloon", "--distance", "0"}, "--distance must be a whole number from 1 to 100000"},
      {{"polar", "--option", "6db-tics", "--range", "50", "-o", "x.png", "f"},
       "Polar range must be 20, 30, 40 or 50 (24, 30, 36, 42 or 48 with 6db-tics)"},
      {{"colormap", "--range", "50", "-o", "x.png", "f"}, "Colour-map range must be 20, 30 or 40"},
      {{"polar", "--size", "49x480"}, "--size must be WIDTHxHEIGHT from 50x50 to 4000x4000"},
      {{"polar", "--option", "heavy"},
       "Unknown display option \"heavy\"; known: heavy-lines, heavy-curves, show-symmetry, di, "
       "fixed-scales, shade, polar-max-reference, balloon-max-reference, 6db-tics, dxf-faces, "
       "grid-when-shaded, stepped-curves, mark-6db, average-spectrum, equalisation, "
       "coloured-sphere"},
      {{"polar", "--dpi", "96"}, "Unknown option \"--dpi\""},
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

}  // namespace
}  // namespace zef::app
