#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "textformat/keyword_groups.h"
#include "textformat/reader_fixture.h"

namespace zef::textformat {
namespace {

using model::FormatKind;
using model::Symmetry;
using testing::ErrorAt;
using testing::ErrorsAt;
using testing::ExpectFailed;
using testing::ExpectRefused;
using testing::GroupRun;
using testing::SetBands;

constexpr int kZef1Band1000 = 5;
constexpr int kZef2Band1000 = 16;
// Header lines are lines 2 to 5; the first <BAND> is line 6, its first arc line 7.
constexpr int kFirstArcLine = 7;

// One arc line of `count` values, value(p) at point p.
std::string ArcLine(int count, const std::function<double(int)>& value) {
  std::string line;
  for (int p = 0; p < count; ++p) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%.9g", p ? "\t" : "", value(p));
    line += text;
  }
  return line + "\n";
}

// `lines` arc lines; line i gives `start`·(i + 1) at point 0 and then p·(i + 1)
// more at point p, so an arc shows which line it came from after the read. Phase
// arcs start at 0, as they must.
std::string MarkedArcs(int lines, int count, double start = 1.0) {
  std::string text;
  for (int i = 0; i < lines; ++i)
    text += ArcLine(count, [=](int p) { return (i + 1) * (start + p); });
  return text;
}

struct Header {
  std::string symmetry = "<FULL>";
  std::string order = "<DEFAULT>";
  std::string reference = "<RELATIVE>\t<SIGN>\t<ACTUAL>";
  std::string radiation = "<FULLSPHERE>";
  std::string Text() const {
    return "<RADIATION>\t" + radiation + "\n<BALLOON-SYMMETRY>\t" + symmetry +
           "\n<BALLOON-ARC-ORDER>\t" + order + "\n<BALLOON-REF>\t" + reference + "\n";
  }
};

// Reads radiation and balloon of the 1 kHz band (or `bands` more from there).
GroupRun ReadBalloonText(FormatKind kind, const std::string& text,
                         const std::function<void(model::DataSet&)>& prepare = {},
                         bool phaseInDegrees = false, int bands = 1) {
  const int band = kind == FormatKind::Zef1 ? kZef1Band1000 : kZef2Band1000;
  return testing::RunGroup(
      kind, text,
      [phaseInDegrees](Reader& r) {
        r.State().phaseInDegrees = phaseInDegrees;
        return ReadRadiation(r) && ReadBalloon(r);
      },
      [&](model::DataSet& set) {
        SetBands(set, band, band + bands - 1);
        if (prepare) prepare(set);
      });
}

GroupRun Zef1Balloon(const std::string& lines) {
  return ReadBalloonText(FormatKind::Zef1, lines);
}

void WithPhaseData(model::DataSet& set) {
  set.version = 2;
  set.info->presenceFlags |= model::presence::kPhaseData;
  set.phase = std::make_unique<model::PhaseBlock>();
}

// Each symmetry in both orders: which line lands in which arc, completed arcs included.
TEST(BalloonKeywords, ArcLinesLandInTheirArcs) {
  const std::tuple<std::string, std::string, int, std::vector<std::pair<int, int>>> cases[] = {
      // symmetry, order, lines given, {arc, the line it holds}
      {"<FULL>", "<DEFAULT>", 10, {{0, 0}, {9, 9}, {10, 8}, {18, 0}, {35, 1}, {27, 9}}},
      {"<FULL>", "<REVERSED>", 10, {{9, 0}, {0, 9}, {18, 9}, {35, 8}}},
      {"<VERTICAL>", "<DEFAULT>", 19, {{27, 0}, {35, 8}, {0, 9}, {9, 18}, {18, 9}, {19, 8}}},
      {"<VERTICAL>", "<reversed>", 19, {{9, 0}, {0, 9}, {35, 10}, {27, 18}, {17, 8}, {19, 10}}},
      {"<HORIZONTAL>", "<DEFAULT>", 19, {{0, 0}, {18, 18}, {35, 1}, {19, 17}}},
      {"<HORIZONTAL>", "<REVERSED>", 19, {{18, 0}, {0, 18}, {35, 17}}},
      {"<NONE>", "<DEFAULT>", 36, {{0, 0}, {1, 1}, {35, 35}}},
      {"<NONE>", "<REVERSED>", 36, {{0, 0}, {35, 1}, {34, 2}, {1, 35}}},
      {"<ROTATIONAL>", "<DEFAULT>", 1, {{0, 0}, {17, 0}, {35, 0}}},
      {"<ROTATIONAL>", "<REVERSED>", 1, {{0, 0}, {35, 0}}},
      {"<POLAR>", "<DEFAULT>", 4, {{0, 0}, {9, 1}, {18, 2}, {27, 3}}},
      {"<POLAR>", "<REVERSED>", 4, {{0, 0}, {27, 1}, {18, 2}, {9, 3}}},
  };
  for (const auto& [symmetry, order, lines, arcLine] : cases) {
    const Header header{.symmetry = symmetry, .order = order};
    const GroupRun run =
        ReadBalloonText(FormatKind::Zef1, header.Text() + "<BAND>\t1000\n" + MarkedArcs(lines, 19));
    ASSERT_EQ(run.result, kReadClean) << symmetry << order;
    const model::DataRecord& data = run.set->data;
    for (const auto& [arc, line] : arcLine) {
      EXPECT_EQ(data.OnAxis(kZef1Band1000, arc), line + 1) << symmetry << order << arc;
      EXPECT_EQ(data.Arc(kZef1Band1000, arc)[4], 4.0f * (line + 1)) << symmetry << arc;
    }
    for (int a = 0; a < 36; ++a) EXPECT_EQ(data.Arc(kZef1Band1000, a)[0], 0.0f);
  }
}

// ZEF2: 72 arcs of 37 points, each band of the range read in turn.
TEST(BalloonKeywords, Zef2GridAndSeveralBands) {
  const GroupRun run = ReadBalloonText(FormatKind::Zef2,
                                       Header().Text() + "<BAND>\t1k\n" + MarkedArcs(19, 37) +
                                           "<BAND>\t1.25K\n" + MarkedArcs(19, 37),
                                       {}, false, 2);
  ASSERT_EQ(run.result, kReadClean) << ::testing::PrintToString(run.messages);
  for (const int band : {16, 17}) {
    EXPECT_EQ(run.set->data.OnAxis(band, 36), 1.0f);
    EXPECT_EQ(run.set->data.OnAxis(band, 71), 2.0f);
    EXPECT_EQ(run.set->data.Arc(band, 18)[36], 36.0f * 19);
  }
}

TEST(BalloonKeywords, PolarBandIsInterpolatedBeforeSeparation) {
  // Front arc flat at 0 dB, the other three at -6 dB apart from the shared on-axis point.
  std::string arcs = ArcLine(19, [](int) { return 0.0; });
  for (int i = 0; i < 3; ++i) arcs += ArcLine(19, [](int p) { return p == 0 ? 0.0 : -6.0; });
  const GroupRun run = ReadBalloonText(
      FormatKind::Zef1, Header{.symmetry = "<POLAR>"}.Text() + "<BAND>\t1000\n" + arcs);
  ASSERT_TRUE(run.ok);
  // Arc 3 (30°), point 2: 1 / sqrt(cos²30°/50² + sin²30°/44²) - 50.
  const double expected = 1.0 / std::sqrt(0.75 / (50.0 * 50.0) + 0.25 / (44.0 * 44.0)) - 50.0;
  EXPECT_NEAR(run.set->data.Arc(kZef1Band1000, 3)[2], expected, 1e-4);
  EXPECT_EQ(run.set->data.OnAxis(kZef1Band1000, 3), 0.0f);
}

// The radiation decides the last point read (ZEF1: 9 or 18, ZEF2: 18 or 36).
TEST(BalloonKeywords, HalfSphereReadsTheFrontHalfAndFillsTheRear) {
  const std::string head = Header{.radiation = "<halfsphere>"}.Text() + "<BAND>\t1000\n";
  const GroupRun run = ReadBalloonText(FormatKind::Zef1, head + MarkedArcs(10, 10));
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.set->info->radiation, model::Radiation::HalfSphere);
  for (const int a : {0, 5, 18, 35}) {
    const auto arc = run.set->data.Arc(kZef1Band1000, a);
    EXPECT_EQ(arc[9], 9.0f * run.set->data.OnAxis(kZef1Band1000, a));
    EXPECT_EQ(std::vector<float>(arc.begin() + 10, arc.begin() + 19), std::vector<float>(9, -50));
  }
  ExpectRefused(
      Zef1Balloon,
      {{head + MarkedArcs(9, 10) + MarkedArcs(1, 9),
        ErrorsAt(kFirstArcLine + 9, {"missing arc value", "Balloon data error band 1000"})},
       {"<RADIATION>\t\n", ErrorAt(2, "<RADIATION> value expected")},
       {"<RADIATION>\t<SPHERE>\n", ErrorAt(2, "<RADIATION> illegal value")}});
}

