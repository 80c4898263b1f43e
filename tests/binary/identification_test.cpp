#include <gtest/gtest.h>

#include "binary_fixture.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::FormatKind;

struct HeaderCase {
  FormatKind reader;
  FormatKind written;
  std::uint32_t writtenVersion;
  std::uint32_t version;  // put into the header
  std::uint32_t draft;
  const char* message;  // empty: the file reads
};

TEST(BinaryIdentification, MagicVersionAndDraftDecideBeforeAnyRecord) {
  const HeaderCase cases[] = {
      {FormatKind::Zef1, FormatKind::Zef1, 1, 1, 0, ""},
      {FormatKind::Zef1, FormatKind::Zef2, 2, 2, 0, "not a ZEF1 binary distribution file"},
      {FormatKind::Zef1, FormatKind::Zef1, 1, 2, 0, "unknown version"},
      {FormatKind::Zef1, FormatKind::Zef1, 1, 2, 1, "unknown version"},
      {FormatKind::Zef1, FormatKind::Zef1, 1, 0, 0, "unknown version"},
      {FormatKind::Zef1, FormatKind::Zef1, 1, 1, 1,
       "Draft v1 binary distribution files are no longer read."},
      {FormatKind::Zef2, FormatKind::Zef1, 1, 1, 0, "not a ZEF2 distribution binary file"},
      {FormatKind::Zef2, FormatKind::Zef2, 1, 1, 0, ""},
      {FormatKind::Zef2, FormatKind::Zef2, 2, 2, 0, ""},
      {FormatKind::Zef2, FormatKind::Zef2, 1, 1, 2,
       "Draft v1 distribution binary files are no longer read."},
      {FormatKind::Zef2, FormatKind::Zef2, 2, 2, 1,
       "Draft v2 distribution binary files are no longer read."},
      {FormatKind::Zef2, FormatKind::Zef2, 2, 3, 0, "unknown version"},
      {FormatKind::Zef2, FormatKind::Zef2, 2, 3, 1, "unknown version"},
  };
  for (const HeaderCase& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "version " << c.version << " draft " << c.draft << " " << c.message);
    Image image = WrittenImage(*FilledSet(c.written, c.writtenVersion));
    PutU32(image, 4, c.version);
    PutU32(image, 8, c.draft);
    const ReadBack read = ReadImage(c.reader, image);
    if (std::string(c.message).empty()) {
      EXPECT_TRUE(read.set);
      EXPECT_TRUE(read.lines.empty());
    } else {
      EXPECT_FALSE(read.set);
      EXPECT_EQ(read.lines, FileError(c.message));
    }
  }
}

TEST(BinaryIdentification, ShortFilesFailWithInsufficientData) {
  for (const FormatKind kind : {FormatKind::Zef1, FormatKind::Zef2}) {
    const Image whole = WrittenImage(*FilledSet(kind));
    // Empty, inside the header, inside the info record, inside the data record.
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{51}, kDataOffset - 1, whole.size() - 9}) {
      SCOPED_TRACE(size);
      const Image cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
      const ReadBack read = ReadImage(kind, cut);
      EXPECT_FALSE(read.set);
      EXPECT_EQ(read.lines, FileError("file has insufficient data"));
    }
  }
}

TEST(BinaryIdentification, TextChecksumGuardsTheTextFields) {
  Image image = WrittenImage(*FilledSet(FormatKind::Zef1));
  image[kInfoOffset + 260] = std::byte{'b'};  // first letter of the model name
  EXPECT_EQ(ReadImage(FormatKind::Zef1, image).lines,
            FileError("file not a valid ZEF distribution binary"));
}

TEST(BinaryIdentification, DataChecksumGuardsBothRecords) {
  for (const std::size_t offset : {kInfoOffset + 1544, kDataOffset + 400}) {
    Image image = WrittenImage(*FilledSet(FormatKind::Zef2, 2));
    image[offset] ^= std::byte{1};
    EXPECT_EQ(ReadImage(FormatKind::Zef2, image).lines, FileError("corrupt file"));
  }
}

TEST(BinaryIdentification, StoredZeroSkipsTheDataChecksumOnlyInVersionTwo) {
  Image v2 = WrittenImage(*FilledSet(FormatKind::Zef2, 2));
  v2[kDataOffset + 400] ^= std::byte{1};
  PutU32(v2, 28, 0);
  EXPECT_TRUE(ReadImage(FormatKind::Zef2, v2).set);

  for (const FormatKind kind : {FormatKind::Zef1, FormatKind::Zef2}) {
    Image v1 = WrittenImage(*FilledSet(kind, 1));
    PutU32(v1, 28, 0);
    EXPECT_EQ(ReadImage(kind, v1).lines, FileError("corrupt file"));
  }
}

TEST(BinaryIdentification, LowestBandIsRaisedToTheKindsFirstBand) {
  struct Case {
    FormatKind kind;
    std::uint32_t stored;
    std::uint32_t read;
  };
  for (const Case c :
       {Case{FormatKind::Zef1, 0, 1}, Case{FormatKind::Zef1, 2, 2}, Case{FormatKind::Zef2, 0, 3},
        Case{FormatKind::Zef2, 1, 3}, Case{FormatKind::Zef2, 2, 3}, Case{FormatKind::Zef2, 4, 4}}) {
    Image image = WrittenImage(*FilledSet(c.kind));
    PutU32(image, kDataOffset, c.stored);
    ResealChecksums(image, c.kind);
    const ReadBack read = ReadImage(c.kind, image);
    ASSERT_TRUE(read.set);
    EXPECT_EQ(read.set->data.MinBand(), c.read);
  }
}

TEST(BinaryIdentification, BandRangeOutsideTheArraysIsCorrupt) {
  struct Case {
    FormatKind kind;
    std::uint32_t minBand;
    std::uint32_t maxBand;
  };
  for (const Case c : {Case{FormatKind::Zef1, 1, 10}, Case{FormatKind::Zef2, 3, 30},
                       Case{FormatKind::Zef2, 3, 0xFFFFFFFF}, Case{FormatKind::Zef1, 5, 4}}) {
    Image image = WrittenImage(*FilledSet(c.kind));
    PutU32(image, kDataOffset, c.minBand);
    PutU32(image, kDataOffset + 4, c.maxBand);
    ResealChecksums(image, c.kind);
    EXPECT_EQ(ReadImage(c.kind, image).lines, FileError("corrupt file"));
  }
}

}  // namespace
}  // namespace zef::binary
