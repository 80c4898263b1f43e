#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "reader_fixture.h"
#include "textformat/keyword_groups.h"

namespace zef::textformat {
namespace {

using model::FormatKind;
using model::PerBand;
using model::TextOf;
using testing::ErrorAt;
using testing::ErrorsAt;
using testing::GroupRun;
using Messages = std::vector<std::string>;


void ExpectFailed(const GroupRun& run, const Messages& messages, const std::string& context) {
  EXPECT_FALSE(run.ok) << context;
  EXPECT_EQ(run.result, kReadFailed) << context;
  EXPECT_EQ(run.messages, messages) << context;
}

// Values and the messages they must fail the read with.
using Refusals = std::vector<std::pair<std::string, Messages>>;

void ExpectRefused(const std::function<GroupRun(const std::string&)>& run,
                   const Refusals& refused) {
  for (const auto& [values, messages] : refused) ExpectFailed(run(values), messages, values);
}

// The lines of a passive set from <SENSITIVITY> (line 2) to <TOTMAXINPUT> (line 6).
struct EaLines {
  std::string sensitivity = "<SENSITIVITY>\t90\t91";
  std::string sensitivityInfo = "<SENSITIVITY-INFO>\t";
  std::string impedance = "<IMPEDANCE>\t8\t6";
  std::string impedanceInfo = "<IMPEDANCE-INFO>\t";
  std::string maxInput = "<TOTMAXINPUT>\t<POWER>\t100\t<METHOD>\t<AES2-1984>";
  std::string after = "";  // whole lines from line 7 on
  std::string Text() const {
    return sensitivity + "\n" + sensitivityInfo + "\n" + impedance + "\n" + impedanceInfo + "\n" +
           maxInput + "\n" + after;
  }
};

// ZEF1 bands 1k and 2k unless told otherwise; the group may read on past the
// maximum input with `then`.
GroupRun RunEa(const EaLines& lines, int minBand = 5, int maxBand = 6,
               const ReadOptions& options = {}, const std::function<bool(Reader&)>& then = {},
               FormatKind kind = FormatKind::Zef1) {
  return testing::RunGroup(
      kind, lines.Text(), [&](Reader& r) { return ReadElectroAcoustic(r) && (!then || then(r)); },
      [&](model::DataSet& set) { testing::SetBands(set, minBand, maxBand); }, options);
}

// Runs the passive block with one of its lines replaced.
std::function<GroupRun(const std::string&)> WithLine(std::string EaLines::*line,
                                                     const std::string& keyword) {
  return [=](const std::string& values) {
    EaLines lines;
    lines.*line = keyword + "\t" + values;
    return RunEa(lines);
  };
}

std::string Thirty(const std::string& value) {
  std::string line;
  for (int i = 0; i < 30; ++i) line += "\t" + value;
  return line;
}

TEST(BandRange, LabelsOfEachKind) {
  struct Case {
    FormatKind kind;
    std::string minBand, maxBand;
    int expectedMin, expectedMax;  // when read
    Messages messages;             // when refused
  };
  const Case cases[] = {
      {FormatKind::Zef1, "1k", "16000", 5, 9, {}},
      {FormatKind::Zef2, "50", "20k", 3, 29, {}},
      {FormatKind::Zef2, "1.25K", "12500", 17, 27, {}},
      {FormatKind::Zef1, "31.5", "1k", 0, 0, ErrorAt(2, "<MINBAND> illegal value")},
      {FormatKind::Zef2, "40", "1k", 0, 0, ErrorAt(2, "<MINBAND> illegal value")},
      {FormatKind::Zef2, "1k", "1000", 0, 0, ErrorAt(3, "<MINBAND> >= <MAXBAND>")},
      {FormatKind::Zef2, "50", "25", 0, 0, ErrorAt(3, "<MINBAND> >= <MAXBAND>")},
      {FormatKind::Zef1, "", "1k", 0, 0, ErrorAt(2, "<MINBAND> value expected")},
      {FormatKind::Zef1, "1k", "", 0, 0, ErrorAt(3, "<MAXBAND> value expected")},
      {FormatKind::Zef1, "1k", "2 kHz", 0, 0, ErrorAt(3, "<MAXBAND> illegal value")},
  };
  for (const Case& c : cases) {
    const std::string context = c.minBand + " to " + c.maxBand;
    // Format version 1: no <PHASEDATA> line follows.
    const GroupRun run = testing::RunGroup(
        c.kind, "<MINBAND>\t" + c.minBand + "\n<MAXBAND>\t" + c.maxBand + "\n", ReadBandRange);
    if (!c.messages.empty()) {
      ExpectFailed(run, c.messages, context);
      continue;
    }
    EXPECT_TRUE(run.ok) << context;
    EXPECT_EQ(run.messages, Messages{}) << context;
    EXPECT_EQ(run.set->data.MinBand(), static_cast<std::uint32_t>(c.expectedMin)) << context;
    EXPECT_EQ(run.set->data.MaxBand(), static_cast<std::uint32_t>(c.expectedMax)) << context;
  }
}

TEST(BandRange, PhaseDataSwitchAndUnitInVersion2) {
  struct Case {
    std::string values;
    bool phaseData, degrees;
    std::string message;  // the text after "<PHASEDATA>" when refused
  };
  const Case cases[] = {
      {"<NO>", false, false, ""},
      {"<yes>\t<unit>\t<deg>", true, true, ""},
      {"<YES>\t<UNIT>\t<RAD>", true, false, ""},
      {"", false, false, "<yes> or <no> expected"},
      {"<MAYBE>", false, false, "<yes> or <no> expected"},
      {"<YES>", false, false, "<UNIT> expected"},
      {"<YES>\t<DEG>", false, false, "<UNIT> expected"},
      {"<YES>\t<UNIT>", false, false, "<UNIT> value (<deg> or <rad>) expected"},
      {"<YES>\t<UNIT>\t<GRAD>", false, false, "<UNIT> unknown value (not (<deg> or <rad>))"},
  };
  for (const Case& c : cases) {
    bool degrees = false;
    const GroupRun run = testing::RunGroup(
        FormatKind::Zef2, "<MINBAND>\t50\n<MAXBAND>\t20k\n<PHASEDATA>\t" + c.values + "\n",
        [&](Reader& r) {
          const bool ok = ReadBandRange(r);
          degrees = r.State().phaseInDegrees;
          return ok;
        },
        [](model::DataSet& set) { set.version = 2; });
    if (!c.message.empty()) {
      ExpectFailed(run, ErrorAt(4, "<PHASEDATA>" + c.message), c.values);
      continue;
    }
    EXPECT_TRUE(run.ok) << c.values;
    EXPECT_EQ(run.set->HasPhaseData(), c.phaseData) << c.values;
    EXPECT_EQ(degrees, c.degrees) << c.values;
  }
}

TEST(Sensitivity, RealisticRangeRefusesMissingValues) {
  const std::string unrealistic = "<SENSITIVITY> some unrealstic data";
  ExpectRefused(
      WithLine(&EaLines::sensitivity, "<SENSITIVITY>"),
      {{"90\t160.1", ErrorAt(2, unrealistic)},
       {"-0.1\t90", ErrorAt(2, unrealistic)},
       {"90\t<NODATA>", ErrorAt(2, unrealistic)},
       {"<nodata>\t<NODATA>", ErrorAt(2, "<nodata> can't be used for all values in <SENSITIVITY>")},
       {"90", ErrorAt(2, "<SENSITIVITY> data field missing")}});

  const GroupRun run = RunEa({.sensitivity = "<SENSITIVITY>\t0\t160,0"});
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.result, kReadClean);
  const auto sensitivity = run.set->data.Array(PerBand::Sensitivity);
  EXPECT_EQ(sensitivity[5], 0.0f);
  EXPECT_EQ(sensitivity[6], 160.0f);
}

TEST(Sensitivity, EmptyLineGives90InTheBandRange) {
  const GroupRun run = RunEa({.sensitivity = "<SENSITIVITY>\t"});
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.result, kReadWithErrors);
  EXPECT_EQ(run.messages, ErrorAt(2, "<SENSITIVITY> data missing"));
  const auto sensitivity = run.set->data.Array(PerBand::Sensitivity);
  EXPECT_EQ(sensitivity[4], 0.0f);
  EXPECT_EQ(sensitivity[5], 90.0f);
  EXPECT_EQ(sensitivity[6], 90.0f);
  EXPECT_EQ(sensitivity[7], 0.0f);
}