TEST(BalloonKeywords, ArcValueRules) {
  const std::string head = Header().Text() + "<BAND>\t1000\n";
  // Values beyond the rear point are ignored.
  EXPECT_EQ(ReadBalloonText(FormatKind::Zef1, head + MarkedArcs(10, 25)).result, kReadClean);
  // Blank lines, lines that begin with a TAB and comments are passed over.
  ExpectRefused(
      Zef1Balloon,
      {{head + "\n\t3\n# note\n" + MarkedArcs(9, 19) + MarkedArcs(1, 18),
        ErrorsAt(kFirstArcLine + 12, {"missing arc value", "Balloon data error band 1000"})},
       {head + "0\t<NODATA>\n", ErrorsAt(kFirstArcLine, {"Valid float expected: <NODATA>",
                                                         "Balloon data error band 1000"})}});
}

// A reversed sign negates the levels before the on-axis separation; <ABSOLUTE>
// reads nothing after it, so its sign stays actual.
TEST(BalloonKeywords, ReferenceAndSign) {
  const std::string band =
      "<BAND>\t1000\n" + ArcLine(19, [](int p) { return -6.0 - p; }) + MarkedArcs(9, 19);
  const std::tuple<std::string, model::BalloonRef, float> cases[] = {
      {"<ABSOLUTE>\t<SIGN>\t<REVERSED>", model::BalloonRef::Absolute, 1.0f},
      {"<ARBITRARY>\t<ANY>\t<reversed>", model::BalloonRef::Arbitrary, -1.0f},
  };
  for (const auto& [reference, kind, sign] : cases) {
    const GroupRun run =
        ReadBalloonText(FormatKind::Zef1, Header{.reference = reference}.Text() + band,
                        [](model::DataSet& set) { set.info->presenceFlags |= 0x30; });
    ASSERT_TRUE(run.ok) << reference;
    EXPECT_EQ(run.set->info->balloonRef, kind);
    EXPECT_EQ(run.set->data.OnAxis(kZef1Band1000, 0), -6.0f * sign) << reference;
    EXPECT_EQ(run.set->data.Arc(kZef1Band1000, 0)[3], -3.0f * sign) << reference;
    EXPECT_EQ(run.set->data.OnAxis(kZef1Band1000, 1), 1.0f * sign) << reference;
  }
}

