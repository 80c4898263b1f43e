#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "binary/binary_writer.h"
#include "binary_fixture.h"

namespace zef::binary {
namespace {

using namespace testing;
namespace fs = std::filesystem;

fs::path Folder() {
  const fs::path folder = fs::temp_directory_path() / "zef-binary-file-test";
  fs::create_directories(folder);
  return folder;
}

void WriteSet(const fs::path& path, model::FormatKind kind) {
  std::string error;
  ASSERT_TRUE(WriteBinaryFile(path, *FilledSet(kind), {}, error)) << error;
}

TEST(BinaryFileName, ExtensionAfterTheLastFolderIsReplaced) {
  const struct {
    const char* name;
    const char* expected;
  } cases[] = {
      {"box.zf1", "box.ZF1"},
      {"data/box.dat", "data/box.ZF1"},
      {"C:\\old.x\\box", "C:\\old.x\\box.ZF1"},
      {"old.x/box", "old.x/box.ZF1"},
      {"box.tar.zf2", "box.tar.ZF1"},
      {"box", "box.ZF1"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithExtension(c.name, ".ZF1").string(), c.expected);
}

TEST(BinaryFileName, ZefOneIsLookedForFirstAnywhereInThePathIgnoringCase) {
  EXPECT_EQ(BinaryNameKind("a/box.zf2"), BinaryName::Zef2);
  EXPECT_EQ(BinaryNameKind("a/box.Zf1"), BinaryName::Zef1);
  EXPECT_EQ(BinaryNameKind("old.zf1/new.zf2"), BinaryName::Zef1);
  EXPECT_EQ(BinaryNameKind("a.zf2/box.txt"), BinaryName::Zef2);
  EXPECT_EQ(BinaryNameKind("box.zf"), BinaryName::None);
  EXPECT_EQ(BinaryNameKind("boxzf1"), BinaryName::None);
}

TEST(BinaryFile, ReaderIsChosenByNameAndTheExtensionRuleNamesTheFileOpened) {
  const fs::path folder = Folder();
  WriteSet(folder / "octave.ZF1", model::FormatKind::Zef1);
  WriteSet(folder / "third.zf2", model::FormatKind::Zef2);
  model::LineSink sink;

  // Files named in any case are found: Windows writers mix them.
  BinaryReadResult read = ReadBinaryFile(folder / "octave.zf1", sink);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(sink.Lines());
  EXPECT_EQ(read.set->kind, model::FormatKind::Zef1);
  EXPECT_EQ(read.set->sourcePath, (folder / "octave.ZF1").string());
  read = ReadBinaryFile(folder / "THIRD.ZF2", sink);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(sink.Lines());
  EXPECT_EQ(read.set->kind, model::FormatKind::Zef2);
  EXPECT_EQ(read.set->sourcePath, (folder / "third.zf2").string());
  // The reader of a kind opens the chosen name with its own extension.
  read = ReadZf1File(folder / "octave.dat", sink);
  EXPECT_TRUE(read.set);
  EXPECT_TRUE(sink.Lines().empty());

  // A ZEF2 binary under a ".ZF1" name is refused by its magic.
  fs::copy_file(folder / "third.zf2", folder / "third.zf1", fs::copy_options::overwrite_existing);
  read = ReadBinaryFile(folder / "third.zf1", sink);
  EXPECT_FALSE(read.set);
  EXPECT_EQ(sink.Lines(), FileError("not a ZEF1 binary distribution file"));
}

TEST(BinaryFile, NamesThatCannotBeReadGiveTheirLines) {
  const fs::path folder = Folder();
  model::LineSink sink;
  EXPECT_FALSE(ReadBinaryFile(folder / "missing.zf2", sink).set);
  EXPECT_EQ(sink.Lines(),
            (std::vector<std::string>{"Failed to open file:",
                                      "(" + (folder / "missing.ZF2").string() + ")"}));
  sink.Clear();
  // ".ZF1" first: the folder's extension picks the reader, the file's is replaced.
  EXPECT_FALSE(ReadBinaryFile(folder / "old.zf1" / "new.zf2", sink).set);
  EXPECT_EQ(sink.Lines().at(1), "(" + (folder / "old.zf1" / "new.ZF1").string() + ")");
  sink.Clear();
  // A folder is no file.
  fs::create_directories(folder / "dir.ZF2");
  EXPECT_FALSE(ReadZf2File(folder / "dir.zf2", sink).set);
  EXPECT_EQ(sink.Lines().at(0), "Failed to open file:");
  sink.Clear();
  EXPECT_FALSE(ReadBinaryFile("box.txt", sink).set);
  EXPECT_EQ(sink.Lines(), (std::vector<std::string>{"** Not a ZEF binary file: box.txt"}));
}

}  // namespace
}  // namespace zef::binary
