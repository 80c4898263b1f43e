#include "set_builder.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "textformat/balloon_completion.h"

namespace zef::samplegen {
namespace {

using model::FormatKind;

// Levels further below the axis than this are lost in a measurement's noise.
constexpr double kDeepestDb = -60.0;
constexpr float kRearLevel = -50.0f;  // what the reader puts behind a half sphere

// Rounded as a measurement file gives values; never -0, which reads back as 0.
float Rounded(double value, double steps) {
  return static_cast<float>(std::round(value * steps) / steps + 0.0);
}

double BandWidthOctaves(FormatKind kind) {
  return kind == FormatKind::Zef1 ? 1.0 : 1.0 / 3.0;
}

int LastPoint(const model::DataSet& set) {
  const model::Grid& grid = set.GetGrid();
  return set.info->radiation == model::Radiation::HalfSphere ? (grid.points - 1) / 2
                                                             : grid.points - 1;
}

// Fills the arcs the file would give, then completes the band as the reader does.
template <typename PointValue>
void FillBand(std::span<float> band, const model::DataSet& set, int lastPoint, PointValue value) {
  const model::Grid& grid = set.GetGrid();
  const model::Symmetry symmetry = set.info->symmetry;
  for (const int arc : textformat::ArcsToRead(symmetry, false, grid)) {
    const std::span<float> points = textformat::ArcOf(band, grid, arc);
    for (int p = 0; p <= lastPoint; ++p) {
      points[p] = value(GridDirection(p * grid.stepDeg, arc * grid.stepDeg), p);
    }
  }
  if (symmetry == model::Symmetry::Polar) {
    textformat::CompletePolar(band, grid);
  } else {
    textformat::CompleteBySymmetry(symmetry, band, grid);
  }
}

// Point i of a circle of `segments` points on the plane x = `x`.
model::Point3 OnCircle(double x, double y, double z, double radius, int i, int segments) {
  const double t = 2 * std::numbers::pi * (i % segments) / segments;
  return {static_cast<float>(x), Rounded(y + radius * std::cos(t), 10000),
          Rounded(z + radius * std::sin(t), 10000)};
}

}  // namespace

model::DataSet NewSet(FormatKind kind, std::uint32_t version, int minBand, int maxBand) {
  model::DataSet set(kind);
  set.version = version;
  if (version == 2) set.phase = std::make_unique<model::PhaseBlock>();
  set.data.MinBand() = static_cast<std::uint32_t>(minBand);
  set.data.MaxBand() = static_cast<std::uint32_t>(maxBand);
  set.info->onAxisCode = model::kPlusX;
  set.info->upCode = model::kPlusZ;
  return set;
}

void SetIdentity(model::DataSet& set, const Identity& id) {
  model::InfoRecord& info = *set.info;
  model::SetText(info.modelName, id.modelName);
  model::SetText(info.manufacturer, id.manufacturer);
  model::SetText(info.webSite, id.webSite);
  model::SetText(info.description, id.description);
  SetFlaggedText(set, info.colors, model::presence::kColors, id.colors);
  SetFlaggedText(set, info.mounting, model::presence::kMounting, id.mounting);
  info.weight = id.weight;
  model::SetText(info.measurementContact, id.contact);
  model::SetText(info.measurementEmail, id.email);
  model::SetText(info.measurementDate, id.date);
  SetFlaggedText(set, info.measurementNote, model::presence::kMeasurementNote, id.note);
  SetFlaggedText(set, info.measurementEnvironment, model::presence::kMeasurementEnvironment,
                 id.environment);
  info.measurementDistance = id.distance;
  info.presenceFlags |= model::presence::kMeasurementDistance;
}

void SetInputVoltage(model::DataSet& set, float volts) {
  const std::span<float> voltages = set.data.Array(model::PerBand::InputVoltage);
  for (auto b = set.data.MinBand(); b <= set.data.MaxBand(); ++b) voltages[b] = volts;
  set.info->presenceFlags |= model::presence::kInputVoltage;
}

void FillElectroAcoustic(model::DataSet& set, const SpeakerModel& model) {
  const double width = BandWidthOctaves(set.kind);
  const std::span<float> sensitivity = set.data.Array(model::PerBand::Sensitivity);
  const std::span<float> impedance = set.data.Array(model::PerBand::Impedance);
  for (int b = static_cast<int>(set.data.MinBand()); b <= static_cast<int>(set.data.MaxBand());
       ++b) {
    const double f = model::BandFrequency(set.kind, b);
    sensitivity[b] = Rounded(AxialSensitivity(model, f, width), 10);
    impedance[b] = Rounded(ImpedanceMagnitude(model.impedance, f), 100);
    if (set.HasPhaseData()) set.phase->sensitivity[b] = Rounded(AxialPhase(model, f), 1000);
  }
}

void FillAxialSpectrum(model::DataSet& set, const SpeakerModel& model, int firstIndex) {
  for (int i = 0; i < model::kMaxBands; ++i) {
    set.info->axialSpectrum[i] =
        i < firstIndex
            ? model::kNoData
            : Rounded(AxialSensitivity(model, model::BandFrequency(FormatKind::Zef2, i), 1.0 / 3.0),
                      10);
  }
  set.info->presenceFlags |= model::presence::kAxialSpectrum;
}

void FillBalloon(model::DataSet& set, const SpeakerModel& model, double absoluteOffsetDb) {
  const model::Grid& grid = set.GetGrid();
  const int lastPoint = LastPoint(set);
  const bool half = set.info->radiation == model::Radiation::HalfSphere;
  const bool absolute = set.info->balloonRef == model::BalloonRef::Absolute;
  const double width = BandWidthOctaves(set.kind);
  const std::span<float> sensitivity = set.data.Array(model::PerBand::Sensitivity);
  for (int b = static_cast<int>(set.data.MinBand()); b <= static_cast<int>(set.data.MaxBand());
       ++b) {
    const double f = model::BandFrequency(set.kind, b);
    const double axisDb = BandPowerDb(model, f, width, Direction{});
    const double axisLevel = absolute ? sensitivity[b] + absoluteOffsetDb : 0.0;
    const std::span<float> levels = set.data.BandBalloon(b);
    FillBand(levels, set, lastPoint, [&](const Direction& u, int p) {
      const double relative =
          p == 0 ? 0.0 : std::max(BandPowerDb(model, f, width, u) - axisDb, kDeepestDb);
      return Rounded(axisLevel + relative, 100);
    });
    textformat::SeparateOnAxis(levels, std::span<float>(&set.data.OnAxis(b, 0), grid.arcs), grid);
    if (half) textformat::FillBeyond(levels, grid, lastPoint, kRearLevel);
    if (!set.HasPhaseData()) continue;
    const std::span<float> phases(&set.phase->balloon[b][0][0],
                                  static_cast<std::size_t>(grid.arcs * grid.points));
    FillBand(phases, set, lastPoint, [&](const Direction& u, int p) {
      return p == 0 ? 0.0f : Rounded(RelativePhase(model, f, u), 1000);
    });
    if (half) textformat::FillBeyond(phases, grid, lastPoint, 0.0f);
  }
}

std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return (blue << 16) | (green << 8) | red;
}

