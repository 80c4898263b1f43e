#include <gtest/gtest.h>

#include <string>

#include "binary_fixture.h"
#include "model/fixed_text.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::FilterKind;
using model::FormatKind;

const std::string kMissingEmbed = "file has insufficient data (missing file embed info).";

// A version-2 set with phase data, cut where its filter begins.
Image UpToFilter() {
  auto set = FilledSet(FormatKind::Zef2, 2);
  AddPhase(*set, FilterKind::None);
  Image image = RecordsOnly(*set);
  image.resize(image.size() - 4);
  return image;
}

TEST(Version2Extension, WithoutPhaseFlagEmbeddedFilesFollowTheSystemPart) {
  auto set = FilledSet(FormatKind::Zef2, 2);
  Image image = RecordsOnly(*set);
  ASSERT_EQ(image.size(), kPhaseOffset);
  AppendU32s(image, {0, 0});
  const ReadBack read = ReadImage(FormatKind::Zef2, image);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  EXPECT_FALSE(read.set->phase);
  EXPECT_FALSE(read.set->filter);
  EXPECT_EQ(model::TextOf(read.set->systemPart.partText), "low section");
  EXPECT_EQ(read.set->systemPart.parts, 2u);
}

TEST(Version2Extension, VersionOneFileHasNoExtension) {
  auto set = FilledSet(FormatKind::Zef2, 1);
  set->info->presenceFlags |= model::presence::kPhaseData;  // ignored without version 2
  Image image = RecordsOnly(*set);
  ASSERT_EQ(image.size(), kZef2ExtensionOffset);
  AppendU32s(image, {0, 0});
  const ReadBack read = ReadImage(FormatKind::Zef2, image);
  ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
  EXPECT_FALSE(read.set->phase);
  EXPECT_EQ(read.set->systemPart.parts, 0u);
}

TEST(Version2Extension, FilterKindDecidesWhatFollowsIt) {
  struct Case {
    std::uint32_t kind;
    std::size_t bytesAfterKind;
  };
  for (const Case c : {Case{0, 0}, Case{3, 0}, Case{9, 0}, Case{1, 240}, Case{2, 8 + 12}}) {
    SCOPED_TRACE(c.kind);
    Image image = UpToFilter();
    AppendU32s(image, {c.kind});
    if (c.kind == 2) AppendU32s(image, {3, 44100});
    if (c.kind == 2) AppendFloats(image, {0.5f, 0.25f, -1});
    if (c.kind == 1) image.resize(image.size() + 240);
    AppendU32s(image, {0, 0});
    const ReadBack read = ReadImage(FormatKind::Zef2, image);
    ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
    ASSERT_TRUE(read.set->phase);
    ASSERT_TRUE(read.set->filter);
    EXPECT_EQ(static_cast<std::uint32_t>(read.set->filter->kind), c.kind);
    EXPECT_EQ(read.set->filter->real.size(), c.kind == 1 ? 30u : 0u);
    EXPECT_EQ(read.set->filter->imag.size(), c.kind == 1 ? 30u : 0u);
    if (c.kind == 2) {
      EXPECT_EQ(read.set->filter->taps, (std::vector<float>{0.5f, 0.25f, -1}));
      EXPECT_EQ(read.set->filter->sampleRate, 44100u);
    }
  }
}

TEST(Version2Extension, PartsTheFileCannotHoldFailAsMissingEmbedInfo) {
  std::vector<Image> images;
  auto set = FilledSet(FormatKind::Zef2, 2);
  Image shortSystem = RecordsOnly(*set);
  shortSystem.resize(kZef2ExtensionOffset + 100);
  images.push_back(shortSystem);

  AddPhase(*set, FilterKind::None);
  Image shortPhase = RecordsOnly(*set);
  shortPhase.resize(kPhaseOffset + 1000);
  images.push_back(shortPhase);

  images.push_back(UpToFilter());  // no filter kind

  Image hugeFir = UpToFilter();
  AppendU32s(hugeFir, {2, 0xFFFFFFFF, 48000, 0, 0});
  images.push_back(hugeFir);

  Image longerFir = UpToFilter();
  AppendU32s(longerFir, {2, 3, 48000, 0, 0});  // two of three samples, no end entry
  images.push_back(longerFir);

  Image shortComplex = UpToFilter();
  AppendU32s(shortComplex, {1});
  shortComplex.resize(shortComplex.size() + 200);
  images.push_back(shortComplex);

  for (std::size_t i = 0; i < images.size(); ++i) {
    SCOPED_TRACE(i);
    const ReadBack read = ReadImage(FormatKind::Zef2, images[i]);
    EXPECT_FALSE(read.set);
    EXPECT_EQ(read.lines, FileError(kMissingEmbed));
  }
}

}  // namespace
}  // namespace zef::binary
