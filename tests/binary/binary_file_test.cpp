#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "binary/binary_writer.h"
#include "binary_fixture.h"
#include "case_file.h"
#include "wav/wav_image.h"

namespace zef::binary {
namespace {

using namespace testing;
namespace fs = std::filesystem;

// ".ZF1" is looked for first, anywhere in the path, ignoring case.
TEST(BinaryFileName, ExtensionRuleAndReaderChoice) {
  for (const auto& c : zef::testing::ReadCases("binary/cases/names.txt")) {
    const char* const kinds[] = {"none", "ZF1", "ZF2"};
    EXPECT_EQ(WithExtension(c[0], ".ZF1").string() + " | " +
                  kinds[static_cast<int>(BinaryNameKind(c[0]))],
              c[1] + " | " + c[2])
        << c.where;
  }
}

TEST(BinaryFile, NameChoosesTheReaderAndTheFileIsFoundIgnoringCase) {
  const wav::testing::TempDir folder;
  std::string error;
  ASSERT_TRUE(
      WriteBinaryFile(folder.Path("third.zf2"), *FilledSet(model::FormatKind::Zef2), {}, error));
  model::LineSink sink;
  BinaryReadResult read = ReadBinaryFile(folder.Path("THIRD.ZF2"), sink);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(sink.Lines());
  EXPECT_EQ(read.set->kind, model::FormatKind::Zef2);
  EXPECT_EQ(read.set->sourcePath, folder.Path("third.zf2").string());

  fs::copy_file(folder.Path("third.zf2"), folder.Path("third.zf1"));
  fs::create_directories(folder.Path("dir.ZF2"));
  const auto openFailure = [&](const char* name) {
    return std::vector<std::string>{"Failed to open file:", "(" + folder.Path(name).string() + ")"};
  };
  const std::pair<fs::path, std::vector<std::string>> failures[] = {
      {folder.Path("missing.zf2"), openFailure("missing.ZF2")},
      // A ZEF2 binary under a ".ZF1" name is refused by its magic.
      {folder.Path("third.zf1"), FileError("not a ZEF1 binary distribution file")},
      // ".ZF1" first: the folder's extension picks the reader, the file's is replaced.
      {folder.Path("old.zf1/dir.zf2"), openFailure("old.zf1/dir.ZF1")},
      {folder.Path("dir.zf2"),
       {"Failed to open file:", "(" + folder.Path("dir.ZF2").string() + ")", "not a regular file"}},
      {"box.txt", {"** Not a ZEF binary file: box.txt"}}};
  for (const auto& [name, lines] : failures) {
    sink.Clear();
    EXPECT_FALSE(ReadBinaryFile(name, sink).set);
    EXPECT_EQ(sink.Lines(), lines);
  }

  EXPECT_FALSE(WriteBinaryFile(folder.Path("missing/box.ZF2"), *read.set, {}, error));
  EXPECT_EQ(error, "Cannot write " + folder.Path("missing/box.ZF2").string() +
                       ": No such file or directory");
}

}  // namespace
}  // namespace zef::binary
