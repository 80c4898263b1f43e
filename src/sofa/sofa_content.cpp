#include "sofa/sofa_content.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <string_view>

#include "analysis/band_range.h"
#include "model/fixed_text.h"
#include "model/info_record.h"

namespace zef::sofa {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// Whole degrees come out of the trigonometry a few ulps off; snapping keeps
// the file's positions readable.
double Snapped(double degrees) {
  const double whole = std::round(degrees * 1e9) / 1e9;
  return whole == 0.0 ? 0.0 : whole;
}

std::string Utf8(std::string_view latin1) {
  std::string out;
  for (const char c : latin1) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (u >> 6));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return out;
}

// The distinct directions of the grid: the axis, the inner points of every
// arc, the rear point; the poles are shared by all arcs.
std::vector<std::pair<int, int>> DistinctPoints(const model::Grid& grid) {
  std::vector<std::pair<int, int>> points{{0, 0}};
  for (int arc = 0; arc < grid.arcs; ++arc) {
    for (int p = 1; p < grid.points - 1; ++p) points.emplace_back(arc, p);
  }
  points.emplace_back(0, grid.points - 1);
  return points;
}

std::vector<std::pair<std::string, std::string>> Attributes(const model::DataSet& set,
                                                            const std::string& now) {
  const model::InfoRecord& info = *set.info;
  const std::string model = Utf8(model::TextOf(info.modelName));
  const std::string maker = Utf8(model::TextOf(info.manufacturer));
  const std::string description = Utf8(model::TextOf(info.description));
  // The name alone: the folder it was read from says nothing about the data.
  const std::string source = std::filesystem::path(set.sourcePath).filename().string();
  std::string comment =
      "Directivity balloon of the loudspeaker. Magnitude 10^(L/20) of the level L in dB: "
      "sensitivity plus balloon level where the band has a sensitivity, else the level "
      "relative to on-axis.";
  if (!set.HasPhaseData()) comment += " The source file has no phase data: phase 0.";
  return {{"Conventions", "SOFA"},
          {"Version", "2.1"},
          {"SOFAConventions", "FreeFieldDirectivityTF"},
          {"SOFAConventionsVersion", "1.1"},
          {"APIName", "zef"},
          {"APIVersion", "1.0"},
          {"ApplicationName", "zef"},
          {"DataType", "TF"},
          {"RoomType", "free field"},
          {"Title", model},
          {"Organization", maker},
          {"AuthorContact", Utf8(model::TextOf(info.measurementEmail))},
          {"License", "No license provided, ask the author for permission"},
          {"DatabaseName", "ZEF"},
          {"SourceType", description.empty() ? "loudspeaker" : description},
          {"SourceManufacturer", maker},
          {"DateCreated", now},
          {"DateModified", now},
          {"MeasurementDate", Utf8(model::TextOf(info.measurementDate))},
          {"Origin", source},
          {"History", "Converted from " + source + " by zef"},
          {"Comment", comment}};
}

}  // namespace

std::pair<double, double> DirectionOf(const model::Grid& grid, int arc, int point) {
  const double alpha = point * grid.stepDeg * kDegree;
  const double phi = arc * grid.stepDeg * kDegree;
  const double x = std::cos(alpha);
  const double y = std::sin(alpha) * std::sin(phi);
  const double z = std::sin(alpha) * std::cos(phi);
  double azimuth = std::atan2(y, x) / kDegree;
  if (azimuth < 0) azimuth += 360.0;
  const double elevation = std::asin(std::clamp(z, -1.0, 1.0)) / kDegree;
  // On the poles and along the vertical arcs the azimuth is 0 or 180.
  return {Snapped(azimuth) == 360.0 ? 0.0 : Snapped(azimuth), Snapped(elevation)};
}

SofaBalloon BuildSofaBalloon(const model::DataSet& set, const std::string& now) {
  const model::Grid& grid = set.GetGrid();
  const analysis::BandRange range = analysis::BandsOf(set.data);
  SofaBalloon out;
  for (int band = range.first; band <= range.last; ++band) {
    out.frequencies.push_back(model::BandFrequency(set.kind, band));
  }
  const double distance = set.info->measurementDistance;
  const double radius = distance > 0 && std::isfinite(distance) ? distance : 1.0;
  const bool phase = set.HasPhaseData();
  const std::span<const float> sensitivity = set.data.Array(model::PerBand::Sensitivity);
  for (const auto& [arc, p] : DistinctPoints(grid)) {
    const auto [azimuth, elevation] = DirectionOf(grid, arc, p);
    out.receivers.insert(out.receivers.end(), {azimuth, elevation, radius});
    for (int band = range.first; band <= range.last; ++band) {
      const float s = sensitivity[band];
      const double level = set.data.Arc(band, arc)[p] + (model::IsMissing(s) ? 0.0 : s);
      const double magnitude = std::pow(10.0, level / 20.0);
      const double angle = phase ? set.phase->balloon[band][arc][p] : 0.0;
      out.real.push_back(magnitude * std::cos(angle));
      out.imag.push_back(magnitude * std::sin(angle));
    }
  }
  out.attributes = Attributes(set, now);
  return out;
}

}  // namespace zef::sofa
