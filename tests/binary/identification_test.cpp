#include <gtest/gtest.h>

#include "binary/binary_writer.h"
#include "binary_fixture.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::FormatKind;

constexpr FormatKind kZ1 = FormatKind::Zef1;
constexpr FormatKind kZ2 = FormatKind::Zef2;

TEST(BinaryIdentification, MagicVersionAndDraftDecideBeforeAnyRecord) {
  const struct {
    FormatKind reader, written;
    std::uint32_t writtenVersion, version, draft;  // version and draft put into the header
    const char* message;                           // empty: the file reads
  } cases[] = {
      {kZ1, kZ2, 2, 2, 0, "not a ZEF1 binary distribution file"},
      {kZ1, kZ1, 1, 2, 0, "unknown version"},
      {kZ1, kZ1, 1, 0, 1, "unknown version"},
      {kZ1, kZ1, 1, 1, 1, "Draft v1 binary distribution files are no longer read."},
      {kZ2, kZ1, 1, 1, 0, "not a ZEF2 distribution binary file"},
      {kZ2, kZ2, 1, 1, 0, ""},
      {kZ2, kZ2, 2, 2, 0, ""},
      {kZ2, kZ2, 1, 1, 2, "Draft v1 distribution binary files are no longer read."},
      {kZ2, kZ2, 2, 2, 1, "Draft v2 distribution binary files are no longer read."},
      {kZ2, kZ2, 2, 3, 1, "unknown version"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "version " << c.version << " draft " << c.draft);
    Image image = BuildBinaryImage(*FilledSet(c.written, c.writtenVersion));
    PutU32(image, 4, c.version);
    PutU32(image, 8, c.draft);
    const ReadBack read = ReadImage(c.reader, image);
    EXPECT_EQ(read.set != nullptr, *c.message == '\0');
    EXPECT_EQ(read.lines, *c.message ? FileError(c.message) : std::vector<std::string>{});
  }
}

TEST(BinaryIdentification, ChecksumsGuardTheRecords) {
  Image image;
  // Info bytes outside the text fields, and data bytes.
  for (const std::size_t offset : {kInfoOffset + 1544, kDataOffset + 400}) {
    image = BuildBinaryImage(*FilledSet(kZ2, 2));
    image[offset] ^= std::byte{1};
    EXPECT_EQ(ReadImage(kZ2, image).lines, FileError("corrupt file"));
  }
  // A stored 0 skips the data checksum, but only in version 2.
  PutU32(image, 28, 0);
  EXPECT_TRUE(ReadImage(kZ2, image).set);
  image = BuildBinaryImage(*FilledSet(kZ2, 1));
  PutU32(image, 28, 0);
  EXPECT_EQ(ReadImage(kZ2, image).lines, FileError("corrupt file"));
}

TEST(BinaryIdentification, LowestBandIsRaisedAndARangeOutsideTheArraysIsCorrupt) {
  const struct {
    FormatKind kind;
    std::uint32_t minBand, maxBand;
    std::uint32_t readMin;  // 0: corrupt
  } cases[] = {{kZ1, 0, 9, 1},  {kZ1, 2, 9, 2},  {kZ2, 2, 29, 3}, {kZ2, 4, 29, 4},
               {kZ1, 1, 10, 0}, {kZ2, 3, 30, 0}, {kZ1, 5, 4, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.minBand << ".." << c.maxBand);
    Image image = BuildBinaryImage(*FilledSet(c.kind));
    PutU32(image, kDataOffset, c.minBand);
    PutU32(image, kDataOffset + 4, c.maxBand);
    ResealChecksums(image, c.kind);
    const ReadBack read = ReadImage(c.kind, image);
    if (c.readMin == 0) {
      EXPECT_EQ(read.lines, FileError("corrupt file"));
    } else {
      ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
      EXPECT_EQ(read.set->data.MinBand(), c.readMin);
    }
  }
}

}  // namespace
}  // namespace zef::binary
