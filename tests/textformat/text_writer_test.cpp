#include "textformat/text_writer.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "model/fixed_text.h"
#include "textformat/minimal_file.h"
#include "textformat/text_reader.h"
#include "wav/wav_reader.h"
#include "wav/wav_writer.h"

namespace zef::textformat {
namespace {

namespace fs = std::filesystem;

const fs::path kSamples =
    fs::path(__FILE__).parent_path().parent_path().parent_path() / "data" / "samples";

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "zef-writer-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

// Reads a text that must read cleanly; the file date is fixed so that two
// reads of the same data compare equal.
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

// Names the parts of two sets that differ, so that a failed comparison says where.
std::string Differences(const model::DataSet& a, const model::DataSet& b) {
  std::string parts;
  if (std::memcmp(a.info.get(), b.info.get(), sizeof(model::InfoRecord)) != 0) {
    const auto* x = reinterpret_cast<const unsigned char*>(a.info.get());
    const auto* y = reinterpret_cast<const unsigned char*>(b.info.get());
    std::size_t i = 0;
    while (x[i] == y[i]) ++i;
    parts += " info record from byte " + std::to_string(i);
  }
  if (!(a.data == b.data)) parts += " data record";
  if (a.version != b.version || a.draft != b.draft) parts += " version";
  if ((a.phase == nullptr) != (b.phase == nullptr) ||
      (a.phase && std::memcmp(a.phase.get(), b.phase.get(), sizeof(model::PhaseBlock)) != 0)) {
    parts += " phase";
  }
  if ((a.filter == nullptr) != (b.filter == nullptr) || (a.filter && !(*a.filter == *b.filter))) {
    parts += " filter";
  }
  if (std::memcmp(&a.systemPart, &b.systemPart, sizeof a.systemPart) != 0) parts += " system part";
  if (!(a.impedance == b.impedance)) parts += " impedance figures";
  if (!(a.cabinet == b.cabinet)) parts += " cabinet";
  return parts;
}

std::unique_ptr<model::DataSet> MinimalSet() {
  return ReadClean(testing::MinimalZef1(), "/nonexistent/test.txt");
}

// Writes a set with its own symmetry and reads it back.
std::unique_ptr<model::DataSet> RoundTrip(const model::DataSet& set) {
  TextWriteOptions options;
  options.ownSymmetry = true;
  return ReadClean(WriteText(set, options), "/nonexistent/test.txt");
}

TEST(TextWriterRoundTrip, BundledSamplesReadBackToTheSameSet) {
  struct Variant {
    const char* name;
    bool ownSymmetry;
    bool reversed;
  };
  const Variant variants[] = {{"every arc", false, false},
                              {"own symmetry", true, false},
                              {"own symmetry, reversed arcs", true, true}};
  for (const char* file : {"two-way-zef1.txt", "column-zef2-v1.txt", "coax-zef2-v2.txt"}) {
    const auto first = ReadCleanFile(kSamples / file);
    ASSERT_NE(first, nullptr) << file;
    for (const Variant& variant : variants) {
      SCOPED_TRACE(std::string(file) + ", " + variant.name);
      TempFolder folder;
      TextWriteOptions options;
      options.ownSymmetry = variant.ownSymmetry;
      options.reversedArcOrder = variant.reversed;
      std::string error;
      ASSERT_TRUE(WriteTextFile(folder.Path() / file, *first, options, error)) << error;
      const auto second = ReadCleanFile(folder.Path() / file);
      ASSERT_NE(second, nullptr);
      // Written with every arc, the balloon reads back under the symmetry <NONE>.
      if (!variant.ownSymmetry) second->info->symmetry = first->info->symmetry;
      EXPECT_TRUE(*second == *first) << Differences(*second, *first);
    }
  }
}

TEST(TextWriter, RealTextIsTheShortestTextThatReadsBack) {
  const std::pair<float, std::string_view> cases[] = {{0.1f, "0.1"},
                                                      {95.4f, "95.4"},
                                                      {-12000.0f, "-12000"},
                                                      {0.0f, "0"},
                                                      {1e-5f, "1e-05"},
                                                      {3.4028235e38f, "3.4028235e+38"},
                                                      {-0.017453292f, "-0.017453292"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(RealText(value), text);

  std::mt19937 random(7);
  std::uniform_int_distribution<std::uint32_t> bits(0, 0x7F7FFFFF);  // finite, positive
  for (int i = 0; i < 2000; ++i) {
    const std::uint32_t pattern = bits(random);
    float value = 0;
    std::memcpy(&value, &pattern, sizeof value);
    const std::string text = RealText(value);
    float back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    ASSERT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text;
    // No longer than the text with the fewest digits that reads back.
    int digits = 1;
    char fewest[40];
    for (;; ++digits) {
      std::snprintf(fewest, sizeof fewest, "%.*g", digits, static_cast<double>(value));
      if (std::strtof(fewest, nullptr) == value) break;
    }
    EXPECT_LE(text.size(), std::strlen(fewest)) << text;
  }
}

TEST(TextWriter, ArcLevelGivesTheStoredValueBackAfterTheOnAxisSubtraction) {
  // Levels far apart in size make the reader's subtraction round.
  std::mt19937 random(11);
  std::uniform_real_distribution<float> level(-200.0f, 200.0f);
  std::uniform_int_distribution<int> scale(-30, 30);
  for (int i = 0; i < 100000; ++i) {
    const float read = level(random) * std::ldexp(1.0f, scale(random));
    const float onAxis = level(random) * std::ldexp(1.0f, scale(random));
    const float stored = read - onAxis;
    ASSERT_EQ(ArcLevel(stored, onAxis) - onAxis, stored) << read << " " << onAxis;
  }
  EXPECT_EQ(ArcLevel(0.0f, 93.25f), 93.25f);
  EXPECT_EQ(ArcLevel(-6.5f, 93.25f), 86.75f);
  // No level gives a difference this small from 100: the closest one is used.
  EXPECT_EQ(ArcLevel(1e-10f, 100.0f), 100.0f);
}

TEST(TextWriterRoundTrip, BalloonLevelsOfEveryMagnitudeComeBackExactly) {
  auto set = MinimalSet();
  ASSERT_NE(set, nullptr);
  set->info->radiation = model::Radiation::FullSphere;
  set->info->symmetry = model::Symmetry::None;
  std::mt19937 random(3);
  std::uniform_real_distribution<float> level(-60.0f, 130.0f);
  const model::Grid& grid = set->GetGrid();
  for (int band = 5; band <= 6; ++band) {
    for (int arc = 0; arc < grid.arcs; ++arc) {
      const float onAxis = level(random) * (arc % 3 == 0 ? 0.001f : 1.0f);
      set->data.OnAxis(band, arc) = onAxis;
      const std::span<float> points = set->data.Arc(band, arc);
      for (int p = 1; p < grid.points; ++p) points[p] = level(random) - onAxis;
      points[0] = 0;
    }
  }
  const auto back = RoundTrip(*set);
  ASSERT_NE(back, nullptr);
  EXPECT_TRUE(back->data == set->data);
}

TEST(TextWriterRoundTrip, TextsKeepQuotesHashesAndLineBreaks) {
  auto set = MinimalSet();
  ASSERT_NE(set, nullptr);
  model::SetText(set->info->modelName, "'Quoted' model");
  model::SetText(set->info->description, "#1 in its class\"");
  model::SetText(set->info->colors, "Black \"matt\"");
  set->info->type = model::SpeakerType::Active;
  model::SetText(set->info->typeInfo, "First line\r\nSecond line");
  set->info->presenceFlags |= model::presence::kTypeInfo;
  const auto back = RoundTrip(*set);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(model::TextOf(back->info->modelName), "'Quoted' model");
  EXPECT_EQ(model::TextOf(back->info->description), "#1 in its class\"");
  EXPECT_EQ(model::TextOf(back->info->colors), "Black \"matt\"");
  EXPECT_EQ(model::TextOf(back->info->typeInfo), "First line\r\nSecond line");
  EXPECT_TRUE(*back == *set) << Differences(*back, *set);
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

  EXPECT_EQ(text.substr(0, 32), "<ZEF1>\r\n# made by a test\r\n<VERSI");
  for (std::size_t i = 1; i + 1 < text.size(); ++i) {
    if (text[i] == '\n' || text[i] == '\r') {
      ASSERT_EQ(text.substr(text[i] == '\n' ? i - 1 : i, 2), "\r\n") << "at " << i;
    }
  }
  for (const char* line :
       {"\r\n<VERSION>\t1\r\n", "\r\n<MOUNTING>\t\r\n", "\r\n<WEIGHT>\t\r\n",
        "\r\n<MINBAND>\t1000\r\n", "\r\n<IMPEDANCE>\t8\t<NODATA>\r\n",
        "\r\n<TOTMAXINPUT>\t<POWER>\t100\t<METHOD>\t<AES2-1984>\r\n",
        "\r\n<BALLOON-SYMMETRY>\t<NONE>\r\n", "\r\n<BALLOON-REF>\t<RELATIVE>\t<SIGN>\t<ACTUAL>\r\n",
        "\r\n<BAND>\t2000\r\n91\t90\t89\t88\t87\t86\t85\t84\t83\t82\r\n91\t90\t",
        "\r\n<CABINET>\t<RECTANGULAR>\t-0.3\t0\t-0.2\t0.2\t-0.1\t0.1\r\n",
        "\r\n<CABINET>\t<EDGES>\t1\t<ORIGIN>\t0\t0\t0\r\n0\t1\t2\t3\t4\t5\t<RGB>\t17\t34\t51\r\n",
        "\r\n<ZEF1END>\r\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(text.substr(text.size() - 11), "<ZEF1END>\r\n");
}

TEST(TextWriterRoundTrip, CabinetPointsComeBackInAnyAxisFrame) {
  auto set = MinimalSet();
  ASSERT_NE(set, nullptr);
  set->info->presenceFlags |= model::presence::kCabinetSystem;
  set->info->onAxisCode = model::kMinusY;
  set->info->upCode = model::kPlusX;
  set->info->cabinetFlags = model::cabinet_flag::kEdges | model::cabinet_flag::kFaces;
  set->cabinet.edges.Add({{0.1f, -0.2f, 0.3f}, {-0.4f, 0.5f, -0.6f}, 0x00FF0000});
  set->cabinet.edges.Add({{1, 2, 3}, {4, 5, 6}, 0x000000FF});
  set->cabinet.faces.Add({{{0, 0.1f, 0.2f}, {0, -0.1f, 0.2f}, {0, -0.1f, -0.2f}}, 0x00808080});
  set->cabinet.faces.Add({{{-0.5f, 0.25f, 0.125f}}, 0x00010203});
  const auto back = RoundTrip(*set);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->cabinet.edges, set->cabinet.edges);
  EXPECT_EQ(back->cabinet.faces, set->cabinet.faces);
  EXPECT_EQ(back->cabinet.faceEdges.size(), 0u);
  EXPECT_TRUE(*back == *set) << Differences(*back, *set);
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(TextWriterFile, WritesTheDrawingBesideTheTextAndNoTemporaryFile) {
  auto set = MinimalSet();
  ASSERT_NE(set, nullptr);
  set->info->cabinetFlags = model::cabinet_flag::kDxf;
  set->info->dxfUnit = 4;
  set->cabinet.dxfFile = {model::EmbeddedKind::Dxf, {'0', '\r', '\n', 'E', 'O', 'F'}};
  set->cabinet.infoFile = {model::EmbeddedKind::Pdf, {'%', 'P', 'D', 'F'}};
  TempFolder folder;
  std::string error;
  ASSERT_TRUE(WriteTextFile(folder.Path() / "box.txt", *set, {}, error)) << error;
  EXPECT_EQ(FolderEntries(folder.Path()),
            (std::vector<std::string>{"box-info.pdf", "box.dxf", "box.txt"}));
  const auto back = ReadCleanFile(folder.Path() / "box.txt");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->cabinet.dxfFile, set->cabinet.dxfFile);
  EXPECT_EQ(back->cabinet.infoFile, set->cabinet.infoFile);
  EXPECT_EQ(back->info->dxfUnit, 4u);
  EXPECT_EQ(back->cabinet.dxfPath, (folder.Path() / "box.dxf").string());
}

TEST(TextWriterFile, RefusesWhatCannotBeWrittenOrReadBack) {
  auto set = MinimalSet();
  ASSERT_NE(set, nullptr);
  set->cabinet.infoFile = {model::EmbeddedKind::Text, {'x'}};
  TempFolder folder;
  struct Case {
    fs::path path;
    std::string infoName;
    std::string message;
  };
  const Case cases[] = {
      {"/nonexistent-folder/box.txt", "",
       "Cannot write /nonexistent-folder/box-info.txt: No such file or directory"},
      {folder.Path() / "box.txt", "notes.doc", "The name notes.doc does not end in .txt"},
      {folder.Path() / "no-folder" / "box.txt", "box.TXT",
       "Cannot write " + (folder.Path() / "no-folder" / "box.TXT").string() +
           ": No such file or directory"}};
  for (const Case& c : cases) {
    TextWriteOptions options;
    options.infoFileName = c.infoName;
    std::string error;
    EXPECT_FALSE(WriteTextFile(c.path, *set, options, error));
    EXPECT_EQ(error, c.message);
  }
  EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{});
}

TEST(TextWriterFile, FirTapsGoOutAsAFloatWavThatReadsBackExactly) {
  const std::vector<float> taps = {0.5f, -0.25f, 1e-7f, 0.33333334f};
  TempFolder folder;
  const fs::path path = folder.Path() / "fir.wav";
  {
    const std::vector<std::uint8_t> image = wav::FloatWavImage(taps, 48000);
    ASSERT_EQ(image.size(), 44u + 16u);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
  }
  wav::FormatRecord format{};
  wav::HeaderInfo header;
  ASSERT_EQ(wav::ReadHeader(path, format, header), 0);
  EXPECT_TRUE(header.isFloat);
  EXPECT_EQ(header.channels, 1u);
  EXPECT_EQ(header.bitsPerSample, 32u);
  EXPECT_EQ(header.sampleCount, 4u);
  EXPECT_EQ(header.sampleRate, 48000u);
  wav::SampleReader reader;
  ASSERT_EQ(reader.Open(wav::SampleKind::Float32, path), 1);
  for (const float tap : taps) {
    float sample = 0;
    ASSERT_TRUE(reader.Read(sample));
    EXPECT_EQ(sample, tap);
  }
}

}  // namespace
}  // namespace zef::textformat
