#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "reader_fixture.h"
#include "textformat/keyword_groups.h"
#include "wav/wav_image.h"

namespace zef::textformat {
namespace {

using model::FormatKind;
using model::TextOf;
using testing::ErrorAt;
using testing::ErrorsAt;
using testing::ExpectRefused;
using testing::GroupRun;
using Lines = std::vector<std::string>;
using Texts = std::vector<std::string_view>;

// Lines 2 to 10 of a clean version-1 file, and lines 2 to 9 of the measurement block.
const Lines kIdentification = {
    "<VERSION>\t1",         "<MODELNAME>\tZ-12",     "<INFOFILE>\t",
    "<MANUFACTURER>\tAcme", "<WEB-SITE>\tacme.test", "<DESCRIPTION>\t'Two-way box'",
    "<COLORS>\tblack",      "<MOUNTING>\tflying",    "<WEIGHT>\t12,5"};
const Lines kMeasurement = {"<MEASUREMENT-CONTACT>\tLab",
                            "<MEASUREMENT-EMAIL>\tlab@acme.test",
                            "<MEASUREMENT-DATE>\t2005-apr-7",
                            "<MEASUREMENT-NOTE>\tgated",
                            "<MEASUREMENT-ENVIRONMENT>\tanechoic",
                            "<MEASUREMENT-DISTANCE>\t4",
                            "<MEASUREMENT-INPUTVOLTAGE>\t2.83\t2.83\t<nodata>",
                            "<TYPE>\t<PASSIVE>"};

// The lines as a text, those of the same keywords as `replacements` replaced by them.
std::string With(const Lines& lines, const Lines& replacements) {
  const auto keywordOf = [](const std::string& l) { return l.substr(0, l.find('\t')); };
  std::string text;
  for (std::string l : lines) {
    for (const std::string& r : replacements) {
      if (keywordOf(l) == keywordOf(r)) l = r;
    }
    text += l + "\n";
  }
  return text;
}

GroupRun RunIdentification(const std::string& text, FormatKind kind = FormatKind::Zef2,
                           const std::string& sourcePath = "/nonexistent/test.txt",
                           std::uint32_t presetFlags = 0) {
  return testing::RunGroup(
      kind, text, ReadIdentification,
      [&](model::DataSet& set) { set.info->presenceFlags = presetFlags; }, {}, sourcePath);
}
GroupRun IdentificationWith(const std::string& line) {
  return RunIdentification(With(kIdentification, {line}));
}
// A version-2 block with the given <PART> line (line 4).
GroupRun Version2With(const std::string& partLine) {
  Lines lines = kIdentification;
  lines[0] = "<VERSION>\t2";
  lines.insert(lines.begin() + 2, partLine);
  return RunIdentification(With(lines, {}));
}

// Bands 1 to 3 of a ZEF1 set; input voltages preset to 9 to see what is kept.
GroupRun RunMeasurement(const Lines& replacements) {
  return testing::RunGroup(FormatKind::Zef1, With(kMeasurement, replacements), ReadMeasurement,
                           [](model::DataSet& set) {
                             testing::SetBands(set, 1, 3);
                             for (float& v : set.data.Array(model::PerBand::InputVoltage)) v = 9;
                           });
}
GroupRun MeasurementWith(const std::string& line) {
  return RunMeasurement({line});
}

TEST(IdentificationKeywords, CleanBlocksFillEveryField) {
  const GroupRun ident = RunIdentification(With(kIdentification, {}));
  EXPECT_EQ(ident.result, kReadClean);
  const model::InfoRecord& i = *ident.set->info;
  EXPECT_EQ(ident.set->version, 1u);
  EXPECT_EQ(ident.set->phase, nullptr);
  EXPECT_EQ((Texts{TextOf(i.modelName), TextOf(i.manufacturer), TextOf(i.webSite),
                   TextOf(i.description), TextOf(i.colors), TextOf(i.mounting)}),
            (Texts{"Z-12", "Acme", "acme.test", "Two-way box", "black", "flying"}));
  EXPECT_EQ(i.weight, 12.5f);
  EXPECT_EQ(i.presenceFlags, 0x03u);
  EXPECT_EQ(ident.set->cabinet.infoFile, model::EmbeddedFile{});

  const GroupRun measure = RunMeasurement({});
  EXPECT_EQ(measure.result, kReadClean) << ::testing::PrintToString(measure.messages);
  const model::InfoRecord& m = *measure.set->info;
  EXPECT_EQ(
      (Texts{TextOf(m.measurementContact), TextOf(m.measurementEmail), TextOf(m.measurementDate),
             TextOf(m.measurementNote), TextOf(m.measurementEnvironment)}),
      (Texts{"Lab", "lab@acme.test", "2005-APR-07", "gated", "anechoic"}));
  EXPECT_EQ(m.measurementDistance, 4.0f);
  EXPECT_EQ(m.type, model::SpeakerType::Passive);
  EXPECT_EQ(m.presenceFlags, 0x04u | 0x08u | 0x10u | 0x20u);
  const auto voltages = measure.set->data.Array(model::PerBand::InputVoltage);
  EXPECT_EQ(std::vector<float>(voltages.begin(), voltages.begin() + 5),
            (std::vector<float>{9.0f, 2.83f, 2.83f, model::kNoData, 9.0f}));
}

// A required text left empty: a non-fatal message named by the keyword, and "dummy".
TEST(IdentificationKeywords, MissingRequiredTextsBecomeDummy) {
  const std::tuple<GroupRun (*)(const std::string&), std::string, int, std::string, int> cases[] = {
      // block, keyword, line, message, which of the fields below
      {IdentificationWith, "<MODELNAME>", 3, " value expected", 0},
      {IdentificationWith, "<WEB-SITE>", 6, " name expected", 1},
      {MeasurementWith, "<MEASUREMENT-DATE>", 4, " value expected", 2},  // not checked as a date
  };
  for (const auto& [run, keyword, line, message, field] : cases) {
    const GroupRun result = run(keyword + "\t");
    EXPECT_EQ(result.result, kReadWithErrors) << keyword;
    EXPECT_EQ(result.messages, ErrorAt(line, keyword + message));
    const model::InfoRecord& i = *result.set->info;
    EXPECT_EQ((Texts{TextOf(i.modelName), TextOf(i.webSite), TextOf(i.measurementDate)})[field],
              "dummy")
        << keyword;
  }
}

TEST(IdentificationKeywords, VersionDraftAndPart) {
  EXPECT_EQ(IdentificationWith("<VERSION>\t1\t<draft>\t2").set->draft, 2u);
  const GroupRun v2 = Version2With("<PART>\t2\t<of>\t3\t<info>\t\"Left top<br>\"");
  ASSERT_EQ(v2.result, kReadClean) << ::testing::PrintToString(v2.messages);
  EXPECT_EQ(v2.set->version, 2u);
  EXPECT_NE(v2.set->phase, nullptr);
  EXPECT_EQ(v2.set->systemPart.part, 2u);
  EXPECT_EQ(v2.set->systemPart.parts, 3u);
  EXPECT_EQ(TextOf(v2.set->systemPart.partText), "Left top<br>");

  ExpectRefused(
      IdentificationWith,
      {{"<VERSION>\tone", ErrorsAt(2, {"Unsigned integer expected:one", "<VERSION> illegal"})},
       {"<VERSION>\t3", ErrorAt(2, "<VERSION> not known.")},
       {"<VERSION>\t0", ErrorAt(2, "<VERSION> not known.")},
       {"<VERSION>\t1\t<DRAF>", ErrorAt(2, "<DRAFT> expected")},
       {"<VERSION>\t1\t<DRAFT>\tb", ErrorAt(2, "Unsigned integer expected:b")},
       {"<VERSION>\t1\t<DRAFT>\t3", ErrorAt(2, "<DRAFT> version not known.")},
       // <PART> belongs to version 2 only.
       {"<VERSION>\t2", ErrorAt(4, "<PART> expected")}});
  EXPECT_EQ(RunIdentification(With(kIdentification, {"<VERSION>\t2"}), FormatKind::Zef1).messages,
            ErrorAt(2, "<VERSION> version 2 not defined for ZEF1"));
  Lines partInVersion1 = kIdentification;
  partInVersion1.insert(partInVersion1.begin() + 2, "<PART>\t1\t<OF>\t2");
  EXPECT_EQ(RunIdentification(With(partInVersion1, {})).messages,
            ErrorAt(4, "<INFOFILE> expected"));

  ExpectRefused(
      Version2With,
      {{"<PART>\tx", ErrorsAt(4, {"Unsigned integer expected:x", "<PART> illegal part number"})},
       {"<PART>\t1\t<TO>\t2", ErrorAt(4, "<OF> expected")},
       {"<PART>\t1\t<OF>\t-2",
        ErrorsAt(4, {"Unsigned integer expected:-2", "<PART> illegal part max number"})},
       {"<PART>\t1\t<OF>\t2\tupper", ErrorAt(4, "<INFO> expected")},
       {"<PART>\t1\t<OF>\t2\t<INFO>", ErrorAt(4, "<INFO> value expected")}});
}

TEST(IdentificationKeywords, InfoFileIsLoadedBesideTheDataFile) {
  const wav::testing::TempDir folder;
  folder.Write("info.txt", "Plain notes\r\n");
  folder.Write("sub/Sheet.pdf", "%PDF-1.4");
  folder.Write("max.txt", std::string(204800, 'x'));
  folder.Write("big.txt", std::string(204801, 'x'));
  ASSERT_EQ(::mkfifo(folder.Path("pipe.txt").c_str(), 0600), 0);
  std::string absolute = folder.Path("sub/Sheet.pdf").string();
  for (char& c : absolute) c = c == '/' ? '\\' : c;
  const auto run = [&](const std::string& value) {
    return RunIdentification(With(kIdentification, {"<INFOFILE>\t" + value}), FormatKind::Zef2,
                             folder.Path("speaker.txt"));
  };
  const std::tuple<std::string, model::EmbeddedKind, std::string> loaded[] = {
      {"'INFO.TXT'", model::EmbeddedKind::Text, "Plain notes\r\n"},
      {absolute, model::EmbeddedKind::Pdf, "%PDF-1.4"},
      {"max.txt", model::EmbeddedKind::Text, std::string(204800, 'x')},
  };
  for (const auto& [value, kind, bytes] : loaded) {
    const GroupRun result = run(value);
    ASSERT_TRUE(result.ok) << value << ::testing::PrintToString(result.messages);
    const model::EmbeddedFile& file = result.set->cabinet.infoFile;
    EXPECT_EQ(file.kind, kind) << value;
    EXPECT_EQ(std::string(file.bytes.begin(), file.bytes.end()), bytes) << value;
  }
  ExpectRefused(run, {{"info.doc", ErrorAt(4, "<INFOFILE> file type not supported.")},
                      {"info.txt.bak", ErrorAt(4, "<INFOFILE> file type not supported.")},
                      {"missing.txt", ErrorAt(4, "<INFOFILE> failed to read file.")},
                      {"big.txt", ErrorAt(4, "<INFOFILE> size is > 200kB")},
                      {"pipe.txt", ErrorAt(4, "<INFOFILE> is not a regular file")}});
}

// An optional text sets its bit only when it holds something visible, else clears it.
TEST(IdentificationKeywords, ColorsAndMountingFlagOnlyVisibleText) {
  const GroupRun run =
      RunIdentification(With(kIdentification, {"<COLORS>\t- / -", "<MOUNTING>\t\xE9"}),
                        FormatKind::Zef2, "/nonexistent/test.txt", 0x81);
  EXPECT_EQ(run.result, kReadClean);
  EXPECT_EQ(run.set->info->presenceFlags, 0x82u);
}

TEST(IdentificationKeywords, Weight) {
  EXPECT_EQ(IdentificationWith("<WEIGHT>\t0").result, kReadClean);
  const GroupRun missing = IdentificationWith("<WEIGHT>\t");
  EXPECT_EQ(missing.result, kReadWithErrors);
  EXPECT_EQ(missing.messages, ErrorAt(10, "<WEIGHT> value expected"));
  EXPECT_EQ(missing.set->info->weight, -1.0f);
  ExpectRefused(IdentificationWith,
                {{"<WEIGHT>\t-0.5", ErrorAt(10, "<WEIGHT> value must be >= 0 kg")},
                 {"<WEIGHT>\t12 kg", ErrorAt(10, "Valid float expected: 12 kg")}});
}

TEST(MeasurementKeywords, RefusedDateExplainsTheForm) {
  EXPECT_EQ(MeasurementWith("<MEASUREMENT-DATE>\t2005-FEB-30").messages,
            (Lines{"Error on line:    4", " <MEASUREMENT-DATE> day range.",
                   "Format must be YYYY-MMM-DD (e.g. 2005-APR-12)",
                   "to avoid regional date format differences. MMM", "uses English spelling."}));
  const GroupRun early = MeasurementWith("<MEASUREMENT-DATE>\t1959-JAN-01");
  EXPECT_EQ(early.result, kReadFailed);
  EXPECT_EQ(early.messages[1], " <MEASUREMENT-DATE> year range.");
}

TEST(MeasurementKeywords, OptionalTextsDistanceAndVoltages) {
  const GroupRun empty =
      RunMeasurement({"<MEASUREMENT-NOTE>\t", "<MEASUREMENT-ENVIRONMENT>\t***",
                      "<MEASUREMENT-DISTANCE>\t", "<MEASUREMENT-INPUTVOLTAGE>\t"});
  EXPECT_EQ(empty.result, kReadClean);
  EXPECT_EQ(empty.set->info->presenceFlags, 0u);
  EXPECT_EQ(TextOf(empty.set->info->measurementEnvironment), "***");
  EXPECT_EQ(empty.set->info->measurementDistance, 0.0f);
  EXPECT_EQ(empty.set->data.Array(model::PerBand::InputVoltage)[1], 9.0f);  // untouched

  const std::string k = "<MEASUREMENT-INPUTVOLTAGE>";
  const GroupRun bounds = MeasurementWith(k + "\t1000\t0.001\t1");
  EXPECT_EQ(bounds.result, kReadClean);
  EXPECT_EQ(bounds.set->data.Array(model::PerBand::InputVoltage)[1], 1000.0f);
  const std::string outOfRange = k + " data out of allowed range (0.0 ..1000.0)";
  ExpectRefused(
      MeasurementWith,
      {{"<MEASUREMENT-DISTANCE>\t0", ErrorAt(7, "<MEASUREMENT-DISTANCE> value must be > 0 m")},
       {k + "\t<nodata>", ErrorAt(8, "<nodata> can't be used for all values in " + k)},
       {k + "\t1\t2", ErrorAt(8, k + " data field missing")},
       {k + "\t1\t0\t2", ErrorAt(8, outOfRange)},
       {k + "\t1\t1000.5\t<nodata>", ErrorAt(8, outOfRange)}});
}

TEST(MeasurementKeywords, TypeAndItsInformation) {
  using model::SpeakerType;
  const std::tuple<std::string, SpeakerType, std::string, std::uint32_t, Lines> cases[] = {
      {"<passive>", SpeakerType::Passive, "", 0, {}},
      {"<ACTIVE>\t<INFO>\t'Amp<br>DSP'", SpeakerType::Active, "Amp\r\nDSP", 0x40, {}},
      {"<POWERED>\t<info>\t--", SpeakerType::Powered, "--", 0, {}},
      {"<POWERED>\tamplifier", SpeakerType::Powered, "dummy", 0,
       ErrorAt(9, "<POWERED> <INFO> expected")},
  };
  for (const auto& [values, type, text, typeFlag, messages] : cases) {
    const GroupRun run = MeasurementWith("<TYPE>\t" + values);
    EXPECT_EQ(run.result, messages.empty() ? kReadClean : kReadWithErrors) << values;
    EXPECT_EQ(run.messages, messages) << values;
    EXPECT_EQ(run.set->info->type, type) << values;
    EXPECT_EQ(TextOf(run.set->info->typeInfo), text) << values;
    EXPECT_EQ(run.set->info->presenceFlags & 0x40u, typeFlag) << values;
  }
  ExpectRefused(MeasurementWith, {{"<TYPE>\t", ErrorAt(9, "<TYPE> value expected")},
                                  {"<TYPE>\t<HYBRID>", ErrorAt(9, "<TYPE> illegal value")}});
}

}  // namespace
}  // namespace zef::textformat
