#include "textformat/balloon_completion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace zef::textformat {
namespace {

using model::kZef1Grid;
using model::kZef2Grid;
using model::Symmetry;

constexpr float kUnset = -999.0f;

std::vector<float> EmptyBand(const model::Grid& grid) {
  return std::vector<float>(static_cast<std::size_t>(grid.arcs * grid.points), kUnset);
}

// Gives arc a the values 100·a + p so that a copied arc shows where it came from.
void MarkArcs(std::vector<float>& band, const model::Grid& grid, const std::vector<int>& arcs) {
  for (const int a : arcs) {
    const std::span<float> arc = ArcOf(band, grid, a);
    for (int p = 0; p < grid.points; ++p) arc[p] = static_cast<float>(100 * a + p);
  }
}

TEST(BalloonCompletion, SymmetryFillsEveryArcFromTheRightSource) {
  struct Case {
    Symmetry symmetry;
    const model::Grid& grid;
    std::vector<std::pair<int, int>> copies;  // arc, the arc it must equal
  };
  // Every arc gets a value; spot arcs must be copies of the right source.
  const Case cases[] = {
      {Symmetry::Full, kZef1Grid, {{18, 0}, {35, 1}, {10, 8}, {26, 8}, {27, 9}, {19, 1}}},
      {Symmetry::Full, kZef2Grid, {{36, 0}, {71, 1}, {54, 18}, {37, 1}}},
      {Symmetry::Vertical, kZef1Grid, {{18, 0}, {10, 8}, {17, 1}, {26, 28}, {19, 35}}},
      {Symmetry::Horizontal, kZef1Grid, {{35, 1}, {19, 17}, {27, 9}}},
      {Symmetry::Rotational, kZef1Grid, {{1, 0}, {18, 0}, {35, 0}}},
  };
  for (const Case& c : cases) {
    std::vector<float> band = EmptyBand(c.grid);
    const std::vector<int> read = ArcsToRead(c.symmetry, false, c.grid);
    MarkArcs(band, c.grid, read);
    CompleteBySymmetry(c.symmetry, band, c.grid);
    for (const float v : band) ASSERT_NE(v, kUnset) << static_cast<int>(c.symmetry);
    for (const auto& [arc, source] : c.copies) {
      const auto got = ArcOf(band, c.grid, arc);
      const auto want = ArcOf(band, c.grid, source);
      EXPECT_TRUE(std::equal(got.begin(), got.end(), want.begin()))
          << static_cast<int>(c.symmetry) << ": arc " << arc << " from " << source;
    }
    for (const int a : read) EXPECT_EQ(ArcOf(band, c.grid, a)[3], 100 * a + 3);
  }
  // The reader's own tests cover the ZEF1 read orders; the ZEF2 grid doubles Q.
  std::vector<int> vertical;  // 18 down to 0, then 71 down to 54
  for (int a = 18; a >= 0; --a) vertical.push_back(a);
  for (int a = 71; a >= 54; --a) vertical.push_back(a);
  EXPECT_EQ(ArcsToRead(Symmetry::Vertical, true, kZef2Grid), vertical);
  EXPECT_EQ(ArcsToRead(Symmetry::Polar, true, kZef2Grid), (std::vector<int>{0, 54, 36, 18}));
  // Nothing to complete when every arc is given.
  std::vector<float> band = EmptyBand(kZef1Grid);
  CompleteBySymmetry(Symmetry::None, band, kZef1Grid);
  EXPECT_EQ(band, EmptyBand(kZef1Grid));
}

// Planes of a ZEF1 band: arc 0 at -p dB, arc 18 at -2p, arc 9 at -3p, arc 27 at -20.
std::vector<float> PolarBand() {
  std::vector<float> band = EmptyBand(kZef1Grid);
  for (int p = 0; p < kZef1Grid.points; ++p) {
    ArcOf(band, kZef1Grid, 0)[p] = static_cast<float>(-p);
    ArcOf(band, kZef1Grid, 18)[p] = static_cast<float>(-2 * p);
    ArcOf(band, kZef1Grid, 9)[p] = static_cast<float>(-3 * p);
    ArcOf(band, kZef1Grid, 27)[p] = -20.0f;
  }
  return band;
}

TEST(BalloonCompletion, PolarCurvesAndLookup) {
  std::vector<float> band = PolarBand();
  const PolarCurves curves = BuildPolarCurves(band, kZef1Grid);
  ASSERT_EQ(curves.vertical.size(), 36u);
  EXPECT_EQ(curves.vertical[0], 50.0);
  EXPECT_EQ(curves.vertical[18], 32.0);  // the rear point comes from arc 0
  EXPECT_EQ(curves.vertical[35], 48.0);  // arc 18, point 1
  EXPECT_EQ(curves.vertical[19], 16.0);  // arc 18, point 17
  EXPECT_EQ(curves.horizontal[2], 44.0);
  EXPECT_EQ(curves.horizontal[30], 30.0);

  // A point on the grid reads almost all of its own entry.
  EXPECT_NEAR(PolarLookup(curves.vertical, 20.0, 10), 48.0001, 1e-9);
  EXPECT_NEAR(PolarLookup(curves.vertical, 340.0, 10), 45.9998, 1e-9);
  EXPECT_NEAR(PolarLookup(curves.vertical, 15.0, 10), 49.0 * 0.5001 + 48.0 * 0.4999, 1e-9);
  // The curve is closed: past the last entry comes the first.
  EXPECT_NEAR(PolarLookup(curves.vertical, 355.0, 10), 48.0 * 0.5001 + 50.0 * 0.4999, 1e-9);
}

TEST(BalloonCompletion, PolarValueOnAndOffThePlanes) {
  std::vector<float> band = PolarBand();
  const PolarCurves curves = BuildPolarCurves(band, kZef1Grid);
  struct Case {
    double alpha, phi, expected;
  };
  const Case cases[] = {
      {20, 90, 44.0003},   // in the horizontal plane, +y side: H at 20
      {20, 270, 30.0},     // -y side: H at 340
      {0, 90, 50.0003},    // on axis: H at 0, extrapolated a hair
      {20, 0, 48.0001},    // in the vertical plane: V at 20
      {20, 180, 45.9998},  // far side: V at 340
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(PolarValue(curves, c.alpha, c.phi, 10), c.expected, 1e-6)
        << c.alpha << " " << c.phi;
  }
}

TEST(BalloonCompletion, PolarFillsTheArcsBetweenThePlanes) {
  std::vector<float> band = PolarBand();
  const std::vector<float> planes = band;
  CompletePolar(band, kZef1Grid);
  for (const int a : {0, 9, 18, 27}) {
    for (int p = 0; p < 19; ++p) EXPECT_EQ(ArcOf(band, kZef1Grid, a)[p], planes[a * 19 + p]);
  }
  // Between the planes: ellipses of V and H at 20 (arc 3), V at 20 and H at 340
  // (arc 30), V at 340 and H at 20 (arc 15).
  EXPECT_NEAR(ArcOf(band, kZef1Grid, 3)[2], -3.10123274, 1e-4);
  EXPECT_NEAR(ArcOf(band, kZef1Grid, 30)[2], -17.41546898, 1e-4);
  EXPECT_NEAR(ArcOf(band, kZef1Grid, 15)[2], -4.52552676, 1e-4);
  // The on-axis and rear points come from arc 0.
  EXPECT_EQ(ArcOf(band, kZef1Grid, 3)[0], 0.0f);
  EXPECT_EQ(ArcOf(band, kZef1Grid, 30)[18], -18.0f);
  for (const float v : band) EXPECT_NE(v, kUnset);
}

}  // namespace
}  // namespace zef::textformat
