#include "textformat/text_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "case_file.h"
#include "model/fixed_text.h"
#include "model/random_set.h"
#include "textformat/minimal_file.h"
#include "textformat/text_reader.h"
#include "wav/wav_image.h"

namespace zef::textformat {
namespace {

namespace fs = std::filesystem;
using wav::testing::TempDir;

const fs::path kSamples = ZEF_SAMPLES_DIR;

// A read that must be clean; the file date is fixed so that two reads compare equal.
std::unique_ptr<model::DataSet> ReadClean(const std::string& text, const fs::path& source) {
  model::LineSink messages;
  TextReadResult read = ReadText(text, source, "2024-JAN-01", messages);
  EXPECT_EQ(read.result, kReadClean);
  EXPECT_EQ(messages.Lines(), std::vector<std::string>{});
  return std::move(read.set);
}

std::unique_ptr<model::DataSet> ReadCleanFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return ReadClean(std::string(std::istreambuf_iterator<char>(in), {}), path);
}

std::unique_ptr<model::DataSet> MinimalSet() {
  return ReadClean(testing::MinimalZef1(), "/nonexistent/test.txt");
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(TextWriterRoundTrip, BundledSamplesReadBackToTheSameSet) {
  for (const char* file : {"two-way-zef1.txt", "column-zef2-v1.txt", "coax-zef2-v2.txt"}) {
    const auto first = ReadCleanFile(kSamples / file);
    ASSERT_NE(first, nullptr) << file;
    // Every arc; own symmetry; own symmetry with the arcs reversed.
    const std::pair<bool, bool> variants[] = {{false, false}, {true, false}, {true, true}};
    for (const auto& [ownSymmetry, reversed] : variants) {
      SCOPED_TRACE(::testing::Message() << file << " " << ownSymmetry << reversed);
      const TempDir folder;
      TextWriteOptions options;
      options.ownSymmetry = ownSymmetry;
      options.reversedArcOrder = reversed;
      std::string error;
      ASSERT_TRUE(WriteTextFile(folder.Path(file), *first, options, error)) << error;
      const auto second = ReadCleanFile(folder.Path(file));
      ASSERT_NE(second, nullptr);
      // Written with every arc, the balloon reads back under the symmetry <NONE>.
      if (!ownSymmetry) second->info->symmetry = first->info->symmetry;
      EXPECT_TRUE(model::testing::SameDataSet(*second, *first));
    }
  }
}

TEST(TextWriterRoundTrip, EditedSetsReadBackUnchanged) {
  const std::pair<const char*, std::function<void(model::DataSet&)>> edits[] = {
      {"texts with quotes, a leading hash and a line break",
       [](model::DataSet& set) {
         model::SetText(set.info->modelName, "'Quoted' model");
         model::SetText(set.info->description, "#1 in its class");
         model::SetText(set.info->colors, "Black \"matt\"");
         set.info->type = model::SpeakerType::Active;
         model::SetText(set.info->typeInfo, "First line\r\nSecond line");
         set.info->presenceFlags |= model::presence::kTypeInfo;
       }},
      {"balloon levels of every magnitude", [](model::DataSet& set) {
         set.info->radiation = model::Radiation::FullSphere;
         set.info->symmetry = model::Symmetry::None;
         std::mt19937 random(3);
         std::uniform_real_distribution<float> level(-60.0f, 130.0f);
         const model::Grid& grid = set.GetGrid();
         for (int arc = 0; arc < grid.arcs; ++arc) {
           const float onAxis = level(random) * (arc % 3 == 0 ? 0.001f : 1.0f);
           set.data.OnAxis(5, arc) = onAxis;
           const std::span<float> points = set.data.Arc(5, arc);
           for (int p = 1; p < grid.points; ++p) points[p] = level(random) - onAxis;
           points[0] = 0;
         }
       }}};
  for (const auto& [name, edit] : edits) {
    SCOPED_TRACE(name);
    auto set = MinimalSet();
    ASSERT_NE(set, nullptr);
    edit(*set);
    TextWriteOptions options;
    options.ownSymmetry = true;
    const auto back = ReadClean(WriteText(*set, options), "/nonexistent/test.txt");
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(model::testing::SameDataSet(*back, *set));
  }
}

TEST(TextWriter, RealTextIsTheShortestTextThatReadsBack) {
  const std::pair<float, std::string_view> cases[] = {
      {0.1f, "0.1"}, {-12000.0f, "-12000"}, {1e-5f, "1e-05"}, {-0.017453292f, "-0.017453292"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(RealText(value), text);
}

TEST(TextWriter, ArcLevelGivesTheStoredValueBackAfterTheOnAxisSubtraction) {
  // Levels far apart in size make the reader's subtraction round.
  std::mt19937 random(11);
  std::uniform_real_distribution<float> level(-200.0f, 200.0f);
  std::uniform_int_distribution<int> scale(-30, 30);
  for (int i = 0; i < 20000; ++i) {
    const float onAxis = level(random) * std::ldexp(1.0f, scale(random));
    const float stored = level(random) * std::ldexp(1.0f, scale(random)) - onAxis;
    ASSERT_EQ(ArcLevel(stored, onAxis) - onAxis, stored) << stored << " " << onAxis;
  }
  // No level gives a difference this small from 100: the closest one is used.
  EXPECT_EQ(ArcLevel(1e-10f, 100.0f), 100.0f);
}

TEST(TextWriter, WritesCrLfLinesWithTabSeparatedFields) {
  auto set = MinimalSet();
  ASSERT_NE(set, nullptr);
  set->info->weight = -1.0f;  // the reader's stand-in for a weight not given
  set->info->cabinetFlags = model::cabinet_flag::kRectangular | model::cabinet_flag::kEdges;
  const float box[6] = {-0.3f, -0.2f, -0.1f, 0.0f, 0.2f, 0.1f};
  std::copy(box, box + 6, set->info->rectangular);
  set->cabinet.edges.Add({{0, 1, 2}, {3, 4, 5}, 0x00332211});
  TextWriteOptions options;
  options.comments = {"made by a test"};
  const std::string text = WriteText(*set, options);

  // Every line ends in CR LF: no CR without its LF, no LF without its CR.
  std::string lines = text;
  for (std::size_t at; (at = lines.find("\r\n")) != std::string::npos;) lines.erase(at, 1);
  EXPECT_EQ(lines.find('\r'), std::string::npos);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), std::count(text.begin(), text.end(), '\n'));
  zef::testing::ExpectGolden("textformat/golden/minimal_written.txt", lines);
}

TEST(TextWriterFile, WritesTheCompanionFilesBesideTheTextAndNoTemporaryFile) {
  auto set = MinimalSet();
  ASSERT_NE(set, nullptr);
  set->info->cabinetFlags = model::cabinet_flag::kDxf;
  set->info->dxfUnit = 4;
  set->cabinet.dxfFile = {model::EmbeddedKind::Dxf, {'0', '\r', '\n', 'E', 'O', 'F'}};
  set->cabinet.infoFile = {model::EmbeddedKind::Pdf, {'%', 'P', 'D', 'F'}};
  const TempDir folder;
  std::string error;
  ASSERT_TRUE(WriteTextFile(folder.Path("box.txt"), *set, {}, error)) << error;
  EXPECT_EQ(FolderEntries(folder.Path("")),
            (std::vector<std::string>{"box-info.pdf", "box.dxf", "box.txt"}));
  const auto back = ReadCleanFile(folder.Path("box.txt"));
  ASSERT_NE(back, nullptr);
  set->cabinet.dxfPath = folder.Path("box.dxf").string();
  set->info->symmetry = model::Symmetry::None;  // every arc was written
  EXPECT_TRUE(model::testing::SameDataSet(*back, *set));
}

TEST(TextWriterFile, RefusesWhatCannotBeWrittenOrReadBack) {
  auto set = MinimalSet();
  ASSERT_NE(set, nullptr);
  set->cabinet.infoFile = {model::EmbeddedKind::Text, {'x'}};
  const TempDir folder;
  const struct {
    fs::path path;
    std::string infoName;
    std::string message;
  } cases[] = {{"/nonexistent-folder/box.txt", "",
                "Cannot write /nonexistent-folder/box-info.txt: No such file or directory"},
               {folder.Path("box.txt"), "notes.doc", "The name notes.doc does not end in .txt"},
               {folder.Path("no-folder/box.txt"), "box.TXT",
                "Cannot write " + folder.Path("no-folder/box.TXT").string() +
                    ": No such file or directory"}};
  for (const auto& c : cases) {
    TextWriteOptions options;
    options.infoFileName = c.infoName;
    std::string error;
    EXPECT_FALSE(WriteTextFile(c.path, *set, options, error));
    EXPECT_EQ(error, c.message);
  }
  EXPECT_EQ(FolderEntries(folder.Path("")), std::vector<std::string>{});
}

}  // namespace
}  // namespace zef::textformat