TEST(BalloonKeywords, BandLineMustNameTheBand) {
  const std::string head = Header().Text();
  const std::string arcs = MarkedArcs(10, 19);
  for (const std::string band :
       {"<BAND>\t2000\n", "<BAND>\t\n", "<BAND>\n", "<PHASE>\t1000\n", ""}) {
    ExpectFailed(Zef1Balloon(head + band + arcs), ErrorAt(6, "Expecting <BAND>1000"), band);
  }
  EXPECT_TRUE(ReadBalloonText(FormatKind::Zef1, head + "<band>\t1k\n" + arcs).ok);
  // ZEF2 names the band by its long label; the second band is checked too.
  const GroupRun second =
      ReadBalloonText(FormatKind::Zef2,
                      head + "<BAND>\t1k\n" + MarkedArcs(19, 37) + "<BAND>\t1000\n", {}, false, 2);
  ExpectFailed(second, ErrorAt(kFirstArcLine + 19, "Expecting <BAND>1250"));
}

TEST(BalloonKeywords, SymmetryArcOrderAndReferenceErrors) {
  const std::string needsBoth =
      "<BALLOON-REF><ABSOLUTE> requires <MEASUREMENT-INPUTVOLTAGE> and <MEASUREMENT-DISTANCE>";
  const std::string onlyRelative = "<BALLOON-REF> only <relative> allowed with phase data";
  const std::tuple<Header, int, std::string, bool, std::uint32_t> cases[] = {
      // header, line, message, phase data, presence flags
      {{.symmetry = "<ROUND>"}, 3, "<BALLOON-SYMMETRY> illegal value", false, 0},
      {{.symmetry = "<POLAR>"}, 3, "<POLAR> not supported with phase data", true, 0},
      {{.order = "<BACKWARDS>"}, 4, "<BALLOON-ARC-ORDER> illegal value", false, 0},
      {{.reference = "<LOUD>"}, 5, "<BALLOON-REF> illegal value", false, 0},
      {{.reference = "<RELATIVE>"}, 5, "<BALLOON-REF><SIGN> expected", false, 0},
      {{.reference = "<ARBITRARY>\t<SIGN>\t<NEGATIVE>"},
       5,
       "<BALLOON-REF><SIGN> <ACTUAL> or <REVERSED> allowed",
       false,
       0},
      // An input voltage line with only a TAB leaves its bit clear.
      {{.reference = "<ABSOLUTE>"}, 5, needsBoth, false, model::presence::kMeasurementDistance},
      {{.reference = "<ABSOLUTE>"}, 5, needsBoth, false, model::presence::kInputVoltage},
      {{.reference = "<ABSOLUTE>"}, 5, onlyRelative, true, 0x30},
      {{.reference = "<ARBITRARY>"}, 5, onlyRelative, true, 0},
  };
  for (const auto& [header, line, message, phaseData, flags] : cases) {
    const GroupRun run = ReadBalloonText(FormatKind::Zef2, header.Text(), [&](model::DataSet& set) {
      if (phaseData) WithPhaseData(set);
      set.info->presenceFlags |= flags;
    });
    ExpectFailed(run, ErrorAt(line, message), message);
  }
}

