#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
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
using testing::ExpectFailed;
using testing::ExpectRefused;
using testing::GroupRun;
using testing::Messages;
using Prepare = std::function<void(model::DataSet&)>;

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

// ZEF1 bands 1k and 2k unless `prepare` says otherwise; a <NEXT> line, when there
// is one, must be left for the group that follows.
GroupRun RunEa(const EaLines& lines, const Prepare& prepare = {},
               FormatKind kind = FormatKind::Zef1) {
  const bool next = lines.Text().find("<NEXT>") != std::string::npos;
  return testing::RunGroup(
      kind, lines.Text(),
      [next](Reader& r) { return ReadElectroAcoustic(r) && (!next || r.ExpectKeyword("<NEXT>")); },
      [&](model::DataSet& set) {
        testing::SetBands(set, 5, 6);
        if (prepare) prepare(set);
      });
}

// Runs the passive block with the values after `keyword` on its line.
auto EaWith(std::string EaLines::*line, const std::string& keyword) {
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
  // Format version 1: no <PHASEDATA> line follows.
  const std::tuple<FormatKind, std::string, std::string, std::uint32_t, std::uint32_t, Messages>
      cases[] = {
          {FormatKind::Zef1, "1k", "16000", 5, 9, {}},
          {FormatKind::Zef2, "50", "20k", 3, 29, {}},
          {FormatKind::Zef1, "31.5", "1k", 0, 0, ErrorAt(2, "<MINBAND> illegal value")},
          {FormatKind::Zef2, "40", "1k", 0, 0, ErrorAt(2, "<MINBAND> illegal value")},
          {FormatKind::Zef2, "1k", "1000", 0, 0, ErrorAt(3, "<MINBAND> >= <MAXBAND>")},
          {FormatKind::Zef2, "50", "25", 0, 0, ErrorAt(3, "<MINBAND> >= <MAXBAND>")},
          {FormatKind::Zef1, "", "1k", 0, 0, ErrorAt(2, "<MINBAND> value expected")},
      };
  for (const auto& [kind, minBand, maxBand, expectedMin, expectedMax, messages] : cases) {
    const GroupRun run = testing::RunGroup(
        kind, "<MINBAND>\t" + minBand + "\n<MAXBAND>\t" + maxBand + "\n", ReadBandRange);
    EXPECT_EQ(run.ok, messages.empty()) << minBand;
    EXPECT_EQ(run.messages, messages) << minBand << " to " << maxBand;
    if (!messages.empty()) continue;
    EXPECT_EQ(run.set->data.MinBand(), expectedMin) << minBand;
    EXPECT_EQ(run.set->data.MaxBand(), expectedMax) << maxBand;
  }
}

TEST(BandRange, PhaseDataSwitchAndUnitInVersion2) {
  const std::tuple<std::string, bool, bool, std::string> cases[] = {
      // values, phase data, in degrees, message after "<PHASEDATA>" when refused
      {"<NO>", false, false, ""},
      {"<yes>\t<unit>\t<deg>", true, true, ""},
      {"<MAYBE>", false, false, "<yes> or <no> expected"},
      {"<YES>\t<UNIT>\t<RAD>", true, false, ""},
      {"", false, false, "<yes> or <no> expected"},
      {"<YES>\t<DEG>", false, false, "<UNIT> expected"},
      {"<YES>\t<UNIT>\t<GRAD>", false, false, "<UNIT> unknown value (not (<deg> or <rad>))"},
  };
  for (const auto& [values, phaseData, inDegrees, message] : cases) {
    bool degrees = false;
    const GroupRun run = testing::RunGroup(
        FormatKind::Zef2, "<MINBAND>\t50\n<MAXBAND>\t20k\n<PHASEDATA>\t" + values + "\n",
        [&](Reader& r) {
          const bool ok = ReadBandRange(r);
          degrees = r.State().phaseInDegrees;
          return ok;
        },
        [](model::DataSet& set) {
          set.version = 2;
          set.phase = std::make_unique<model::PhaseBlock>();
        });
    EXPECT_EQ(run.messages, message.empty() ? Messages{} : ErrorAt(4, "<PHASEDATA>" + message))
        << values;
    EXPECT_EQ(run.result, message.empty() ? kReadClean : kReadFailed) << values;
    EXPECT_EQ(run.set->HasPhaseData(), phaseData) << values;
    EXPECT_EQ(degrees, inDegrees) << values;
  }
}