TEST(Impedance, AllowedRangeMeanAndLowestFigures) {
  const std::string outOfRange = "<IMPEDANCE> data out of allowed range (0.0 ..100000.0)";
  ExpectRefused(
      WithLine(&EaLines::impedance, "<IMPEDANCE>"),
      {{"0\t8", ErrorAt(4, outOfRange)},
       {"8\t100000.5", ErrorAt(4, outOfRange)},
       {"<NODATA>\t<nodata>", ErrorAt(4, "<nodata> can't be used for all values in <IMPEDANCE>")}});

  struct Case {
    FormatKind kind;
    int minBand, maxBand;
    std::string values;
    float mean, lowest, reducedLowest;
  };
  const Case cases[] = {
      {FormatKind::Zef1, 5, 6, "100000\t<NODATA>", 100000.0f, 100000.0f, 125000.0f},
      // Only bands up to 7 (ZEF1) or 23 (ZEF2) count for the reduced figure.
      {FormatKind::Zef1, 5, 9, "16\t9\t8\t4\t<NODATA>", 9.25f, 4.0f, 10.0f},
      {FormatKind::Zef1, 8, 9, "6\t5", 5.5f, 5.0f, 0.0f},
      {FormatKind::Zef2, 22, 25, "12\t10\t4\t2", 7.0f, 2.0f, 12.5f},
  };
  for (const Case& c : cases) {
    const GroupRun result = RunEa(
        {.sensitivity = "<SENSITIVITY>" + Thirty("90"), .impedance = "<IMPEDANCE>\t" + c.values},
        c.minBand, c.maxBand, {}, {}, c.kind);
    ASSERT_TRUE(result.ok) << c.values;
    EXPECT_EQ(result.messages, Messages{}) << c.values;
    EXPECT_FLOAT_EQ(result.set->info->meanImpedance, c.mean) << c.values;
    EXPECT_FLOAT_EQ(result.set->impedance.lowest, c.lowest) << c.values;
    EXPECT_FLOAT_EQ(result.set->impedance.reducedLowest, c.reducedLowest) << c.values;
  }
}