void AddRectangleEdges(model::NodeList<model::Edge>& list, double x, double y1, double z1,
                       double y2, double z2, std::uint32_t colour) {
  const model::Face outline = FrontRectangle(x, y1, z1, y2, z2, colour);
  for (std::size_t i = 0; i < outline.vertices.size(); ++i) {
    list.Add(model::Edge{outline.vertices[i], outline.vertices[(i + 1) % outline.vertices.size()],
                         colour});
  }
}

void AddCircleEdges(model::NodeList<model::Edge>& list, double x, double y, double z, double radius,
                    int segments, std::uint32_t colour) {
  for (int i = 0; i < segments; ++i) {
    list.Add(model::Edge{OnCircle(x, y, z, radius, i, segments),
                         OnCircle(x, y, z, radius, i + 1, segments), colour});
  }
}

model::Face DiscFace(double x, double y, double z, double radius, int segments,
                     std::uint32_t colour) {
  model::Face face;
  for (int i = 0; i < segments; ++i)
    face.vertices.push_back(OnCircle(x, y, z, radius, i, segments));
  face.colour = colour;
  return face;
}

model::Face FrontRectangle(double x, double y1, double z1, double y2, double z2,
                           std::uint32_t colour) {
  const auto fx = static_cast<float>(x);
  const auto a = static_cast<float>(y1);
  const auto b = static_cast<float>(y2);
  const auto c = static_cast<float>(z1);
  const auto d = static_cast<float>(z2);
  return model::Face{{{fx, a, c}, {fx, b, c}, {fx, b, d}, {fx, a, d}}, colour};
}

}  // namespace zef::samplegen
