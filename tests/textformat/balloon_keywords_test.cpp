#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "textformat/keyword_groups.h"
#include "textformat/reader_fixture.h"

namespace zef::textformat {
namespace {

using model::FormatKind;
using model::Symmetry;
using testing::ErrorAt;
using testing::RunGroup;
using testing::SetBands;
using Messages = std::vector<std::string>;

constexpr int kZef1Band1000 = 5;
constexpr int kZef2Band1000 = 16;
// Header lines are lines 2 to 5; the first <BAND> is line 6, its first arc line 7.
constexpr int kFirstArcLine = 7;

std::string Number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", v);
  return text;
}

// One arc line of `count` values, value(p) at point p.
std::string ArcLine(int count, const std::function<double(int)>& value) {
  std::string line;
  for (int p = 0; p < count; ++p) line += (p ? "\t" : "") + Number(value(p));
  return line + "\n";
}

// `lines` arc lines; line i gives the on-axis level i + 1 and then p·(i + 1)
// dB more at point p, so an arc shows which line it came from after the read.
std::string MarkedArcs(int lines, int count) {
  std::string text;
  for (int i = 0; i < lines; ++i) {
    text += ArcLine(count, [i](int p) { return (i + 1) * (1.0 + p); });
  }
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

bool RadiationAndBalloon(Reader& r) {
  return ReadRadiation(r) && ReadBalloon(r);
}

testing::GroupRun ReadBalloonText(FormatKind kind, const std::string& text,
                                  const std::function<void(model::DataSet&)>& prepare = {},
                                  bool phaseInDegrees = false) {
  const int band = kind == FormatKind::Zef1 ? kZef1Band1000 : kZef2Band1000;
  return RunGroup(
      kind, text,
      [phaseInDegrees](Reader& r) {
        r.State().phaseInDegrees = phaseInDegrees;
        return RadiationAndBalloon(r);
      },
      [&](model::DataSet& set) {
        SetBands(set, band, band);
        if (prepare) prepare(set);
      });
}

void WithPhaseData(model::DataSet& set) {
  set.version = 2;
  set.info->presenceFlags |= model::presence::kPhaseData;
  set.phase = std::make_unique<model::PhaseBlock>();
}

// The error list as one text, for failure output.
std::string Said(const testing::GroupRun& run) {
  std::string text;
  for (const std::string& line : run.messages) text += line + "\n";
  return text;
}

Messages Concat(Messages a, const Messages& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(BalloonKeywords, RadiationSetsTheLastPointRead) {
  struct Case {
    FormatKind kind;
    std::string_view value;
    model::Radiation radiation;
    int lastPoint;
  };
  const Case cases[] = {
      {FormatKind::Zef1, "<HALFSPHERE>", model::Radiation::HalfSphere, 9},
      {FormatKind::Zef1, "<fullsphere>", model::Radiation::FullSphere, 18},
      {FormatKind::Zef2, "<HALFSPHERE>", model::Radiation::HalfSphere, 18},
      {FormatKind::Zef2, "<FULLSPHERE>", model::Radiation::FullSphere, 36},
  };
  for (const Case& c : cases) {
    int lastPoint = -1;
    const auto run =
        RunGroup(c.kind, "<RADIATION>\t" + std::string(c.value) + "\n", [&](Reader& r) {
          const bool ok = ReadRadiation(r);
          lastPoint = r.State().lastPoint;
          return ok;
        });
    ASSERT_TRUE(run.ok) << c.value;
    EXPECT_EQ(run.set->info->radiation, c.radiation);
    EXPECT_EQ(lastPoint, c.lastPoint);
  }
  EXPECT_EQ(RunGroup(FormatKind::Zef1, "<RADIATION>\t\n", ReadRadiation).messages,
            ErrorAt(2, "<RADIATION> value expected"));
  const auto illegal = RunGroup(FormatKind::Zef1, "<RADIATION>\t<SPHERE>\n", ReadRadiation);
  EXPECT_EQ(illegal.messages, ErrorAt(2, "<RADIATION> illegal value"));
  EXPECT_EQ(illegal.result, kReadFailed);
}

// Each symmetry in both orders: which line lands in which arc, completed arcs included.
TEST(BalloonKeywords, ArcLinesLandInTheirArcs) {
  struct Case {
    std::string symmetry;
    std::string order;
    int lines;
    std::vector<std::pair<int, int>> arcLine;  // arc, the line it holds
  };
  const Case cases[] = {
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
  for (const Case& c : cases) {
    Header header;
    header.symmetry = c.symmetry;
    header.order = c.order;
    const auto run = ReadBalloonText(FormatKind::Zef1,
                                     header.Text() + "<BAND>\t1000\n" + MarkedArcs(c.lines, 19));
    ASSERT_TRUE(run.ok) << c.symmetry << c.order << Said(run);
    EXPECT_EQ(run.result, kReadClean);
    const model::DataRecord& data = run.set->data;
    for (const auto& [arc, line] : c.arcLine) {
      EXPECT_EQ(data.OnAxis(kZef1Band1000, arc), line + 1) << c.symmetry << c.order << arc;
      EXPECT_EQ(data.Arc(kZef1Band1000, arc)[4], 4.0f * (line + 1)) << c.symmetry << arc;
    }
    for (int a = 0; a < 36; ++a) EXPECT_EQ(data.Arc(kZef1Band1000, a)[0], 0.0f);
  }
}

TEST(BalloonKeywords, Zef2GridAndSeveralBands) {
  const auto run =
      RunGroup(FormatKind::Zef2,
               Header().Text() + "<BAND>\t1000\n" + MarkedArcs(19, 37) + "<BAND>\t1.25K\n" +
                   MarkedArcs(19, 37),
               RadiationAndBalloon, [](model::DataSet& set) { SetBands(set, 16, 17); });
  ASSERT_TRUE(run.ok) << Said(run);
  for (const int band : {16, 17}) {
    EXPECT_EQ(run.set->data.OnAxis(band, 36), 1.0f);
    EXPECT_EQ(run.set->data.OnAxis(band, 71), 2.0f);
    EXPECT_EQ(run.set->data.Arc(band, 18)[36], 36.0f * 19);
  }
}

TEST(BalloonKeywords, PolarBandIsInterpolatedBeforeSeparation) {
  Header header;
  header.symmetry = "<POLAR>";
  // Front arc flat at 0 dB, the other three at -6 dB apart from the shared on-axis point.
  std::string arcs = ArcLine(19, [](int) { return 0.0; });
  for (int i = 0; i < 3; ++i) arcs += ArcLine(19, [](int p) { return p == 0 ? 0.0 : -6.0; });
  const auto run = ReadBalloonText(FormatKind::Zef1, header.Text() + "<BAND>\t1000\n" + arcs);
  ASSERT_TRUE(run.ok) << Said(run);
  // Arc 3 (30°), point 2: 1 / sqrt(cos²30°/50² + sin²30°/44²) - 50, with the
  // lookups taken a hair before the grid point.
  const double v = 50.0;
  const double h = 44.0 * 0.9999 + 44.0 * 0.0001;
  const double expected = 1.0 / std::sqrt(0.75 / (v * v) + 0.25 / (h * h)) - 50.0;
  EXPECT_NEAR(run.set->data.Arc(kZef1Band1000, 3)[2], expected, 1e-4);
  EXPECT_NEAR(run.set->data.Arc(kZef1Band1000, 3)[2], -1.72698, 1e-4);
  EXPECT_EQ(run.set->data.OnAxis(kZef1Band1000, 3), 0.0f);
}

TEST(BalloonKeywords, HalfSphereReadsTheFrontHalfAndFillsTheRear) {
  Header header;
  header.radiation = "<HALFSPHERE>";
  const auto run =
      ReadBalloonText(FormatKind::Zef1, header.Text() + "<BAND>\t1000\n" + MarkedArcs(10, 10));
  ASSERT_TRUE(run.ok) << Said(run);
  for (const int a : {0, 5, 18, 35}) {
    const auto arc = run.set->data.Arc(kZef1Band1000, a);
    EXPECT_EQ(arc[9], 9.0f * (run.set->data.OnAxis(kZef1Band1000, a)));
    for (int p = 10; p < 19; ++p) EXPECT_EQ(arc[p], -50.0f) << a << " " << p;
  }
  const auto shortLine =
      ReadBalloonText(FormatKind::Zef1, header.Text() + "<BAND>\t1000\n" + MarkedArcs(9, 10) +
                                            ArcLine(9, [](int) { return 1.0; }));
  EXPECT_EQ(shortLine.messages, Concat(ErrorAt(kFirstArcLine + 9, "missing arc value"),
                                       ErrorAt(kFirstArcLine + 9, "Balloon data error band 1000")));
  EXPECT_EQ(shortLine.result, kReadFailed);
}

TEST(BalloonKeywords, ArcValueRules) {
  const std::string head = Header().Text() + "<BAND>\t1000\n";
  // Extra values beyond the rear point are ignored.
  const auto longLines = ReadBalloonText(FormatKind::Zef1, head + MarkedArcs(10, 25));
  EXPECT_TRUE(longLines.ok);
  EXPECT_EQ(longLines.result, kReadClean);

  // Blank lines, lines that begin with a TAB and comments are passed over.
  const auto skipped =
      ReadBalloonText(FormatKind::Zef1, head + "\n\t3\n# note\n" + MarkedArcs(9, 19) +
                                            ArcLine(18, [](int) { return 0.0; }));
  EXPECT_EQ(skipped.messages, Concat(ErrorAt(kFirstArcLine + 12, "missing arc value"),
                                     ErrorAt(kFirstArcLine + 12, "Balloon data error band 1000")));

  struct Case {
    std::string value;
    std::string message;
  };
  const Case cases[] = {
      {"abc", "Valid float expected: abc"},
      {"<NODATA>", "Valid float expected: <NODATA>"},
  };
  for (const Case& c : cases) {
    const auto run = ReadBalloonText(FormatKind::Zef1, head + "0\t" + c.value + "\n");
    EXPECT_EQ(run.messages, Concat(ErrorAt(kFirstArcLine, c.message),
                                   ErrorAt(kFirstArcLine, "Balloon data error band 1000")));
    EXPECT_EQ(run.result, kReadFailed);
  }
  const auto ended = ReadBalloonText(FormatKind::Zef1, head + MarkedArcs(3, 19));
  EXPECT_EQ(ended.messages, ErrorAt(kFirstArcLine + 3, "end of file"));
  EXPECT_EQ(ended.result, kReadFailed);
}

TEST(BalloonKeywords, SignReversedNegatesLevels) {
  Header header;
  header.reference = "<ARBITRARY>\t<ANY>\t<reversed>";
  const auto run = ReadBalloonText(
      FormatKind::Zef1, header.Text() + "<BAND>\t1000\n" +
                            ArcLine(19, [](int p) { return -6.0 - p; }) + MarkedArcs(9, 19));
  ASSERT_TRUE(run.ok) << Said(run);
  EXPECT_EQ(run.set->info->balloonRef, model::BalloonRef::Arbitrary);
  EXPECT_EQ(run.set->data.OnAxis(kZef1Band1000, 0), 6.0f);
  EXPECT_EQ(run.set->data.Arc(kZef1Band1000, 0)[3], 3.0f);
  EXPECT_EQ(run.set->data.OnAxis(kZef1Band1000, 1), -1.0f);
}

TEST(BalloonKeywords, BandLineMustNameTheBand) {
  const std::string head = Header().Text();
  const std::string arcs = MarkedArcs(10, 19);
  struct Case {
    std::string band;
    std::string message;
  };
  const Case cases[] = {
      {"<BAND>\t2000\n", "Expecting <BAND>1000"}, {"<BAND>\t\n", "Expecting <BAND>1000"},
      {"<BAND>\n", "Expecting <BAND>1000"},       {"<PHASE>\t1000\n", "Expecting <BAND>1000"},
      {"1\t2\n", "Expecting <BAND>1000"},         {"", "Expecting <BAND>1000"},
  };
  for (const Case& c : cases) {
    const auto run = ReadBalloonText(FormatKind::Zef1, head + c.band + arcs);
    EXPECT_EQ(run.messages, ErrorAt(6, c.message)) << c.band;
    EXPECT_EQ(run.result, kReadFailed);
  }
  EXPECT_TRUE(ReadBalloonText(FormatKind::Zef1, head + "<band>\t1k\n" + arcs).ok);

  // ZEF2 names the band by its long label; the second band is checked too.
  const auto second =
      RunGroup(FormatKind::Zef2, head + "<BAND>\t1k\n" + MarkedArcs(19, 37) + "<BAND>\t1000\n",
               RadiationAndBalloon, [](model::DataSet& set) { SetBands(set, 16, 17); });
  EXPECT_EQ(second.messages, ErrorAt(kFirstArcLine + 19, "Expecting <BAND>1250"));
}

TEST(BalloonKeywords, SymmetryArcOrderAndReferenceErrors) {
  struct Case {
    std::string symmetry, order, reference;
    int line;
    std::string message;
    bool phaseData = false;
    std::uint32_t flags = 0;
  };
  const std::string rel = "<RELATIVE>\t<SIGN>\t<ACTUAL>";
  const Case cases[] = {
      {"", "<DEFAULT>", rel, 3, "<BALLOON-SYMMETRY> value expected"},
      {"<ROUND>", "<DEFAULT>", rel, 3, "<BALLOON-SYMMETRY> illegal value"},
      {"<POLAR>", "<DEFAULT>", rel, 3, "<POLAR> not supported with phase data", true},
      {"<FULL>", "", rel, 4, "<BALLOON-ARC-ORDER> value expected"},
      {"<FULL>", "<BACKWARDS>", rel, 4, "<BALLOON-ARC-ORDER> illegal value"},
      {"<FULL>", "<DEFAULT>", "", 5, "<BALLOON-REF> value expected"},
      {"<FULL>", "<DEFAULT>", "<LOUD>", 5, "<BALLOON-REF> illegal value"},
      {"<FULL>", "<DEFAULT>", "<RELATIVE>", 5, "<BALLOON-REF><SIGN> expected"},
      {"<FULL>", "<DEFAULT>", "<RELATIVE>\t<SIGN>", 5,
       "<BALLOON-REF><SIGN> <ACTUAL> or <REVERSED> expected"},
      {"<FULL>", "<DEFAULT>", "<ARBITRARY>\t<SIGN>\t<NEGATIVE>", 5,
       "<BALLOON-REF><SIGN> <ACTUAL> or <REVERSED> allowed"},
      {"<FULL>", "<DEFAULT>", "<ABSOLUTE>", 5,
       "<BALLOON-REF><ABSOLUTE> requires <MEASUREMENT-INPUTVOLTAGE> and <MEASUREMENT-DISTANCE>",
       false, 0x10},
      {"<FULL>", "<DEFAULT>", "<ABSOLUTE>", 5,
       "<BALLOON-REF><ABSOLUTE> requires <MEASUREMENT-INPUTVOLTAGE> and <MEASUREMENT-DISTANCE>",
       false, 0x20},
      {"<FULL>", "<DEFAULT>", "<ABSOLUTE>", 5,
       "<BALLOON-REF> only <relative> allowed with phase data", true, 0x30},
      {"<FULL>", "<DEFAULT>", "<ARBITRARY>", 5,
       "<BALLOON-REF> only <relative> allowed with phase data", true},
  };
  for (const Case& c : cases) {
    Header header;
    header.symmetry = c.symmetry;
    header.order = c.order;
    header.reference = c.reference;
    const auto run = ReadBalloonText(FormatKind::Zef2, header.Text(), [&c](model::DataSet& set) {
      if (c.phaseData) WithPhaseData(set);
      set.info->presenceFlags |= c.flags;
    });
    EXPECT_EQ(run.messages, ErrorAt(c.line, c.message)) << c.message;
    EXPECT_EQ(run.result, kReadFailed);
  }
}

TEST(BalloonKeywords, AbsoluteNeedsDistanceAndVoltage) {
  Header header;
  header.reference = "<ABSOLUTE>\t<SIGN>\t<REVERSED>";  // nothing after <ABSOLUTE> is read
  const auto run =
      ReadBalloonText(FormatKind::Zef1, header.Text() + "<BAND>\t1000\n" + MarkedArcs(10, 19),
                      [](model::DataSet& set) { set.info->presenceFlags |= 0x30; });
  ASSERT_TRUE(run.ok) << Said(run);
  EXPECT_EQ(run.set->info->balloonRef, model::BalloonRef::Absolute);
  EXPECT_EQ(run.set->data.OnAxis(kZef1Band1000, 0), 1.0f);
}

// A band of a half-plane symmetry read with `rotate` after the arc order.
testing::GroupRun ReadRotated(FormatKind kind, const std::string& symmetry,
                              const std::string& rotate) {
  const int lines = kind == FormatKind::Zef1 ? 19 : 37;
  Header header;
  header.symmetry = symmetry;
  header.order = "<DEFAULT>\t" + rotate;
  return ReadBalloonText(kind, header.Text() + "<BAND>\t1000\n" + MarkedArcs(lines, lines));
}

// The levels turned by `steps` arcs while the on-axis table stayed with the
// arcs as read.
void ExpectTurnedBy(const testing::GroupRun& run, int steps, const std::string& what) {
  const int band = run.set->kind == FormatKind::Zef1 ? kZef1Band1000 : kZef2Band1000;
  const int arcs = run.set->GetGrid().arcs;
  for (int a = 0; a < arcs; ++a) {
    const float line = run.set->data.OnAxis(band, a);
    EXPECT_EQ(run.set->data.Arc(band, (a + steps) % arcs)[2], 2.0f * line) << what << " arc " << a;
  }
}

TEST(BalloonKeywords, QuarterTurnMovesArcsAndSwapsSymmetry) {
  struct Case {
    FormatKind kind;
    std::string symmetryGiven;
    std::string rotate;
    int steps;
    Symmetry symmetry;
  };
  const Case cases[] = {
      {FormatKind::Zef1, "<VERTICAL>", "<ROTATE>\t90", 9, Symmetry::Horizontal},
      {FormatKind::Zef1, "<VERTICAL>", "<ROTATE>\t-90", 27, Symmetry::Horizontal},
      {FormatKind::Zef1, "<HORIZONTAL>", "<ROTATE>\t90", 9, Symmetry::Vertical},
      {FormatKind::Zef1, "<VERTICAL>", "<ROTATE>\t180", 18, Symmetry::Vertical},
      {FormatKind::Zef1, "<VERTICAL>", "<ROTATE>\t-180", 18, Symmetry::Vertical},
      {FormatKind::Zef1, "<VERTICAL>", "<ROTATE>\t0", 0, Symmetry::Vertical},
      {FormatKind::Zef2, "<VERTICAL>", "<rotate>\t90", 18, Symmetry::Horizontal},
      {FormatKind::Zef2, "<VERTICAL>", "<ROTATE>\t-5", 71, Symmetry::Vertical},
  };
  for (const Case& c : cases) {
    const auto run = ReadRotated(c.kind, c.symmetryGiven, c.rotate);
    ASSERT_TRUE(run.ok) << c.rotate << Said(run);
    EXPECT_EQ(run.result, kReadClean);
    EXPECT_EQ(run.set->info->symmetry, c.symmetry) << c.rotate;
    ExpectTurnedBy(run, c.steps, c.rotate);
  }
}

// After any <ROTATE> error nothing turns and the symmetry stays as given.
TEST(BalloonKeywords, RotateErrorsLeaveTheBalloonUnturned) {
  struct Case {
    FormatKind kind;
    std::string rotate;
    std::string message;
  };
  const Case cases[] = {
      {FormatKind::Zef1, "<TURN>\t90", "<BALLOON-ARC-ORDER> <ROTATE> expected"},
      {FormatKind::Zef1, "<ROTATE>", "<BALLOON-ARC-ORDER> <ROTATE> value expected"},
      {FormatKind::Zef1, "<ROTATE>\t90x", "Integer expected:90x"},
      {FormatKind::Zef1, "<ROTATE>\t190", "<BALLOON-ARC-ORDER> <ROTATE> > 180 degrees"},
      {FormatKind::Zef1, "<ROTATE>\t-270", "<BALLOON-ARC-ORDER> <ROTATE> > 180 degrees"},
      {FormatKind::Zef1, "<ROTATE>\t15",
       "<BALLOON-ARC-ORDER> <ROTATE> not a multiple of 10 degrees"},
      {FormatKind::Zef2, "<ROTATE>\t92",
       "<BALLOON-ARC-ORDER> <ROTATE> not a multiple of 5 degrees"},
      {FormatKind::Zef2, "<ROTATE>\t185", "<BALLOON-ARC-ORDER> <ROTATE> > 180 degrees"},
  };
  for (const Case& c : cases) {
    const auto run = ReadRotated(c.kind, "<VERTICAL>", c.rotate);
    ASSERT_TRUE(run.ok) << c.rotate;
    EXPECT_EQ(run.result, kReadWithErrors) << c.rotate;
    EXPECT_EQ(run.messages, ErrorAt(4, c.message)) << c.rotate;
    EXPECT_EQ(run.set->info->symmetry, Symmetry::Vertical) << c.rotate;
    ExpectTurnedBy(run, 0, c.rotate);
  }
}

// A ZEF2 band with phase data: 19 level lines, <PHASE>, 19 phase lines.
std::string PhaseBand(const std::string& phaseLines) {
  return "<BAND>\t1000\n" + MarkedArcs(19, 37) + "<PHASE>\t<ignored>\n" + phaseLines;
}

std::string PhaseArcs(int lines, int count) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += ArcLine(count, [i](int p) { return p * (i + 1.0); });
  return text;
}

TEST(BalloonKeywords, PhaseArcsAreCompletedCheckedAndConverted) {
  Header header;
  header.reference = "<RELATIVE>\t<SIGN>\t<REVERSED>";  // phases keep their sign
  header.order = "<DEFAULT>\t<ROTATE>\t90";
  const auto degrees = ReadBalloonText(
      FormatKind::Zef2, header.Text() + PhaseBand(PhaseArcs(19, 37)), WithPhaseData, true);
  ASSERT_TRUE(degrees.ok) << Said(degrees);
  const auto& phase = degrees.set->phase->balloon[kZef2Band1000];
  // Arc 1 (line 1) completed to arc 71, both then turned by 18 arcs.
  EXPECT_FLOAT_EQ(phase[19][3], 6.0f * 0.017453292f);
  EXPECT_FLOAT_EQ(phase[89 - 72][3], 6.0f * 0.017453292f);
  EXPECT_EQ(phase[18][0], 0.0f);
  EXPECT_EQ(degrees.set->data.Arc(kZef2Band1000, 19)[1], -2.0f);

  const auto radians = ReadBalloonText(
      FormatKind::Zef2, header.Text() + PhaseBand(PhaseArcs(19, 37)), WithPhaseData, false);
  EXPECT_EQ(radians.set->phase->balloon[kZef2Band1000][19][3], 6.0f);

  Header half;
  half.radiation = "<HALFSPHERE>";
  const auto rear = ReadBalloonText(
      FormatKind::Zef2,
      half.Text() + "<BAND>\t1000\n" + MarkedArcs(19, 19) + "<PHASE>\t\n" + PhaseArcs(19, 19),
      WithPhaseData);
  ASSERT_TRUE(rear.ok) << Said(rear);
  EXPECT_EQ(rear.set->phase->balloon[kZef2Band1000][1][18], 36.0f);
  EXPECT_EQ(rear.set->phase->balloon[kZef2Band1000][1][19], 0.0f);
  EXPECT_EQ(rear.set->data.Arc(kZef2Band1000, 1)[19], -50.0f);
}

TEST(BalloonKeywords, PhaseErrors) {
  const std::string head = Header().Text();
  const int phaseLine = kFirstArcLine + 19;
  struct Case {
    std::string phase;
    Messages messages;
  };
  const Case cases[] = {
      {"<PHASES>\t\n" + PhaseArcs(19, 37), ErrorAt(phaseLine, "Expecting <PHASE>")},
      {"", ErrorAt(phaseLine, "Expecting <PHASE>")},
      {"<PHASE>\t\n" + PhaseArcs(3, 37) + ArcLine(36, [](int) { return 0.0; }),
       Concat(ErrorAt(phaseLine + 4, "missing phase arc value"),
              ErrorAt(phaseLine + 4, "Balloon phasedata error band 1000"))},
      {"<PHASE>\t\n" + PhaseArcs(3, 37) + ArcLine(37, [](int p) { return p + 1.0; }) +
           PhaseArcs(15, 37),
       ErrorAt(phaseLine + 19, "Balloon phasedata error band 1000")},
      {"<PHASE>\t\nx\n", Concat(ErrorAt(phaseLine + 1, "Valid float expected: x"),
                                ErrorAt(phaseLine + 1, "Balloon phasedata error band 1000"))},
  };
  for (const Case& c : cases) {
    const auto run = ReadBalloonText(
        FormatKind::Zef2, head + "<BAND>\t1000\n" + MarkedArcs(19, 37) + c.phase, WithPhaseData);
    EXPECT_EQ(run.messages, c.messages) << c.phase.substr(0, 20);
    EXPECT_EQ(run.result, kReadFailed);
  }
}

}  // namespace
}  // namespace zef::textformat