TEST(Sensitivity, RealisticRangeAndDefault) {
  const GroupRun bounds = RunEa({.sensitivity = "<SENSITIVITY>\t0\t160,0"});
  EXPECT_EQ(bounds.result, kReadClean);
  EXPECT_EQ(bounds.set->data.Array(PerBand::Sensitivity)[6], 160.0f);

  // No value: 90 in the band range only.
  const GroupRun empty = RunEa({.sensitivity = "<SENSITIVITY>\t"});
  EXPECT_EQ(empty.result, kReadWithErrors);
  EXPECT_EQ(empty.messages, ErrorAt(2, "<SENSITIVITY> data missing"));
  const auto sensitivity = empty.set->data.Array(PerBand::Sensitivity);
  EXPECT_EQ(std::vector<float>(sensitivity.begin() + 4, sensitivity.begin() + 8),
            (std::vector<float>{0, 90, 90, 0}));

  const Messages unrealistic = ErrorAt(2, "<SENSITIVITY> some unrealstic data");
  ExpectRefused(EaWith(&EaLines::sensitivity, "<SENSITIVITY>"),
                {{"90\t160.1", unrealistic},
                 {"-0.1\t90", unrealistic},
                 {"90", ErrorAt(2, "<SENSITIVITY> data field missing")},
                 {"90\t<NODATA>", unrealistic},  // the realistic range skips nothing
                 {"<nodata>\t<NODATA>",
                  ErrorAt(2, "<nodata> can't be used for all values in <SENSITIVITY>")}});
}

TEST(Impedance, AllowedRangeMeanAndLowestFigures) {
  const Messages outOfRange = ErrorAt(4, "<IMPEDANCE> data out of allowed range (0.0 ..100000.0)");
  ExpectRefused(
      EaWith(&EaLines::impedance, "<IMPEDANCE>"),
      {{"0\t8", outOfRange},
       {"8\t100000.5", outOfRange},
       {"<NODATA>\t<nodata>", ErrorAt(4, "<nodata> can't be used for all values in <IMPEDANCE>")}});

  // Only bands up to 7 (ZEF1) or 23 (ZEF2) count for the reduced figure; <NODATA> counts nowhere.
  const std::tuple<FormatKind, int, int, std::string, float, float, float> cases[] = {
      {FormatKind::Zef1, 5, 9, "16\t9\t8\t4\t<NODATA>", 9.25f, 4.0f, 10.0f},
      {FormatKind::Zef1, 8, 9, "6\t5", 5.5f, 5.0f, 0.0f},
      {FormatKind::Zef2, 22, 25, "12\t10\t4\t2", 7.0f, 2.0f, 12.5f},
  };
  for (const auto& [kind, minBand, maxBand, values, mean, lowest, reduced] : cases) {
    const GroupRun run = RunEa(
        {.sensitivity = "<SENSITIVITY>" + Thirty("90"), .impedance = "<IMPEDANCE>\t" + values},
        [&](model::DataSet& set) { testing::SetBands(set, minBand, maxBand); }, kind);
    EXPECT_EQ(run.result, kReadClean) << values;
    EXPECT_FLOAT_EQ(run.set->info->meanImpedance, mean) << values;
    EXPECT_FLOAT_EQ(run.set->impedance.lowest, lowest) << values;
    EXPECT_FLOAT_EQ(run.set->impedance.reducedLowest, reduced) << values;
  }

  // No value: 8 ohms, and the figures follow from it.
  const GroupRun empty = RunEa({.impedance = "<IMPEDANCE>\t"});
  EXPECT_EQ(empty.result, kReadWithErrors);
  EXPECT_EQ(empty.messages, ErrorAt(4, "<IMPEDANCE> data missing"));
  EXPECT_EQ(empty.set->data.Array(PerBand::Impedance)[6], 8.0f);
  EXPECT_EQ(empty.set->info->meanImpedance, 8.0f);
  EXPECT_EQ(empty.set->impedance.reducedLowest, 10.0f);
}