TEST(Impedance, EmptyLineGives8AndFiguresFollow) {
  const GroupRun run = RunEa({.impedance = "<IMPEDANCE>\t"});
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.result, kReadWithErrors);
  EXPECT_EQ(run.messages, ErrorAt(4, "<IMPEDANCE> data missing"));
  EXPECT_EQ(run.set->data.Array(PerBand::Impedance)[6], 8.0f);
  EXPECT_EQ(run.set->info->meanImpedance, 8.0f);
  EXPECT_EQ(run.set->impedance.lowest, 8.0f);
  EXPECT_EQ(run.set->impedance.reducedLowest, 10.0f);
}

TEST(Impedance, RangeBoundsFollowTheDecimalCommaOption) {
  ReadOptions options;
  options.decimalComma = true;
  const GroupRun run = RunEa({.impedance = "<IMPEDANCE>\t0\t8"}, 5, 6, options);
  ExpectFailed(run, ErrorAt(4, "<IMPEDANCE> data out of allowed range (0,0 ..100000,0)"), "comma");
}

TEST(InfoTexts, BreaksConvertedAndInvisibleTextsLeaveTheirBitClear) {
  const GroupRun run = RunEa({.sensitivityInfo = "<SENSITIVITY-INFO>\t'free<br>field'",
                              .impedanceInfo = "<IMPEDANCE-INFO>\t' -- '"});
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(TextOf(run.set->info->sensitivityInfo), "free\r\nfield");
  EXPECT_EQ(TextOf(run.set->info->impedanceInfo), "--");
  EXPECT_EQ(run.set->info->presenceFlags,
            model::presence::kSensitivityInfo);  // no impedance-info bit
}