// A <VERTICAL> band read with `rotate` after the arc order.
GroupRun ReadRotated(FormatKind kind, const std::string& rotate,
                     const std::string& symmetry = "<VERTICAL>") {
  const int lines = kind == FormatKind::Zef1 ? 19 : 37;
  const Header header{.symmetry = symmetry, .order = "<DEFAULT>\t" + rotate};
  return ReadBalloonText(kind, header.Text() + "<BAND>\t1000\n" + MarkedArcs(lines, lines));
}

// The levels turned by `steps` arcs while the on-axis table stayed with the arcs as read.
void ExpectTurnedBy(const GroupRun& run, int steps, const std::string& what) {
  const int band = run.set->kind == FormatKind::Zef1 ? kZef1Band1000 : kZef2Band1000;
  const int arcs = run.set->GetGrid().arcs;
  for (int a = 0; a < arcs; ++a) {
    const float line = run.set->data.OnAxis(band, a);
    EXPECT_EQ(run.set->data.Arc(band, (a + steps) % arcs)[2], 2.0f * line) << what << " arc " << a;
  }
}

TEST(BalloonKeywords, QuarterTurnMovesArcsAndSwapsSymmetry) {
  const std::tuple<FormatKind, std::string, std::string, int, Symmetry> cases[] = {
      {FormatKind::Zef1, "<VERTICAL>", "<ROTATE>\t90", 9, Symmetry::Horizontal},
      {FormatKind::Zef1, "<VERTICAL>", "<ROTATE>\t-90", 27, Symmetry::Horizontal},
      {FormatKind::Zef1, "<HORIZONTAL>", "<ROTATE>\t90", 9, Symmetry::Vertical},
      {FormatKind::Zef1, "<VERTICAL>", "<ROTATE>\t180", 18, Symmetry::Vertical},
      {FormatKind::Zef2, "<VERTICAL>", "<rotate>\t90", 18, Symmetry::Horizontal},
      {FormatKind::Zef2, "<VERTICAL>", "<ROTATE>\t-5", 71, Symmetry::Vertical},
  };
  for (const auto& [kind, given, rotate, steps, symmetry] : cases) {
    const GroupRun run = ReadRotated(kind, rotate, given);
    ASSERT_EQ(run.result, kReadClean) << rotate;
    EXPECT_EQ(run.set->info->symmetry, symmetry) << rotate;
    ExpectTurnedBy(run, steps, rotate);
  }
}

