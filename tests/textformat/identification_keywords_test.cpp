#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "reader_fixture.h"
#include "textformat/keyword_groups.h"

namespace zef::textformat {
namespace {

namespace fs = std::filesystem;
using model::FormatKind;
using model::TextOf;
using Info = model::InfoRecord;
using testing::ErrorAt;
using testing::ErrorsAt;
using testing::GroupRun;
using Lines = std::vector<std::string>;
using Messages = std::vector<std::string>;

// Lines 2 to 10 of a clean version-1 file.
const Lines kIdentification = {
    "<VERSION>\t1",         "<MODELNAME>\tZ-12",     "<INFOFILE>\t",
    "<MANUFACTURER>\tAcme", "<WEB-SITE>\tacme.test", "<DESCRIPTION>\t'Two-way box'",
    "<COLORS>\tblack",      "<MOUNTING>\tflying",    "<WEIGHT>\t12,5",
};
// Lines 2 to 9 of the measurement block.
const Lines kMeasurement = {
    "<MEASUREMENT-CONTACT>\tLab",
    "<MEASUREMENT-EMAIL>\tlab@acme.test",
    "<MEASUREMENT-DATE>\t2005-apr-7",
    "<MEASUREMENT-NOTE>\tgated",
    "<MEASUREMENT-ENVIRONMENT>\tanechoic",
    "<MEASUREMENT-DISTANCE>\t4",
    "<MEASUREMENT-INPUTVOLTAGE>\t2.83\t2.83\t<nodata>",
    "<TYPE>\t<PASSIVE>",
};

// The lines with the one of the same keyword as `line` replaced by it.
Lines With(Lines lines, const std::string& line) {
  const auto keywordOf = [](const std::string& l) { return l.substr(0, l.find('\t')); };
  for (std::string& l : lines) {
    if (keywordOf(l) == keywordOf(line)) l = line;
  }
  return lines;
}

// A version-2 identification block with the given <PART> line (line 4).
Lines Version2(const std::string& partLine = "<PART>\t1\t<OF>\t2") {
  Lines lines = With(kIdentification, "<VERSION>\t2");
  lines.insert(lines.begin() + 2, partLine);
  return lines;
}

std::string Join(const Lines& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

GroupRun RunIdentification(const Lines& lines, FormatKind kind = FormatKind::Zef2,
                           const std::string& sourcePath = "/nonexistent/test.txt",
                           std::uint32_t presetFlags = 0) {
  return testing::RunGroup(
      kind, Join(lines), ReadIdentification,
      [&](model::DataSet& set) { set.info->presenceFlags = presetFlags; }, {}, sourcePath);
}

// Bands 1 to 3 of a ZEF1 set; input voltages preset to 9 to see what is kept.
GroupRun RunMeasurement(const Lines& lines) {
  return testing::RunGroup(FormatKind::Zef1, Join(lines), ReadMeasurement, [](model::DataSet& set) {
    testing::SetBands(set, 1, 3);
    for (float& v : set.data.Array(model::PerBand::InputVoltage)) v = 9.0f;
  });
}

// Messages of one line, each with its "Error on line" prefix.

// A line of a block and the messages it must fail the read with.
using Refusal = std::pair<std::string, Messages>;
using BlockRun = std::function<GroupRun(const std::string& line)>;

void ExpectRefused(const BlockRun& run, const std::vector<Refusal>& refusals) {
  for (const auto& [line, messages] : refusals) {
    const GroupRun result = run(line);
    EXPECT_FALSE(result.ok) << line;
    EXPECT_EQ(result.result, kReadFailed) << line;
    EXPECT_EQ(result.messages, messages) << line;
  }
}

GroupRun IdentificationWith(const std::string& line) {
  return RunIdentification(With(kIdentification, line));
}
GroupRun MeasurementWith(const std::string& line) {
  return RunMeasurement(With(kMeasurement, line));
}

// A required text left empty on its line: a non-fatal message and "dummy".
struct DummyCase {
  std::string keyword;
  int line;
  std::string message;
  std::string_view (*field)(const Info&);
};

void ExpectDummyDefaults(const BlockRun& run, const std::vector<DummyCase>& cases) {
  for (const DummyCase& c : cases) {
    const GroupRun result = run(c.keyword + "\t");
    EXPECT_TRUE(result.ok) << c.keyword;
    EXPECT_EQ(result.result, kReadWithErrors) << c.keyword;
    EXPECT_EQ(result.messages, ErrorAt(c.line, c.keyword + c.message));
    EXPECT_EQ(c.field(*result.set->info), "dummy") << c.keyword;
  }
}

// A fresh folder of its own in the temporary folder, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "zef_ident_XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  const fs::path& Path() const { return path_; }
  void Write(const fs::path& relative, const std::string& bytes) const {
    fs::create_directories((path_ / relative).parent_path());
    std::ofstream(path_ / relative, std::ios::binary) << bytes;
  }
  std::string DataFile() const { return (path_ / "speaker.txt").string(); }

 private:
  fs::path path_;
};

std::string BytesOf(const model::EmbeddedFile& file) {
  return std::string(file.bytes.begin(), file.bytes.end());
}

// ---------------------------------------------------------------- identification

TEST(IdentificationKeywords, CleanBlockFillsEveryField) {
  const GroupRun run = RunIdentification(kIdentification);
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.result, kReadClean);
  EXPECT_TRUE(run.messages.empty());
  const model::InfoRecord& info = *run.set->info;
  EXPECT_EQ(run.set->version, 1u);
  EXPECT_EQ(run.set->draft, 0u);
  EXPECT_EQ(run.set->phase, nullptr);
  EXPECT_EQ(TextOf(info.modelName), "Z-12");
  EXPECT_EQ(TextOf(info.manufacturer), "Acme");
  EXPECT_EQ(TextOf(info.webSite), "acme.test");
  EXPECT_EQ(TextOf(info.description), "Two-way box");
  EXPECT_EQ(TextOf(info.colors), "black");
  EXPECT_EQ(TextOf(info.mounting), "flying");
  EXPECT_EQ(info.weight, 12.5f);
  EXPECT_EQ(info.presenceFlags, 0x03u);
  EXPECT_EQ(run.set->cabinet.infoFile, model::EmbeddedFile{});
}

TEST(IdentificationKeywords, MissingRequiredTextsBecomeDummy) {
  ExpectDummyDefaults(
      IdentificationWith,
      {
          {"<MODELNAME>", 3, " value expected", [](const Info& i) { return TextOf(i.modelName); }},
          {"<MANUFACTURER>", 5, " value expected",
           [](const Info& i) { return TextOf(i.manufacturer); }},
          {"<WEB-SITE>", 6, " name expected", [](const Info& i) { return TextOf(i.webSite); }},
          {"<DESCRIPTION>", 7, " value expected",
           [](const Info& i) { return TextOf(i.description); }},
      });
}

TEST(IdentificationKeywords, VersionAndDraft) {
  const GroupRun draft = RunIdentification(With(kIdentification, "<VERSION>\t1\t<draft>\t2"));
  ASSERT_TRUE(draft.ok);
  EXPECT_EQ(draft.set->version, 1u);
  EXPECT_EQ(draft.set->draft, 2u);
  EXPECT_EQ(draft.set->phase, nullptr);

  const GroupRun v2 = RunIdentification(Version2());
  ASSERT_TRUE(v2.ok) << ::testing::PrintToString(v2.messages);
  EXPECT_EQ(v2.set->version, 2u);
  ASSERT_NE(v2.set->phase, nullptr);
  EXPECT_EQ(v2.set->phase->sensitivity[29], 0.0f);

  ExpectRefused(
      IdentificationWith,
      {
          {"<VERSION>\t", ErrorAt(2, "<VERSION> value expected")},
          {"<VERSION>\tone", ErrorsAt(2, {"Unsigned integer expected:one", "<VERSION> illegal"})},
          {"<VERSION>\t3", ErrorAt(2, "<VERSION> not known.")},
          {"<VERSION>\t0", ErrorAt(2, "<VERSION> not known.")},
          {"<VERSION>\t1\t<DRAF>", ErrorAt(2, "<DRAFT> expected")},
          {"<VERSION>\t1\t<DRAFT>", ErrorAt(2, "<DRAFT> value expected")},
          {"<VERSION>\t1\t<DRAFT>\t3", ErrorAt(2, "<DRAFT> version not known.")},
          {"<VERSION>\t1\t<DRAFT>\tb", ErrorAt(2, "Unsigned integer expected:b")},
      });
  EXPECT_EQ(RunIdentification(With(kIdentification, "<VERSION>\t2"), FormatKind::Zef1).messages,
            ErrorAt(2, "<VERSION> version 2 not defined for ZEF1"));
  const Lines withoutVersion(kIdentification.begin() + 1, kIdentification.end());
  EXPECT_EQ(RunIdentification(withoutVersion).messages, ErrorAt(2, "<VERSION> expected"));
}

TEST(IdentificationKeywords, PartLineBelongsToVersion2Only) {
  Lines withoutPart = With(kIdentification, "<VERSION>\t2");
  EXPECT_EQ(RunIdentification(withoutPart).messages, ErrorAt(4, "<PART> expected"));
  Lines partInVersion1 = kIdentification;
  partInVersion1.insert(partInVersion1.begin() + 2, "<PART>\t1\t<OF>\t2");
  EXPECT_EQ(RunIdentification(partInVersion1).messages, ErrorAt(4, "<INFOFILE> expected"));
}

TEST(IdentificationKeywords, PartNumbersAndInformation) {
  const GroupRun plain = RunIdentification(Version2("<PART>\t1\t<OF>\t3"));
  ASSERT_TRUE(plain.ok);
  EXPECT_EQ(plain.set->systemPart.part, 1u);
  EXPECT_EQ(plain.set->systemPart.parts, 3u);
  EXPECT_EQ(TextOf(plain.set->systemPart.partText), "");

  const GroupRun info = RunIdentification(Version2("<PART>\t2\t<of>\t3\t<info>\t\"Left top<br>\""));
  ASSERT_TRUE(info.ok);
  EXPECT_EQ(info.set->systemPart.part, 2u);
  EXPECT_EQ(TextOf(info.set->systemPart.partText), "Left top<br>");

  ExpectRefused(
      [](const std::string& line) { return RunIdentification(Version2(line)); },
      {
          {"<PART>\t", ErrorAt(4, "<PART> part number expected")},
          {"<PART>\tx", ErrorsAt(4, {"Unsigned integer expected:x", "<PART> illegal part number"})},
          {"<PART>\t1", ErrorAt(4, "<OF> expected")},
          {"<PART>\t1\t<TO>\t2", ErrorAt(4, "<OF> expected")},
          {"<PART>\t1\t<OF>", ErrorAt(4, "<PART> max part number expected")},
          {"<PART>\t1\t<OF>\t-2",
           ErrorsAt(4, {"Unsigned integer expected:-2", "<PART> illegal part max number"})},
          {"<PART>\t1\t<OF>\t2\tupper", ErrorAt(4, "<INFO> expected")},
          {"<PART>\t1\t<OF>\t2\t<INFO>", ErrorAt(4, "<INFO> value expected")},
      });
}

TEST(IdentificationKeywords, InfoFileIsLoadedBesideTheDataFile) {
  ScratchFolder folder;
  ASSERT_FALSE(folder.Path().empty());
  folder.Write("info.txt", "Plain notes\r\n");
  folder.Write("sub/Notes.TXT", "In a folder");
  folder.Write("sheet.pdf", "%PDF-1.4");
  folder.Write("max.txt", std::string(204800, 'x'));
  std::string absolute = (folder.Path() / "info.txt").string();
  for (char& c : absolute) {
    if (c == '/') c = '\\';
  }
  struct Case {
    std::string value;
    model::EmbeddedKind kind;
    std::string bytes;
  };
  const Case cases[] = {
      {"info.txt", model::EmbeddedKind::Text, "Plain notes\r\n"},
      {"'INFO.TXT'", model::EmbeddedKind::Text, "Plain notes\r\n"},
      {"sub\\notes.txt", model::EmbeddedKind::Text, "In a folder"},
      {absolute, model::EmbeddedKind::Text, "Plain notes\r\n"},
      {"sheet.PDF", model::EmbeddedKind::Pdf, "%PDF-1.4"},
      {"max.txt", model::EmbeddedKind::Text, std::string(204800, 'x')},
  };
  for (const Case& c : cases) {
    const GroupRun run = RunIdentification(With(kIdentification, "<INFOFILE>\t" + c.value),
                                           FormatKind::Zef2, folder.DataFile());
    ASSERT_TRUE(run.ok) << c.value << ::testing::PrintToString(run.messages);
    EXPECT_EQ(run.set->cabinet.infoFile.kind, c.kind) << c.value;
    EXPECT_EQ(BytesOf(run.set->cabinet.infoFile), c.bytes) << c.value;
  }
}

TEST(IdentificationKeywords, InfoFileFailures) {
  ScratchFolder folder;
  ASSERT_FALSE(folder.Path().empty());
  folder.Write("big.txt", std::string(204801, 'x'));
  folder.Write("info.doc", "x");
  const BlockRun beside = [&](const std::string& line) {
    return RunIdentification(With(kIdentification, line), FormatKind::Zef2, folder.DataFile());
  };
  ExpectRefused(beside,
                {
                    {"<INFOFILE>\tinfo.doc", ErrorAt(4, "<INFOFILE> file type not supported.")},
                    {"<INFOFILE>\tinfo.txt.bak", ErrorAt(4, "<INFOFILE> file type not supported.")},
                    {"<INFOFILE>\tmissing.txt", ErrorAt(4, "<INFOFILE> failed to read file.")},
                    {"<INFOFILE>\tbig.txt", ErrorAt(4, "<INFOFILE> size is > 200kB")},
                });
}

TEST(IdentificationKeywords, ColorsAndMountingFlagOnlyVisibleText) {
  struct Case {
    std::string colors;
    std::string mounting;
    std::uint32_t preset;
    std::uint32_t flags;
  };
  const Case cases[] = {
      {"<COLORS>\t", "<MOUNTING>\t", 0, 0},
      {"<COLORS>\twhite", "<MOUNTING>\t", 0, 0x01},
      {"<COLORS>\t", "<MOUNTING>\t\xE9", 0, 0x02},
      {"<COLORS>\t- / -", "<MOUNTING>\t'  '", 0x03, 0},  // given but invisible: cleared
      {"<COLORS>\t7", "<MOUNTING>\t(-)", 0x80, 0x81},    // other bits are left alone
  };
  for (const Case& c : cases) {
    const GroupRun run = RunIdentification(With(With(kIdentification, c.colors), c.mounting),
                                           FormatKind::Zef2, "/nonexistent/test.txt", c.preset);
    ASSERT_TRUE(run.ok) << c.colors;
    EXPECT_EQ(run.set->info->presenceFlags, c.flags) << c.colors << " / " << c.mounting;
  }
}

TEST(IdentificationKeywords, Weight) {
  const std::pair<std::string, float> accepted[] = {{"0", 0.0f}, {".5", 0.5f}, {"12,5", 12.5f}};
  for (const auto& [value, weight] : accepted) {
    const GroupRun run = RunIdentification(With(kIdentification, "<WEIGHT>\t" + value));
    ASSERT_TRUE(run.ok) << value;
    EXPECT_EQ(run.set->info->weight, weight) << value;
  }

  const GroupRun missing = RunIdentification(With(kIdentification, "<WEIGHT>\t"));
  EXPECT_TRUE(missing.ok);
  EXPECT_EQ(missing.result, kReadWithErrors);
  EXPECT_EQ(missing.messages, ErrorAt(10, "<WEIGHT> value expected"));
  EXPECT_EQ(missing.set->info->weight, -1.0f);

  ExpectRefused(IdentificationWith,
                {
                    {"<WEIGHT>\t-0.5", ErrorAt(10, "<WEIGHT> value must be >= 0 kg")},
                    {"<WEIGHT>\t12 kg", ErrorAt(10, "Valid float expected: 12 kg")},
                });
}

// ---------------------------------------------------------------- measurement

TEST(MeasurementKeywords, CleanBlockFillsEveryField) {
  const GroupRun run = RunMeasurement(kMeasurement);
  ASSERT_TRUE(run.ok) << ::testing::PrintToString(run.messages);
  EXPECT_EQ(run.result, kReadClean);
  const model::InfoRecord& info = *run.set->info;
  EXPECT_EQ(TextOf(info.measurementContact), "Lab");
  EXPECT_EQ(TextOf(info.measurementEmail), "lab@acme.test");
  EXPECT_EQ(TextOf(info.measurementDate), "2005-APR-07");
  EXPECT_EQ(TextOf(info.measurementNote), "gated");
  EXPECT_EQ(TextOf(info.measurementEnvironment), "anechoic");
  EXPECT_EQ(info.measurementDistance, 4.0f);
  EXPECT_EQ(info.type, model::SpeakerType::Passive);
  EXPECT_EQ(info.presenceFlags, 0x04u | 0x08u | 0x10u | 0x20u);
  const auto voltages = run.set->data.Array(model::PerBand::InputVoltage);
  EXPECT_EQ(std::vector<float>(voltages.begin(), voltages.begin() + 5),
            (std::vector<float>{9.0f, 2.83f, 2.83f, model::kNoData, 9.0f}));
}

TEST(MeasurementKeywords, MissingRequiredTextsBecomeDummy) {
  ExpectDummyDefaults(MeasurementWith,
                      {
                          {"<MEASUREMENT-CONTACT>", 2, " name expected",
                           [](const Info& i) { return TextOf(i.measurementContact); }},
                          {"<MEASUREMENT-EMAIL>", 3, " address expected",
                           [](const Info& i) { return TextOf(i.measurementEmail); }},
                          {"<MEASUREMENT-DATE>", 4, " value expected",
                           [](const Info& i) { return TextOf(i.measurementDate); }},
                      });
}

TEST(MeasurementKeywords, RefusedDateExplainsTheForm) {
  const GroupRun run = RunMeasurement(With(kMeasurement, "<MEASUREMENT-DATE>\t2005-FEB-30"));
  EXPECT_FALSE(run.ok);
  EXPECT_EQ(run.result, kReadFailed);
  EXPECT_EQ(run.messages,
            (Messages{"Error on line:    4", " <MEASUREMENT-DATE> day range.",
                      "Format must be YYYY-MMM-DD (e.g. 2005-APR-12)",
                      "to avoid regional date format differences. MMM", "uses English spelling."}));
  EXPECT_EQ(RunMeasurement(With(kMeasurement, "<MEASUREMENT-DATE>\t1959-JAN-01")).messages[1],
            " <MEASUREMENT-DATE> year range.");
}

TEST(MeasurementKeywords, NoteEnvironmentAndDistanceFlags) {
  const GroupRun empty = RunMeasurement(
      With(With(With(kMeasurement, "<MEASUREMENT-NOTE>\t"), "<MEASUREMENT-ENVIRONMENT>\t***"),
           "<MEASUREMENT-DISTANCE>\t"));
  ASSERT_TRUE(empty.ok);
  EXPECT_EQ(empty.result, kReadClean);
  EXPECT_EQ(empty.set->info->presenceFlags, 0x20u);
  EXPECT_EQ(TextOf(empty.set->info->measurementEnvironment), "***");
  EXPECT_EQ(empty.set->info->measurementDistance, 0.0f);

  const GroupRun comma = RunMeasurement(With(kMeasurement, "<MEASUREMENT-DISTANCE>\t0,25"));
  EXPECT_EQ(comma.set->info->measurementDistance, 0.25f);

  const std::string k = "<MEASUREMENT-DISTANCE>";
  ExpectRefused(MeasurementWith, {
                                     {k + "\t0", ErrorAt(7, k + " value must be > 0 m")},
                                     {k + "\t-1", ErrorAt(7, k + " value must be > 0 m")},
                                     {k + "\tfar", ErrorAt(7, "Valid float expected: far")},
                                 });
}

TEST(MeasurementKeywords, InputVoltagePerBand) {
  const std::string k = "<MEASUREMENT-INPUTVOLTAGE>";
  const GroupRun tabOnly = MeasurementWith(k + "\t");
  ASSERT_TRUE(tabOnly.ok);
  EXPECT_EQ(tabOnly.set->info->presenceFlags & 0x20u, 0u);
  EXPECT_EQ(tabOnly.set->data.Array(model::PerBand::InputVoltage)[1], 9.0f);

  const GroupRun bounds = MeasurementWith(k + "\t1000\t0.001\t1");
  ASSERT_TRUE(bounds.ok);
  EXPECT_EQ(bounds.set->data.Array(model::PerBand::InputVoltage)[1], 1000.0f);

  const std::string allNoData = "<nodata> can't be used for all values in " + k;
  const std::string outOfRange = k + " data out of allowed range (0.0 ..1000.0)";
  ExpectRefused(MeasurementWith, {
                                     {k + "\t<nodata>\t<NODATA>\t<nodata>", ErrorAt(8, allNoData)},
                                     {k + "\t<nodata>", ErrorAt(8, allNoData)},
                                     {k + "\t1\t2", ErrorAt(8, k + " data field missing")},
                                     {k + "\t1\t0\t2", ErrorAt(8, outOfRange)},
                                     {k + "\t1\t1000.5\t<nodata>", ErrorAt(8, outOfRange)},
                                 });
}

TEST(MeasurementKeywords, TypeAndItsInformation) {
  struct Case {
    std::string line;
    model::SpeakerType type;
    std::string text;
    std::uint32_t typeFlag;
    Messages messages;
  };
  const Case cases[] = {
      {"<TYPE>\t<passive>", model::SpeakerType::Passive, "", 0, {}},
      {"<TYPE>\t<ACTIVE>\t<INFO>\t'Amp<br>DSP'",
       model::SpeakerType::Active,
       "Amp\r\nDSP",
       0x40,
       {}},
      {"<TYPE>\t<POWERED>\t<info>\t--", model::SpeakerType::Powered, "--", 0, {}},
      {"<TYPE>\t<active>", model::SpeakerType::Active, "dummy", 0,
       ErrorAt(9, "<ACTIVE> <INFO> expected")},
      {"<TYPE>\t<POWERED>\tbuilt-in amplifier", model::SpeakerType::Powered, "dummy", 0,
       ErrorAt(9, "<POWERED> <INFO> expected")},
  };
  for (const Case& c : cases) {
    const GroupRun run = RunMeasurement(With(kMeasurement, c.line));
    ASSERT_TRUE(run.ok) << c.line;
    EXPECT_EQ(run.result, c.messages.empty() ? kReadClean : kReadWithErrors) << c.line;
    EXPECT_EQ(run.messages, c.messages) << c.line;
    EXPECT_EQ(run.set->info->type, c.type) << c.line;
    EXPECT_EQ(TextOf(run.set->info->typeInfo), c.text) << c.line;
    EXPECT_EQ(run.set->info->presenceFlags & 0x40u, c.typeFlag) << c.line;
  }

  ExpectRefused(MeasurementWith, {
                                     {"<TYPE>\t", ErrorAt(9, "<TYPE> value expected")},
                                     {"<TYPE>\t<HYBRID>", ErrorAt(9, "<TYPE> illegal value")},
                                 });
}

}  // namespace
}  // namespace zef::textformat
