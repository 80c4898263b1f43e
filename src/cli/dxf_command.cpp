#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <ostream>
#include <string>

#include "cabinet/dxf_reader.h"
#include "cabinet/load_dxf_cabinet.h"
#include "cli/commands.h"

namespace zef::cli {
namespace {

constexpr std::string_view kDxfUsage =
    "zef dxf: usage: zef dxf FILE.DXF [--unit mm|cm|dm|m|inches|feet]\n";
// By unit code.
constexpr std::array<std::string_view, 6> kUnitNames = {"mm", "cm", "dm", "m", "inches", "feet"};
constexpr std::uint32_t kMetres = 3;

struct DxfArgs {
  std::string file;
  std::uint32_t unit = kMetres;
};

bool ParseDxfArgs(std::span<const std::string> args, DxfArgs& parsed, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--unit" && i + 1 < args.size()) {
      const auto* name = std::find(kUnitNames.begin(), kUnitNames.end(), args[++i]);
      if (name == kUnitNames.end()) {
        err << "zef dxf: unknown unit '" << args[i] << "'\n";
        return false;
      }
      parsed.unit = static_cast<std::uint32_t>(name - kUnitNames.begin());
    } else if (args[i].starts_with("--") || !parsed.file.empty()) {
      err << "zef dxf: unexpected argument '" << args[i] << "'\n";
      return false;
    } else {
      parsed.file = args[i];
    }
  }
  return !parsed.file.empty();
}

std::string Number(float value) {
  char text[32];
  return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

// The box around every point, so a maker sees whether the unit is right.
void PrintExtent(const cabinet::DxfLists& lists, std::ostream& out) {
  constexpr float kBig = std::numeric_limits<float>::max();
  model::Point3 low{kBig, kBig, kBig};
  model::Point3 high{-kBig, -kBig, -kBig};
  const auto take = [&](const model::Point3& p) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
  };
  for (const model::Edge& e : lists.edges) {
    take(e.first);
    take(e.second);
  }
  for (const model::Face& f : lists.faces)
    std::for_each(f.vertices.begin(), f.vertices.end(), take);
  if (low.x > high.x) return;  // only faces without vertices
  out << "extent (m): x " << Number(low.x) << " to " << Number(high.x) << ", y " << Number(low.y)
      << " to " << Number(high.y) << ", z " << Number(low.z) << " to " << Number(high.z) << '\n';
}

}  // namespace

int RunDxf(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  DxfArgs parsed;
  if (!ParseDxfArgs(args, parsed, err)) {
    err << kDxfUsage;
    return kUsageError;
  }
  cabinet::DxfLists lists;
  const cabinet::DxfOptions options{cabinet::UnitTransform(parsed.unit)};
  const cabinet::DxfResult result = cabinet::ParseDxfFile(parsed.file, options, nullptr, lists);
  if (!result.ok) {
    err << result.FailureText() << '\n';
    return 2;
  }
  out << "faces: " << lists.faces.size() << "\nedges: " << lists.edges.size() << '\n';
  if (lists.faces.empty() && lists.edges.empty()) {
    err << "No 3D entities found\n";
    return 1;
  }
  PrintExtent(lists, out);
  return 0;
}

}  // namespace zef::cli