// After any <ROTATE> error nothing turns and the symmetry stays as given.
TEST(BalloonKeywords, RotateErrorsLeaveTheBalloonUnturned) {
  const std::string k = "<BALLOON-ARC-ORDER>";
  const std::tuple<FormatKind, std::string, std::string> cases[] = {
      {FormatKind::Zef1, "<TURN>\t90", k + " <ROTATE> expected"},
      {FormatKind::Zef1, "<ROTATE>\t90x", "Integer expected:90x"},
      {FormatKind::Zef1, "<ROTATE>\t190", k + " <ROTATE> > 180 degrees"},
      {FormatKind::Zef1, "<ROTATE>\t-270", k + " <ROTATE> > 180 degrees"},
      {FormatKind::Zef1, "<ROTATE>\t15", k + " <ROTATE> not a multiple of 10 degrees"},
      {FormatKind::Zef2, "<ROTATE>\t92", k + " <ROTATE> not a multiple of 5 degrees"},
  };
  for (const auto& [kind, rotate, message] : cases) {
    const GroupRun run = ReadRotated(kind, rotate);
    EXPECT_TRUE(run.ok) << rotate;
    EXPECT_EQ(run.result, kReadWithErrors) << rotate;
    EXPECT_EQ(run.messages, ErrorAt(4, message)) << rotate;
    EXPECT_EQ(run.set->info->symmetry, Symmetry::Vertical) << rotate;
    ExpectTurnedBy(run, 0, rotate);
  }
}

TEST(BalloonKeywords, PhaseArcsAreCompletedCheckedAndConverted) {
  // Phases keep their sign; they turn with the levels.
  const Header header{.order = "<DEFAULT>\t<ROTATE>\t90",
                      .reference = "<RELATIVE>\t<SIGN>\t<REVERSED>"};
  const std::string text = header.Text() + "<BAND>\t1000\n" + MarkedArcs(19, 37) +
                           "<PHASE>\t<ignored>\n" + MarkedArcs(19, 37, 0);
  const GroupRun degrees = ReadBalloonText(FormatKind::Zef2, text, WithPhaseData, true);
  ASSERT_TRUE(degrees.ok) << ::testing::PrintToString(degrees.messages);
  const auto& phase = degrees.set->phase->balloon[kZef2Band1000];
  // Arc 1 (line 1) completed to arc 71, both then turned by 18 arcs.
  EXPECT_FLOAT_EQ(phase[19][3], 6.0f * 0.017453292f);
  EXPECT_FLOAT_EQ(phase[17][3], 6.0f * 0.017453292f);
  EXPECT_EQ(degrees.set->data.Arc(kZef2Band1000, 19)[1], -2.0f);
  const GroupRun radians = ReadBalloonText(FormatKind::Zef2, text, WithPhaseData, false);
  EXPECT_EQ(radians.set->phase->balloon[kZef2Band1000][19][3], 6.0f);

  const GroupRun rear =
      ReadBalloonText(FormatKind::Zef2,
                      Header{.radiation = "<HALFSPHERE>"}.Text() + "<BAND>\t1000\n" +
                          MarkedArcs(19, 19) + "<PHASE>\t\n" + MarkedArcs(19, 19, 0),
                      WithPhaseData);
  ASSERT_TRUE(rear.ok);
  EXPECT_EQ(rear.set->phase->balloon[kZef2Band1000][1][18], 36.0f);
  EXPECT_EQ(rear.set->phase->balloon[kZef2Band1000][1][19], 0.0f);
  EXPECT_EQ(rear.set->data.Arc(kZef2Band1000, 1)[19], -50.0f);
}

TEST(BalloonKeywords, PhaseErrors) {
  const std::string levels = Header().Text() + "<BAND>\t1000\n" + MarkedArcs(19, 37);
  const int phaseLine = kFirstArcLine + 19;
  const std::string badPoint0 = ArcLine(37, [](int p) { return p + 1.0; });
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"<PHASES>\t\n" + MarkedArcs(19, 37, 0), ErrorAt(phaseLine, "Expecting <PHASE>")},
      {"<PHASE>\t\n" + MarkedArcs(3, 37, 0) + MarkedArcs(1, 36, 0),
       ErrorsAt(phaseLine + 4, {"missing phase arc value", "Balloon phasedata error band 1000"})},
      {"<PHASE>\t\n" + MarkedArcs(3, 37, 0) + badPoint0 + MarkedArcs(15, 37, 0),
       ErrorAt(phaseLine + 19, "Balloon phasedata error band 1000")},
  };
  for (const auto& [phase, messages] : cases) {
    ExpectFailed(ReadBalloonText(FormatKind::Zef2, levels + phase, WithPhaseData), messages,
                 phase.substr(0, 20));
  }
}

}  // namespace
}  // namespace zef::textformat