TEST(MaxInput, KindValueMethodAndInformationText) {
  using model::MaxInputKind;
  using model::TestMethod;
  struct Case {
    std::string values;
    MaxInputKind kind;
    float value;
    TestMethod method;
    std::string info;
    std::uint32_t flags;
  };
  const Case cases[] = {
      {"<VOLTAGE>\t20,5\t<METHOD>\t<iec-268-1>\t<INFO>\tpink<br>noise", MaxInputKind::Voltage,
       20.5f, TestMethod::Iec268_1, "pink\r\nnoise", model::presence::kMethodInfo},
      {"<power>\t0.000001\t<METHOD>\t<EIA-426-B>\t<INFO>\t' - '", MaxInputKind::Power, 0.000001f,
       TestMethod::Eia426B, "-", 0},
  };
  for (const Case& c : cases) {
    const GroupRun run = RunEa({.maxInput = "<TOTMAXINPUT>\t" + c.values});
    ASSERT_TRUE(run.ok) << c.values;
    EXPECT_EQ(run.result, kReadClean) << c.values;
    const model::InfoRecord& info = *run.set->info;
    EXPECT_EQ(info.maxInputKind, c.kind) << c.values;
    EXPECT_EQ(info.maxInputValue, c.value) << c.values;
    EXPECT_EQ(info.maxInputMethod, c.method) << c.values;
    EXPECT_EQ(TextOf(info.methodInfo), c.info) << c.values;
    EXPECT_EQ(info.presenceFlags, c.flags) << c.values;
  }
}

TEST(MaxInput, RefusedValues) {
  const std::string head = "<POWER>\t100\t<METHOD>\t";
  ExpectRefused(
      WithLine(&EaLines::maxInput, "<TOTMAXINPUT>"),
      {
          {"<CURRENT>\t1", ErrorAt(6, "<TOTMAXINPUT> <VOLTAGE> or <POWER> expected")},
          {"<POWER>", ErrorAt(6, "<TOTMAXINPUT> <POWER> value expected")},
          {"<VOLTAGE>", ErrorAt(6, "<TOTMAXINPUT> <VOLTAGE> value expected")},
          {"<POWER>\t0\t<METHOD>\t<AES2-1984>", ErrorAt(6, "<TOTMAXINPUT><POWER> must be > 0 W")},
          {"<VOLTAGE>\t0.0000009\t<METHOD>\t<AES2-1984>",
           ErrorAt(6, "<TOTMAXINPUT><VOLTAGE> must be > 0 Vrms")},
          {"<POWER>\tlots",
           ErrorsAt(6, {"Valid float expected: lots", "<TOTMAXINPUT><POWER> must be > 0 W"})},
          {"<POWER>\t100", ErrorAt(6, "<TOTMAXINPUT> <METHOD> expected")},
          {"<POWER>\t100\t<METOD>\t<AES2-1984>", ErrorAt(6, "<TOTMAXINPUT> <METHOD> expected")},
          {"<POWER>\t100\t<METHOD>", ErrorAt(6, "<TOTMAXINPUT> <METHOD> value expected")},
          {head + "<ISO>", ErrorAt(6, "<METHOD> illegal value")},
          {head + "<AES2-1984>\t<NOTE>\tx", ErrorAt(6, "<INFO> expected")},
          {head + "<AES2-1984>\t<INFO>", ErrorAt(6, "<INFO> message expected")},
          {head + "<CUSTOM>", ErrorAt(6, "<INFO> expected")},
      });
}

TEST(MaxInput, UnreadableLineLeavesDefaultsAndReadingGoesOn) {
  const std::string defaultsMessage = "<TOTMAXINPUT> <VOLTAGE> or <POWER> expected";
  const std::tuple<std::string, std::string, Messages> cases[] = {
      {"<TOTMAXINPUT>\t", "<NEXT>\t\n", ErrorAt(6, defaultsMessage)},
      {"<TOTMAXINPUT>", "<NEXT>\t\n",
       ErrorsAt(6, {"No data found after <TOTMAXINPUT>", defaultsMessage})},
      {"TOTMAXINPUT\t<POWER>\t1", "<NEXT>\t\n",
       ErrorsAt(6, {"<TOTMAXINPUT> expected", defaultsMessage})},
      // A file without the line: the next keyword line is not lost.
      {"<NEXT>\t", "", ErrorsAt(6, {"<TOTMAXINPUT> expected", defaultsMessage})},
  };
  for (const auto& [line, after, messages] : cases) {
    // Preset values show that the defaults are put in place.
    EaLines lines{.maxInput = line, .after = after};
    const GroupRun run = testing::RunGroup(
        FormatKind::Zef1, lines.Text(),
        [](Reader& r) { return ReadElectroAcoustic(r) && r.ExpectKeyword("<NEXT>"); },
        [](model::DataSet& set) {
          testing::SetBands(set, 5, 6);
          set.info->maxInputKind = model::MaxInputKind::Voltage;
          set.info->maxInputMethod = model::TestMethod::Custom;
        });
    EXPECT_TRUE(run.ok) << line;
    EXPECT_EQ(run.result, kReadWithErrors) << line;
    EXPECT_EQ(run.messages, messages) << line;
    EXPECT_EQ(run.set->info->maxInputKind, model::MaxInputKind::Power) << line;
    EXPECT_EQ(run.set->info->maxInputValue, -1.0f) << line;
    EXPECT_EQ(run.set->info->maxInputMethod, model::TestMethod::Aes2_1984) << line;
  }

  // At the end of the text the next group meets the end again and stops there.
  EaLines last;
  const std::string text = last.Text();
  const GroupRun run =
      testing::RunGroup(FormatKind::Zef1, text.substr(0, text.rfind("<TOT")), ReadElectroAcoustic,
                        [](model::DataSet& set) { testing::SetBands(set, 5, 6); });
  EXPECT_TRUE(run.ok);
  EXPECT_EQ(run.messages, ErrorsAt(6, {"end of file", defaultsMessage}));
}

