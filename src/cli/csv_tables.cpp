#include "cli/csv_tables.h"

#include <cmath>

#include "model/info_record.h"
#include "textformat/text_writer.h"

namespace zef::cli {
namespace {

using analysis::CtaCurve;
using model::PerBand;

// Appends cells separated by commas and ends rows.
class Rows {
 public:
  Rows& Cell(std::string_view text) {
    if (!rowStarted_) {
      rowStarted_ = true;
    } else {
      text_ += ',';
    }
    text_ += text;
    return *this;
  }
  Rows& Real(float value) { return Cell(CsvReal(value)); }
  Rows& Whole(long value) { return Cell(std::to_string(value)); }
  void End() {
    text_ += '\n';
    rowStarted_ = false;
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
  bool rowStarted_ = false;
};

float Frequency(const model::DataSet& set, int band) {
  return static_cast<float>(model::BandFrequency(set.kind, band));
}

// Arc and point of an angle on a plane's line through the axis.
struct PlanePoint {
  int arc;
  int point;
};
PlanePoint OnPlane(const model::Grid& grid, Plane plane, int angle) {
  const int q = grid.Quarter();
  const int positiveArc = plane == Plane::Horizontal ? q : 0;
  const int negativeArc = positiveArc + 2 * q;
  return {angle >= 0 ? positiveArc : negativeArc, std::abs(angle) / grid.stepDeg};
}

}  // namespace

std::string CsvReal(float value) {
  return model::IsMissing(value) ? std::string() : textformat::RealText(value);
}

std::string CurvesCsv(const model::DataSet& set, const analysis::CtaCurves& curves) {
  Rows rows;
  rows.Cell("Frequency (Hz)").Cell("Levels");
  for (int c = 0; c < analysis::kCtaCurveCount; ++c) {
    rows.Cell(std::string(analysis::CtaCurveName(static_cast<CtaCurve>(c))) + " (dB)");
  }
  rows.End();
  for (int band = curves.range.first; band <= curves.range.last; ++band) {
    const analysis::CtaBand& b = curves.bands[band];
    rows.Real(Frequency(set, band)).Cell(b.absolute ? "absolute" : "relative to on-axis");
    for (const float level : b.level) rows.Real(level);
    rows.End();
  }
  return rows.Take();
}

std::string BandsCsv(const model::DataSet& set, const analysis::DirectivityFigures& figures) {
  Rows rows;
  rows.Cell("Frequency (Hz)").Cell("Input voltage (V)").Cell("Sensitivity (dB)");
  rows.Cell("Impedance (Ohm)").Cell("Half-width left (deg)").Cell("Half-width right (deg)");
  rows.Cell("Half-width up (deg)").Cell("Half-width down (deg)");
  rows.Cell("Horizontal -6 dB width (deg)").Cell("Vertical -6 dB width (deg)");
  rows.Cell("Axial Q").Cell("Axial DI (dB)").End();
  const PerBand arrays[] = {PerBand::InputVoltage, PerBand::Sensitivity, PerBand::Impedance,
                            PerBand::HalfWidthH1,  PerBand::HalfWidthH2, PerBand::HalfWidthV1,
                            PerBand::HalfWidthV2};
  const analysis::BandRange range = analysis::BandsOf(set.data);
  for (int band = range.first; band <= range.last; ++band) {
    rows.Real(Frequency(set, band));
    for (const PerBand which : arrays) rows.Real(set.data.Array(which)[band]);
    rows.Real(figures.horizontalWidth[band]).Real(figures.verticalWidth[band]);
    const float q = set.data.Array(PerBand::AxialQ)[band];
    rows.Real(q).Real(analysis::AxialDI(q)).End();
  }
  return rows.Take();
}

std::string AxialSpectrumCsv(const model::DataSet& set) {
  Rows rows;
  rows.Cell("Frequency (Hz)").Cell("Axial spectrum (dB)").End();
  for (int band = 0; band < 30; ++band) {
    rows.Real(static_cast<float>(model::BandFrequency(model::FormatKind::Zef2, band)));
    rows.Real(set.info->axialSpectrum[band]).End();
  }
  return rows.Take();
}

std::string PlaneCsv(const model::DataSet& set, Plane plane) {
  const model::Grid& grid = set.GetGrid();
  const analysis::BandRange range = analysis::BandsOf(set.data);
  Rows rows;
  rows.Cell("Angle (deg)");
  for (int band = range.first; band <= range.last; ++band) {
    rows.Cell(std::string(model::BandLabel(set.kind, band)) + " Hz (dB)");
  }
  rows.End();
  const int rear = (grid.points - 1) * grid.stepDeg;
  for (int angle = -rear; angle <= rear; angle += grid.stepDeg) {
    const PlanePoint at = OnPlane(grid, plane, angle);
    rows.Whole(angle);
    for (int band = range.first; band <= range.last; ++band) {
      rows.Real(set.data.Arc(band, at.arc)[at.point]);
    }
    rows.End();
  }
  return rows.Take();
}

std::string BalloonCsv(const model::DataSet& set) {
  const model::Grid& grid = set.GetGrid();
  const bool phase = set.HasPhaseData();
  Rows rows;
  rows.Cell("Frequency (Hz)").Cell("Arc").Cell("Point").Cell("Azimuth (deg)");
  rows.Cell("Polar angle (deg)").Cell("Level (dB)");
  if (phase) rows.Cell("Phase (rad)");
  rows.End();
  const analysis::BandRange range = analysis::BandsOf(set.data);
  for (int band = range.first; band <= range.last; ++band) {
    const std::string frequency = CsvReal(Frequency(set, band));
    for (int arc = 0; arc < grid.arcs; ++arc) {
      const std::span<const float> levels = set.data.Arc(band, arc);
      for (int p = 0; p < grid.points; ++p) {
        rows.Cell(frequency).Whole(arc).Whole(p).Whole(arc * grid.stepDeg);
        rows.Whole(p * grid.stepDeg).Real(levels[p]);
        if (phase) rows.Real(set.phase->balloon[band][arc][p]);
        rows.End();
      }
    }
  }
  return rows.Take();
}

std::vector<CsvFile> ExportTables(const model::DataSet& set,
                                  const analysis::DirectivityFigures& figures) {
  return {{"bands.csv", BandsCsv(set, figures)},
          {"axial_spectrum.csv", AxialSpectrumCsv(set)},
          {"polar_horizontal.csv", PlaneCsv(set, Plane::Horizontal)},
          {"polar_vertical.csv", PlaneCsv(set, Plane::Vertical)},
          {"balloon.csv", BalloonCsv(set)},
          {"cta2034.csv", CurvesCsv(set, analysis::ComputeCta2034(set))}};
}

}  // namespace zef::cli
