#include "app/export_request.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "case_file.h"

namespace zef::app {
namespace {

// The request's fields that differ from a bare one, and the scale it draws at.
std::string Describe(const ExportRequest& r) {
  const ExportRequest d;
  std::ostringstream out;
  out << InfoOf(r.view).name;
  const auto put = [&](const char* key, bool differs, const auto& value) {
    if (differs) out << ' ' << key << '=' << value;
  };
  const auto opt = [](const auto& v) { return v ? std::to_string(*v) : std::string("none"); };
  put("ea", r.eaSelection != d.eaSelection, opt(r.eaSelection));
  put("arc", r.arc != d.arc, r.arc);
  put("point", r.point != d.point, r.point);
  put("direction", r.directionGiven, "given");
  put("band", r.band != d.band, r.band);
  put("size", r.width != d.width || r.height != d.height,
      std::to_string(r.width) + "x" + std::to_string(r.height));
  std::ostringstream bits;
  bits << std::hex << std::showbase << r.options.Bits();
  put("options", r.options.Bits() != d.options.Bits(), bits.str());
  put("range", r.range != d.range, opt(r.range));
  put("azimuth", r.azimuth != d.azimuth, r.azimuth);
  put("elevation", r.elevation != d.elevation, r.elevation);
  put("distance", r.distance != d.distance, opt(r.distance));
  put("perspective", r.perspective, "yes");
  put("cabinet", r.cabinet.has_value(),
      r.cabinet ? kCabinetNames[static_cast<int>(*r.cabinet)] : "");
  put("phase-mode", r.phaseMode != d.phaseMode, kPhaseModeNames[static_cast<int>(r.phaseMode)]);
  put("unwrap", r.unwrap, "yes");
  put("bare", r.bare, "yes");
  put("scale", ExportScale(r) != 1.0, ExportScale(r));
  put("output", !r.output.empty(), r.output);
  put("file", !r.file.empty(), r.file);
  return out.str();
}

TEST(ExportRequestTest, ArgumentsReadToARequestOrFailWithAClearMessage) {
  for (const zef::testing::Case& c : zef::testing::ReadCases("app/cases/export_arguments.txt")) {
    std::vector<std::string_view> args;
    std::istringstream words(c[0]);
    std::vector<std::string> storage{std::istream_iterator<std::string>(words), {}};
    for (const std::string& word : storage) args.push_back(word);
    const ParsedExport parsed = ParseExportArguments(args);
    EXPECT_EQ(parsed.request ? Describe(*parsed.request) : "! " + parsed.error, c[1]) << c.where;
  }
}

}  // namespace
}  // namespace zef::app