TEST(CustomSpectrum, ThirtyValuesWhateverTheBandRange) {
  const std::string custom = "<TOTMAXINPUT>\t<POWER>\t100\t<METHOD>\t<CUSTOM>\t<INFO>\tnoise";
  std::string values;
  for (int i = 0; i < 30; ++i) values += "\t" + std::to_string(i - 15);
  const GroupRun run = RunEa({.maxInput = custom, .after = "<CUSTOM-SPECTRUM>" + values + "\n"});
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.result, kReadClean);
  EXPECT_EQ(run.set->info->customSpectrum[0], -15.0f);
  EXPECT_EQ(run.set->info->customSpectrum[29], 14.0f);

  ExpectRefused(
      [&](const std::string& line) {
        return RunEa({.maxInput = custom, .after = "<CUSTOM-SPECTRUM>" + line + "\n"});
      },
      {{values.substr(0, values.rfind('\t')), ErrorAt(7, "<CUSTOM-SPECTRUM> data field missing")},
       {"\t", ErrorAt(7, "<CUSTOM-SPECTRUM> values expected")},
       {Thirty("<NODATA>"),
        ErrorAt(7, "<nodata> can't be used for all values in <CUSTOM-SPECTRUM>")}});

  // Other methods have no spectrum line: the next line is left to the next group.
  const GroupRun other =
      RunEa({.after = "<NEXT>\t\n"}, 5, 6, {}, [](Reader& r) { return r.ExpectKeyword("<NEXT>"); });
  EXPECT_TRUE(other.ok);
}

TEST(PoweredType, ReadsNothingAndRefusesPhaseData) {
  const auto powered = [](std::uint32_t version, std::uint32_t flags) {
    return [=](model::DataSet& set) {
      set.version = version;
      set.info->type = model::SpeakerType::Powered;
      set.info->presenceFlags = flags;
    };
  };
  const auto next = [](Reader& r) {
    return ReadElectroAcoustic(r) && r.ExpectKeyword("<RADIATION>");
  };
  const std::string text = "<RADIATION>\t<FULLSPHERE>\n";
  EXPECT_TRUE(testing::RunGroup(FormatKind::Zef1, text, next, powered(1, 0)).ok);
  EXPECT_TRUE(testing::RunGroup(FormatKind::Zef2, text, next, powered(2, 0)).ok);
  const GroupRun run = testing::RunGroup(FormatKind::Zef2, text, ReadElectroAcoustic,
                                         powered(2, model::presence::kPhaseData));
  ExpectFailed(run, ErrorAt(1, "TYPE = powered cannot have phase data"), "powered");
}

// A ZEF2 set with phase data, bands 50 to 80: lines 2 to 8.
GroupRun RunWithPhase(const std::string& phaseLine, bool degrees) {
  const std::string text = "<SENSITIVITY>\t90\t91\t92\n" + phaseLine +
                           "\n<SENSITIVITY-INFO>\t\n<FILTER>\t<NO>\n<IMPEDANCE>\t8\t8\t8\n"
                           "<IMPEDANCE-INFO>\t\n<TOTMAXINPUT>\t<POWER>\t1\t<METHOD>\t<AES2-1984>\n";
  return testing::RunGroup(
      FormatKind::Zef2, text,
      [=](Reader& r) {
        r.State().phaseInDegrees = degrees;
        return ReadElectroAcoustic(r);
      },
      [](model::DataSet& set) {
        testing::SetBands(set, 3, 5);
        set.version = 2;
        set.phase = std::make_unique<model::PhaseBlock>();
        set.phase->sensitivity[4] = 7.0f;
        set.info->presenceFlags = model::presence::kPhaseData;
      });
}