TEST(InfoTexts, BreaksConvertedAndInvisibleTextsLeaveTheirBitClear) {
  const GroupRun run = RunEa({.sensitivityInfo = "<SENSITIVITY-INFO>\t'free<br>field'",
                              .impedanceInfo = "<IMPEDANCE-INFO>\t' -- '"});
  EXPECT_EQ(TextOf(run.set->info->sensitivityInfo), "free\r\nfield");
  EXPECT_EQ(TextOf(run.set->info->impedanceInfo), "--");
  EXPECT_EQ(run.set->info->presenceFlags, model::presence::kSensitivityInfo);
}

TEST(MaxInput, KindValueMethodAndInformationText) {
  using model::MaxInputKind;
  using model::TestMethod;
  const std::tuple<std::string, MaxInputKind, float, TestMethod, std::string, std::uint32_t>
      cases[] = {
          {"<VOLTAGE>\t20,5\t<METHOD>\t<iec-268-1>\t<INFO>\tpink<br>noise", MaxInputKind::Voltage,
           20.5f, TestMethod::Iec268_1, "pink\r\nnoise", model::presence::kMethodInfo},
          {"<power>\t0.000001\t<METHOD>\t<EIA-426-B>\t<INFO>\t' - '", MaxInputKind::Power,
           0.000001f, TestMethod::Eia426B, "-", 0},
      };
  for (const auto& [values, kind, value, method, text, flags] : cases) {
    const GroupRun run = RunEa({.maxInput = "<TOTMAXINPUT>\t" + values});
    EXPECT_EQ(run.result, kReadClean) << values;
    const model::InfoRecord& i = *run.set->info;
    EXPECT_EQ(std::tuple(i.maxInputKind, i.maxInputValue, i.maxInputMethod, TextOf(i.methodInfo),
                         i.presenceFlags),
              std::tuple(kind, value, method, text, flags))
        << values;
  }

  const std::string head = "<POWER>\t100\t<METHOD>\t";
  ExpectRefused(
      EaWith(&EaLines::maxInput, "<TOTMAXINPUT>"),
      {{"<CURRENT>\t1", ErrorAt(6, "<TOTMAXINPUT> <VOLTAGE> or <POWER> expected")},
       {"<POWER>\t0\t<METHOD>\t<AES2-1984>", ErrorAt(6, "<TOTMAXINPUT><POWER> must be > 0 W")},
       {"<VOLTAGE>\t0.0000009\t<METHOD>", ErrorAt(6, "<TOTMAXINPUT><VOLTAGE> must be > 0 Vrms")},
       {"<POWER>\tlots",
        ErrorsAt(6, {"Valid float expected: lots", "<TOTMAXINPUT><POWER> must be > 0 W"})},
       {head + "<AES2-1984>\t<NOTE>\tx", ErrorAt(6, "<INFO> expected")},
       {"<POWER>\t100\t<METOD>\t<AES2-1984>", ErrorAt(6, "<TOTMAXINPUT> <METHOD> expected")},
       {head + "<ISO>", ErrorAt(6, "<METHOD> illegal value")},
       {head + "<AES2-1984>\t<INFO>", ErrorAt(6, "<INFO> message expected")},
       {head + "<CUSTOM>", ErrorAt(6, "<INFO> expected")}});
}

