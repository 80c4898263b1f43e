#include <gtest/gtest.h>

#include <random>
#include <span>
#include <string>
#include <vector>

#include "binary/binary_writer.h"
#include "binary_fixture.h"
#include "model/byte_mutations.h"
#include "model/random_set.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::FormatKind;
using model::testing::ByteMutations;
using model::testing::RandomSets;
using model::testing::StoredDifferences;

// A ZF1 and a ZF2 version-2 binary with every optional part: phase block, FIR
// filter, embedded files and all three cabinet lists.
std::vector<Described> FullImages() {
  std::vector<Described> images;
  images.push_back(Describe("zf1 files=text lists"));
  images.push_back(Describe("zf2v2 phase=fir files=text lists"));
  return images;
}

std::size_t RecordsEnd(FormatKind kind) {
  return kind == FormatKind::Zef1 ? kZef1SectionsOffset : kZef2ExtensionOffset;
}

TEST(BinaryProperty, RandomSetsReadBackAsWritten) {
  RandomSets sets(20240602);
  std::mt19937 random(5);
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE("set " + std::to_string(i));
    model::DataSet set = sets.Next();
    // Files of any size and content travel inside a binary.
    std::vector<std::uint8_t> bytes(random() % 300);
    for (std::uint8_t& b : bytes) b = static_cast<std::uint8_t>(random());
    set.cabinet.infoFile = {i % 2 ? model::EmbeddedKind::Pdf : model::EmbeddedKind::Text, bytes};
    if (i % 3 == 0) set.cabinet.dxfFile = {model::EmbeddedKind::Dxf, bytes};
    const ReadBack read = ReadImage(set.kind, BuildBinaryImage(set));
    ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
    EXPECT_TRUE(read.lines.empty());
    EXPECT_EQ(StoredDifferences(*read.set, set), "");
  }
}

// Every cut inside the header and the sections, and a dense sample inside the
// large records, fails with one "File error:" line; only the whole file reads.
// Damage anywhere, with the checksums left as they were or made right again (so
// the damage reaches the sections), gives a set or exactly one such line.
TEST(BinaryProperty, CutOrDamagedBinariesGiveASetOrOneMessage) {
  ByteMutations mutations(31);
  for (const auto& [kind, set, image] : FullImages()) {
    SCOPED_TRACE(kind == FormatKind::Zef1 ? "ZF1" : "ZF2");
    const std::size_t sectionsStart = image.size() - 300;  // embedded files and cabinet lists
    // About a hundred cuts through the records; each byte of the ZF1 sections, each
    // seventh of the far larger ZF2 file's (a prime step meets every field alignment).
    const std::size_t recordStep = image.size() / 101;
    const std::size_t sectionStep = kind == FormatKind::Zef1 ? 1 : 7;
    std::vector<Image> images;
    for (std::size_t cut = 0; cut < image.size(); cut += cut < sizeof(BinaryHeader) ? 1
                                                         : cut >= sectionsStart     ? sectionStep
                                                                                    : recordStep)
      images.emplace_back(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(cut));
    const std::size_t cuts = images.size();
    for (int i = 0; i < (kind == FormatKind::Zef1 ? 300 : 40); ++i) {
      images.push_back(mutations.Mutated(image));
      if (i % 2 == 1 && images.back().size() >= RecordsEnd(kind))
        ResealChecksums(images.back(), kind);
    }
    for (const Image& damaged : images) {
      const ReadBack read = ReadImage(kind, damaged);
      const bool cut = &damaged - images.data() < static_cast<std::ptrdiff_t>(cuts);
      ASSERT_EQ(read.lines.size(), read.set ? 0u : 1u) << damaged.size();
      ASSERT_TRUE(read.set ? !cut : read.lines[0].starts_with("File error:"))
          << ::testing::PrintToString(read.lines);
      if (cut && damaged.size() < RecordsEnd(kind)) {
        ASSERT_EQ(read.lines, FileError("file has insufficient data")) << damaged.size();
      }
      if (!read.set) continue;
      ASSERT_LE(read.set->data.MinBand(), read.set->data.MaxBand());
      ASSERT_LT(read.set->data.MaxBand(), static_cast<std::uint32_t>(read.set->GetGrid().bands));
    }
    EXPECT_TRUE(ReadImage(kind, image).set);
  }
}

// A changed byte in the info record is caught by one of the two checksums, in
// the data record by the data checksum, whatever the new value.
TEST(BinaryProperty, ChangedRecordByteIsCaughtByAChecksum) {
  const std::vector<std::string> textCaught = FileError("file not a valid ZEF distribution binary");
  const std::vector<std::string> dataCaught = FileError("corrupt file");
  std::mt19937 random(17);
  for (auto& [kind, set, image] : FullImages()) {
    SCOPED_TRACE(kind == FormatKind::Zef1 ? "ZF1" : "ZF2");
    const std::size_t recordsEnd = RecordsEnd(kind);
    const std::size_t dataStep = (recordsEnd - kDataOffset) / 61;
    for (std::size_t at = kInfoOffset; at < recordsEnd; at += at < kDataOffset ? 53 : dataStep) {
      const auto change = static_cast<std::byte>(1 + random() % 255);
      image[at] ^= change;
      const std::vector<std::string> lines = ReadImage(kind, image).lines;
      image[at] ^= change;
      if (at >= kDataOffset) {
        ASSERT_EQ(lines, dataCaught) << "byte " << at;
      } else {
        ASSERT_TRUE(lines == textCaught || lines == dataCaught) << "byte " << at;
      }
    }
    image[kInfoOffset + offsetof(model::InfoRecord, modelName)] = std::byte{'b'};
    EXPECT_EQ(ReadImage(kind, image).lines, textCaught);
  }
}

}  // namespace
}  // namespace zef::binary
