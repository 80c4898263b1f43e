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

// ".ZF1" is looked for first, anywhere in the path, ignoring case; the file is
// found ignoring case.
TEST(BinaryFile, NameChoosesTheReaderAndTheFileIsFoundIgnoringCase) {
  const wav::testing::TempDir folder;
  std::string error;
  const auto set = FilledSet(model::FormatKind::Zef2);
  ASSERT_TRUE(WriteBinaryFile(folder.Path("third.zf2"), *set, {}, error));
  fs::copy_file(folder.Path("third.zf2"), folder.Path("third.zf1"));
  fs::create_directories(folder.Path("dir.ZF2"));
  const std::string root = folder.Path("").string();
  for (const auto& c : zef::testing::ReadCases("binary/cases/names.txt")) {
    model::LineSink sink;
    BinaryReadResult read = ReadBinaryFile(folder.Path(c[0]), sink);
    const char* const kinds[] = {"none", "ZF1", "ZF2"};
    std::string got = WithExtension(c[0], ".ZF1").string() + " | " +
                      kinds[static_cast<int>(BinaryNameKind(c[0]))] + " | " +
                      (read.set ? read.set->sourcePath + ", " : "");
    got += Summary({std::move(read.set), read.header, sink.Lines()});
    for (std::size_t at; (at = got.find(root)) != std::string::npos;)
      got.replace(at, root.size(), "$D/");
    EXPECT_EQ(got, c[1] + " | " + c[2] + " | " + c[3]) << c.where;
  }
  EXPECT_FALSE(WriteBinaryFile(folder.Path("missing/box.ZF2"), *set, {}, error));
  EXPECT_EQ(error, "Cannot write " + folder.Path("missing/box.ZF2").string() +
                       ": No such file or directory");
}

}  // namespace
}  // namespace zef::binary