TEST(MaxInput, UnreadableLineLeavesDefaultsAndReadingGoesOn) {
  const std::string defaults = "<TOTMAXINPUT> <VOLTAGE> or <POWER> expected";
  const std::pair<EaLines, Messages> cases[] = {
      {{.maxInput = "<TOTMAXINPUT>\t", .after = "<NEXT>\t\n"}, ErrorAt(6, defaults)},
      // A file without the line: the next keyword line is not lost.
      {{.maxInput = "<NEXT>\t"}, ErrorsAt(6, {"<TOTMAXINPUT> expected", defaults})},
      {{.maxInput = "<TOTMAXINPUT>", .after = "<NEXT>\t\n"},
       ErrorsAt(6, {"No data found after <TOTMAXINPUT>", defaults})},
      // Nor is a line that does not begin with "<" read as the keyword's.
      {{.maxInput = "TOTMAXINPUT\t<POWER>\t1", .after = "<NEXT>\t\n"},
       ErrorsAt(6, {"<TOTMAXINPUT> expected", defaults})},
  };
  for (const auto& [lines, messages] : cases) {
    const GroupRun run = RunEa(lines, [](model::DataSet& set) {
      set.info->maxInputKind = model::MaxInputKind::Voltage;  // to see the defaults put in
      set.info->maxInputMethod = model::TestMethod::Custom;
    });
    EXPECT_EQ(run.result, kReadWithErrors) << lines.maxInput;
    EXPECT_EQ(run.messages, messages) << lines.maxInput;
    const model::InfoRecord& i = *run.set->info;
    EXPECT_EQ(std::tuple(i.maxInputKind, i.maxInputValue, i.maxInputMethod),
              std::tuple(model::MaxInputKind::Power, -1.0f, model::TestMethod::Aes2_1984));
  }
}

TEST(CustomSpectrum, ThirtyValuesWhateverTheBandRange) {
  const std::string custom = "<TOTMAXINPUT>\t<POWER>\t100\t<METHOD>\t<CUSTOM>\t<INFO>\tnoise";
  std::string values;
  for (int i = 0; i < 30; ++i) values += "\t" + std::to_string(i - 15);
  const GroupRun run = RunEa({.maxInput = custom, .after = "<CUSTOM-SPECTRUM>" + values + "\n"});
  EXPECT_EQ(run.result, kReadClean);
  EXPECT_EQ(run.set->info->customSpectrum[0], -15.0f);
  EXPECT_EQ(run.set->info->customSpectrum[29], 14.0f);

  const std::pair<std::string, std::string> refused[] = {
      {values.substr(0, values.rfind('\t')), "<CUSTOM-SPECTRUM> data field missing"},
      {"\t", "<CUSTOM-SPECTRUM> values expected"},
      {Thirty("<NODATA>"), "<nodata> can't be used for all values in <CUSTOM-SPECTRUM>"},
  };
  for (const auto& [line, message] : refused) {
    ExpectFailed(RunEa({.maxInput = custom, .after = "<CUSTOM-SPECTRUM>" + line + "\n"}),
                 ErrorAt(7, message), message);
  }
  // Other methods have no spectrum line: the next line is left to the next group.
  EXPECT_EQ(RunEa({.after = "<NEXT>\t\n"}).result, kReadClean);
}

TEST(PoweredType, ReadsNothingAndRefusesPhaseData) {
  const auto powered = [](std::uint32_t version, std::uint32_t flags) {
    return [=](model::DataSet& set) {
      set.version = version;
      if (version == 2) set.phase = std::make_unique<model::PhaseBlock>();
      set.info->type = model::SpeakerType::Powered;
      set.info->presenceFlags = flags;
    };
  };
  // The next line is left to the next group.
  EXPECT_EQ(RunEa({.sensitivity = "<NEXT>\t"}, powered(1, 0)).result, kReadClean);
  EXPECT_EQ(RunEa({.sensitivity = "<NEXT>\t"}, powered(2, 0), FormatKind::Zef2).result, kReadClean);
  ExpectFailed(RunEa({}, powered(2, model::presence::kPhaseData), FormatKind::Zef2),
               ErrorAt(1, "TYPE = powered cannot have phase data"), "powered");
}

