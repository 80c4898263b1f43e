#include "textformat/balloon_completion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zef::textformat {
namespace {

using model::Symmetry;

// Directions closer than this to a plane count as lying in it.
constexpr double kOnPlane = 0.0001;

bool Fits(std::span<const float> band, const model::Grid& grid) {
  return band.size() >= static_cast<std::size_t>(grid.arcs * grid.points);
}

void CopyArc(std::span<float> band, const model::Grid& grid, int to, int from) {
  const std::span<float> source = ArcOf(band, grid, from);
  std::copy(source.begin(), source.end(), ArcOf(band, grid, to).begin());
}

std::vector<int> Range(int from, int to) {
  std::vector<int> arcs;
  for (int a = from; a <= to; ++a) arcs.push_back(a);
  return arcs;
}

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180.0;
}

}  // namespace

std::span<float> ArcOf(std::span<float> band, const model::Grid& grid, int arc) {
  return band.subspan(static_cast<std::size_t>(arc * grid.points),
                      static_cast<std::size_t>(grid.points));
}

std::vector<int> ArcsToRead(Symmetry symmetry, bool reversed, const model::Grid& grid) {
  const int q = grid.Quarter();
  const int n = grid.arcs;
  std::vector<int> arcs;
  // Reversing turns the list round, except where arc 0 leads both orders.
  bool keepFirst = false;
  switch (symmetry) {
    case Symmetry::Full:
      arcs = Range(0, q);
      break;
    case Symmetry::Vertical:
      arcs = Range(3 * q, n - 1);
      for (int a = 0; a <= q; ++a) arcs.push_back(a);
      break;
    case Symmetry::Horizontal:
      arcs = Range(0, 2 * q);
      break;
    case Symmetry::None:
      arcs = Range(0, n - 1);
      keepFirst = true;
      break;
    case Symmetry::Rotational:
      arcs = {0};
      break;
    case Symmetry::Polar:
      arcs = {0, q, 2 * q, 3 * q};
      keepFirst = true;
      break;
  }
  if (reversed && !arcs.empty()) std::reverse(arcs.begin() + (keepFirst ? 1 : 0), arcs.end());
  return arcs;
}

void CompleteBySymmetry(Symmetry symmetry, std::span<float> band, const model::Grid& grid) {
  if (!Fits(band, grid)) return;
  const int q = grid.Quarter();
  const int n = grid.arcs;
  switch (symmetry) {
    case Symmetry::Full:
      for (int a = 0; a < q; ++a) CopyArc(band, grid, 2 * q - a, a);
      for (int a = 1; a < 2 * q; ++a) CopyArc(band, grid, n - a, a);
      break;
    case Symmetry::Vertical:
      for (int a = 0; a < q; ++a) CopyArc(band, grid, 2 * q - a, a);
      for (int a = 1; a < q; ++a) CopyArc(band, grid, 3 * q - a, 3 * q + a);
      break;
    case Symmetry::Horizontal:
      for (int a = 1; a < 2 * q; ++a) CopyArc(band, grid, n - a, a);
      break;
    case Symmetry::Rotational:
      for (int a = 1; a < n; ++a) CopyArc(band, grid, a, 0);
      break;
    case Symmetry::None:
    case Symmetry::Polar:
      break;
  }
}

PolarCurves BuildPolarCurves(std::span<float> band, const model::Grid& grid) {
  const int q = grid.Quarter();
  const int n = grid.arcs;
  // Each plane is one arc going out to the rear and its opposite arc coming back.
  auto curve = [&](int front, int back) {
    std::vector<double> c(static_cast<std::size_t>(n));
    const std::span<float> out = ArcOf(band, grid, front);
    const std::span<float> in = ArcOf(band, grid, back);
    for (int p = 0; p <= 2 * q; ++p) c[p] = out[p] + kPolarOffset;
    for (int p = 1; p < 2 * q; ++p) c[n - p] = in[p] + kPolarOffset;
    return c;
  };
  return {curve(0, 2 * q), curve(q, 3 * q)};
}

double PolarLookup(std::span<const double> curve, double betaDeg, int stepDeg) {
  const int n = static_cast<int>(curve.size());
  if (n == 0) return 0.0;
  const double t = betaDeg / stepDeg - 0.0001;
  const double whole = std::trunc(t);
  const double f = t - whole;
  // The curve is closed: the entry after the last is the first.
  const int i = ((static_cast<int>(whole) % n) + n) % n;
  return curve[i] * (1.0 - f) + curve[(i + 1) % n] * f;
}

double PolarValue(const PolarCurves& curves, double alphaDeg, double phiDeg, int stepDeg) {
  const double alpha = Radians(alphaDeg);
  const double phi = Radians(phiDeg);
  const double y = std::sin(alpha) * std::sin(phi);
  const double z = std::sin(alpha) * std::cos(phi);
  // A negative component looks the plane up on its far arc.
  auto lookup = [&](const std::vector<double>& curve, double component) {
    return PolarLookup(curve, component < -kOnPlane ? 360.0 - alphaDeg : alphaDeg, stepDeg);
  };
  const double h = lookup(curves.horizontal, y);
  if (std::abs(z) <= kOnPlane) return h;
  const double v = lookup(curves.vertical, z);
  if (std::abs(y) <= kOnPlane) return v;
  const double c = std::cos(phi);
  const double s = std::sin(phi);
  return 1.0 / std::sqrt(c * c / (v * v) + s * s / (h * h));
}

void CompletePolar(std::span<float> band, const model::Grid& grid) {
  if (!Fits(band, grid)) return;
  const int q = grid.Quarter();
  const PolarCurves curves = BuildPolarCurves(band, grid);
  const std::span<const float> front = ArcOf(band, grid, 0);
  for (int a = 0; a < grid.arcs; ++a) {
    if (a % q == 0) continue;
    const std::span<float> arc = ArcOf(band, grid, a);
    arc[0] = front[0];
    arc[2 * q] = front[2 * q];
    for (int p = 1; p < 2 * q; ++p) {
      const double value = PolarValue(curves, p * grid.stepDeg, a * grid.stepDeg, grid.stepDeg);
      arc[p] = static_cast<float>(value - kPolarOffset);
    }
  }
}

void SeparateOnAxis(std::span<float> band, std::span<float> onAxis, const model::Grid& grid) {
  if (!Fits(band, grid) || onAxis.size() < static_cast<std::size_t>(grid.arcs)) return;
  for (int a = 0; a < grid.arcs; ++a) {
    const std::span<float> arc = ArcOf(band, grid, a);
    const float level = arc[0];
    onAxis[a] = level;
    for (float& v : arc) v -= level;
  }
}

void FillBeyond(std::span<float> band, const model::Grid& grid, int lastPoint, float value) {
  if (!Fits(band, grid)) return;
  const int first = std::max(lastPoint + 1, 0);
  for (int a = 0; a < grid.arcs; ++a) {
    const std::span<float> arc = ArcOf(band, grid, a);
    for (int p = first; p < grid.points; ++p) arc[p] = value;
  }
}

void RotateArcs(std::span<float> band, const model::Grid& grid, int steps) {
  const int n = grid.arcs;
  const int shift = ((steps % n) + n) % n;
  if (!Fits(band, grid) || shift == 0) return;
  const std::size_t size = static_cast<std::size_t>(n * grid.points);
  const std::vector<float> before(band.begin(), band.begin() + size);
  for (int a = 0; a < n; ++a) {
    const auto from = before.begin() + a * grid.points;
    std::copy(from, from + grid.points, ArcOf(band, grid, (a + shift) % n).begin());
  }
}

}  // namespace zef::textformat