TEST(SensitivityPhase, StoredInRadiansMissingValuesKept) {
  const std::string line = "<SENSITIVITY-PHASE>\t90\t-180\t<NODATA>";
  const GroupRun degrees = RunWithPhase(line, true);
  ASSERT_TRUE(degrees.ok);
  EXPECT_EQ(degrees.result, kReadClean);
  const float* phase = degrees.set->phase->sensitivity;
  EXPECT_EQ(phase[3], 90.0f * 0.017453292f);
  EXPECT_EQ(phase[4], -180.0f * 0.017453292f);
  EXPECT_EQ(phase[5], model::kNoData);
  ASSERT_NE(degrees.set->filter, nullptr);
  EXPECT_EQ(degrees.set->filter->kind, model::FilterKind::None);

  const GroupRun radians = RunWithPhase("<SENSITIVITY-PHASE>\t1.5\t-3\t0", false);
  ASSERT_TRUE(radians.ok);
  EXPECT_EQ(radians.set->phase->sensitivity[3], 1.5f);
  EXPECT_EQ(radians.set->phase->sensitivity[4], -3.0f);

  const GroupRun empty = RunWithPhase("<SENSITIVITY-PHASE>\t", true);
  ASSERT_TRUE(empty.ok);
  EXPECT_EQ(empty.result, kReadWithErrors);
  EXPECT_EQ(empty.messages, ErrorAt(3, "<SENSITIVITY-PHASE> data missing"));
  EXPECT_EQ(empty.set->phase->sensitivity[4], 0.0f);

  ExpectFailed(RunWithPhase("<SENSITIVITY-PHASE>\t1\t2", false),
               ErrorAt(3, "<SENSITIVITY-PHASE> data field missing"), "short");
  ExpectFailed(RunWithPhase("<SENSITIVITY-INFO>\t", false),
               ErrorAt(3, "<SENSITIVITY-PHASE> expected"), "absent");
}

TEST(AxialSpectrum, ThirtyValuesZeroWarningAndBits) {
  std::string values = Thirty("100");
  values.replace(values.size() - 3, 3, "0");
  const GroupRun run = testing::RunGroup(
      FormatKind::Zef1, "<AXIAL-SPECTRUM>" + values + "\n<AXIAL-SPECTRUM-INFO>\tpink<br>\n",
      ReadAxialSpectrum);
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.result, kReadClean);
  EXPECT_EQ(run.messages,
            (Messages{"WARNING:", " One or more zero values found for <AXIAL-SPECTRUM>.",
                      " If these are not actual values, but indicate missing data,",
                      " use <nodata> instead of zero."}));
  EXPECT_EQ(run.set->info->axialSpectrum[0], 100.0f);
  EXPECT_EQ(run.set->info->axialSpectrum[29], 0.0f);
  EXPECT_EQ(TextOf(run.set->info->axialSpectrumInfo), "pink\r\n");
  EXPECT_EQ(run.set->info->presenceFlags,
            model::presence::kAxialSpectrum | model::presence::kAxialSpectrumInfo);

  const GroupRun empty = testing::RunGroup(
      FormatKind::Zef1, "<AXIAL-SPECTRUM>\t\n<AXIAL-SPECTRUM-INFO>\t\n", ReadAxialSpectrum);
  EXPECT_TRUE(empty.ok);
  EXPECT_EQ(empty.messages, Messages{});
  EXPECT_EQ(empty.set->info->presenceFlags, 0u);

  ExpectRefused(
      [](const std::string& line) {
        return testing::RunGroup(FormatKind::Zef1, "<AXIAL-SPECTRUM>" + line + "\n",
                                 ReadAxialSpectrum);
      },
      {{Thirty("90").substr(3), ErrorAt(2, "<AXIAL-SPECTRUM> data field missing")},
       {Thirty("<nodata>"),
        ErrorAt(2, "<nodata> can't be used for all values in <AXIAL-SPECTRUM>")}});
}

}  // namespace
}  // namespace zef::textformat