// A ZEF2 set with phase data, bands 50 to 80: <SENSITIVITY-PHASE> is line 3.
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
  const GroupRun degrees = RunWithPhase("<SENSITIVITY-PHASE>\t90\t-180\t<NODATA>", true);
  EXPECT_EQ(degrees.result, kReadClean);
  const float* phase = degrees.set->phase->sensitivity;
  EXPECT_EQ(std::vector<float>(phase + 3, phase + 6),
            (std::vector<float>{90.0f * 0.017453292f, -180.0f * 0.017453292f, model::kNoData}));
  EXPECT_EQ(RunWithPhase("<SENSITIVITY-PHASE>\t1.5\t-3\t0", false).set->phase->sensitivity[4],
            -3.0f);

  const GroupRun empty = RunWithPhase("<SENSITIVITY-PHASE>\t", true);
  EXPECT_EQ(empty.result, kReadWithErrors);
  EXPECT_EQ(empty.messages, ErrorAt(3, "<SENSITIVITY-PHASE> data missing"));
  ExpectFailed(RunWithPhase("<SENSITIVITY-PHASE>\t1\t2", false),
               ErrorAt(3, "<SENSITIVITY-PHASE> data field missing"), "short");
  ExpectFailed(RunWithPhase("<SENSITIVITY-INFO>\t", false),
               ErrorAt(3, "<SENSITIVITY-PHASE> expected"), "absent");
  EXPECT_EQ(empty.set->phase->sensitivity[4], 0.0f);
}

TEST(AxialSpectrum, ThirtyValuesZeroWarningAndBits) {
  const auto run = [](const std::string& lines) {
    return testing::RunGroup(FormatKind::Zef1, lines, ReadAxialSpectrum);
  };
  const GroupRun given =
      run("<AXIAL-SPECTRUM>" + Thirty("100").substr(4) + "\t0\n<AXIAL-SPECTRUM-INFO>\tpink<br>\n");
  EXPECT_EQ(given.result, kReadClean);
  ASSERT_EQ(given.messages.size(), 4u);  // the zero-value warning
  EXPECT_EQ(given.messages[1], " One or more zero values found for <AXIAL-SPECTRUM>.");
  EXPECT_EQ(given.set->info->axialSpectrum[0], 100.0f);
  EXPECT_EQ(given.set->info->axialSpectrum[29], 0.0f);
  EXPECT_EQ(TextOf(given.set->info->axialSpectrumInfo), "pink\r\n");
  EXPECT_EQ(given.set->info->presenceFlags,
            model::presence::kAxialSpectrum | model::presence::kAxialSpectrumInfo);

  const GroupRun empty = run("<AXIAL-SPECTRUM>\t\n<AXIAL-SPECTRUM-INFO>\t\n");
  EXPECT_EQ(empty.result, kReadClean);
  EXPECT_EQ(empty.messages, Messages{});
  EXPECT_EQ(empty.set->info->presenceFlags, 0u);

  ExpectFailed(run("<AXIAL-SPECTRUM>" + Thirty("90").substr(3) + "\n"),
               ErrorAt(2, "<AXIAL-SPECTRUM> data field missing"), "29 values");
  ExpectFailed(run("<AXIAL-SPECTRUM>" + Thirty("<nodata>") + "\n"),
               ErrorAt(2, "<nodata> can't be used for all values in <AXIAL-SPECTRUM>"), "nodata");
}

}  // namespace
}  // namespace zef::textformat
