#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/data_set_holder.h"
#include "app/read_data_file.h"
#include "binary/binary_writer.h"
#include "binary_fixture.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::FilterKind;
using model::FormatKind;
namespace fs = std::filesystem;

class HolderState : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / "zef-binary-holder-test";
    fs::create_directories(folder_);
  }

  fs::path Write(const std::string& name, const model::DataSet& set) {
    std::string error;
    EXPECT_TRUE(WriteBinaryFile(folder_ / name, set, {}, error)) << error;
    return folder_ / name;
  }

  // Reads a file the way the shell does and installs what it gives.
  bool Open(const fs::path& path) {
    model::LineSink sink;
    app::ReadOutcome read = app::ReadDataFile(path, sink, {});
    lines_ = sink.Lines();
    const bool loaded = read.set != nullptr;
    holder_.Install(std::move(read.set), read.header);
    return loaded;
  }

  fs::path folder_;
  app::DataSetHolder holder_;
  std::vector<std::string> lines_;
};

TEST_F(HolderState, ZefOneAfterZefTwoReleasesPhaseAndFilterAndTheReverseBringsThem) {
  auto phased = FilledSet(FormatKind::Zef2, 2);
  AddPhase(*phased, FilterKind::FirWav);
  const fs::path zf2 = Write("phased.ZF2", *phased);
  const fs::path zf1 = Write("octave.ZF1", *FilledSet(FormatKind::Zef1));

  ASSERT_TRUE(Open(zf2)) << ::testing::PrintToString(lines_);
  ASSERT_TRUE(holder_.Loaded()->phase);
  ASSERT_TRUE(holder_.Loaded()->filter);
  EXPECT_EQ(holder_.LoadedHeader()->version, 2u);

  ASSERT_TRUE(Open(zf1));
  EXPECT_EQ(holder_.Loaded()->kind, FormatKind::Zef1);
  EXPECT_FALSE(holder_.Loaded()->phase);
  EXPECT_FALSE(holder_.Loaded()->filter);
  EXPECT_EQ(holder_.LoadedHeader()->magic, kZef1Magic);

  ASSERT_TRUE(Open(zf2));
  EXPECT_TRUE(SameContent(*holder_.Loaded(), *phased));
}

TEST_F(HolderState, FailedBinaryReadLeavesTheLoadedSetAsItWas) {
  auto phased = FilledSet(FormatKind::Zef2, 2);
  AddPhase(*phased, FilterKind::ThirdOctaveComplex);
  AddCabinetLists(*phased);
  AddEmbeddedFiles(*phased, model::EmbeddedKind::Pdf);
  ASSERT_TRUE(Open(Write("good.ZF2", *phased)));
  const model::DataSet before = *holder_.Loaded();
  const BinaryHeader headerBefore = *holder_.LoadedHeader();

  // Fails in its last section, after its own phase block and filter were read.
  auto other = FilledSet(FormatKind::Zef2, 2, 5);
  AddPhase(*other, FilterKind::FirWav);
  Image image = BuildBinaryImage(*other);
  image.resize(image.size() - 1);
  std::ofstream(folder_ / "cut.ZF2", std::ios::binary)
      .write(reinterpret_cast<const char*>(image.data()),
             static_cast<std::streamsize>(image.size()));

  EXPECT_FALSE(Open(folder_ / "cut.ZF2"));
  EXPECT_EQ(lines_, FileError("file has insufficient data (missing file embed info)."));
  EXPECT_TRUE(SameContent(*holder_.Loaded(), before));
  EXPECT_EQ(holder_.LoadedHeader()->dataChecksum, headerBefore.dataChecksum);
  EXPECT_FALSE(Open(folder_ / "absent.ZF1"));
  EXPECT_TRUE(SameContent(*holder_.Loaded(), before));
}

TEST_F(HolderState, BinaryAfterTextReplacesEverythingTheTextSetOwned) {
  // What a text read of a phase file leaves in the holder.
  auto text = FilledSet(FormatKind::Zef2, 2, 9);
  AddPhase(*text, FilterKind::FirWav);
  AddCabinetLists(*text);
  text->cabinet.dxfPath = "cabinet.dxf";
  holder_.Install(std::move(text));
  EXPECT_FALSE(holder_.LoadedHeader());

  auto plain = FilledSet(FormatKind::Zef2, 1);
  ASSERT_TRUE(Open(Write("plain.ZF2", *plain)));
  const model::DataSet& loaded = *holder_.Loaded();
  EXPECT_EQ(loaded.version, 1u);
  EXPECT_FALSE(loaded.phase);
  EXPECT_FALSE(loaded.filter);
  EXPECT_TRUE(loaded.cabinet.edges.empty());
  EXPECT_TRUE(loaded.cabinet.dxfPath.empty());
  EXPECT_TRUE(SameContent(loaded, *plain));
  EXPECT_TRUE(holder_.LoadedHeader());
}

}  // namespace
}  // namespace zef::binary
