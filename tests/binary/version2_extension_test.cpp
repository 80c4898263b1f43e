#include <gtest/gtest.h>

#include <string>

#include "binary_fixture.h"
#include "model/fixed_text.h"

namespace zef::binary {
namespace {

using namespace testing;
using model::FilterKind;
using model::FormatKind;

// A version-2 set with phase data, cut where its filter begins.
Image UpToFilter() {
  auto set = FilledSet(FormatKind::Zef2, 2);
  AddPhase(*set, FilterKind::None);
  Image image = RecordsOnly(*set);
  image.resize(image.size() - 4);
  return image;
}

TEST(Version2Extension, SystemPartOnlyInVersionTwoAndPhaseOnlyWithItsFlag) {
  for (const std::uint32_t version : {1u, 2u}) {
    auto set = FilledSet(FormatKind::Zef2, version);
    // Version 1 ignores the phase flag; the version-2 set has none.
    if (version == 1) set->info->presenceFlags |= model::presence::kPhaseData;
    Image image = RecordsOnly(*set);
    ASSERT_EQ(image.size(), version == 1 ? kZef2ExtensionOffset : kPhaseOffset);
    AppendU32s(image, {0, 0});
    const ReadBack read = ReadImage(FormatKind::Zef2, image);
    ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
    EXPECT_FALSE(read.set->phase);
    EXPECT_EQ(model::TextOf(read.set->systemPart.partText), version == 1 ? "" : "low section");
  }
}

TEST(Version2Extension, FilterKindDecidesWhatFollowsIt) {
  for (const std::uint32_t kind : {9u, 1u, 2u}) {
    SCOPED_TRACE(kind);
    Image image = UpToFilter();
    AppendU32s(image, {kind});
    if (kind == 1) image.resize(image.size() + 240);
    if (kind == 2) AppendU32s(image, {3, 44100});
    if (kind == 2) AppendFloats(image, {0.5f, 0.25f, -1});
    AppendU32s(image, {0, 0});
    const ReadBack read = ReadImage(FormatKind::Zef2, image);
    ASSERT_TRUE(read.set) << ::testing::PrintToString(read.lines);
    ASSERT_TRUE(read.set->phase && read.set->filter);
    const model::FilterDescriptor& filter = *read.set->filter;
    EXPECT_EQ(static_cast<std::uint32_t>(filter.kind), kind);
    EXPECT_EQ(filter.real.size() + filter.imag.size(), kind == 1 ? 60u : 0u);
    EXPECT_EQ(filter.taps,
              (kind == 2 ? std::vector<float>{0.5f, 0.25f, -1} : std::vector<float>{}));
    EXPECT_EQ(filter.sampleRate, kind == 2 ? 44100u : 0u);
  }
}

TEST(Version2Extension, PartsTheFileCannotHoldFailAsMissingEmbedInfo) {
  const Image records = UpToFilter();
  std::vector<Image> images;
  for (const std::size_t size : {kZef2ExtensionOffset + 100, kPhaseOffset + 1000, records.size()}) {
    images.emplace_back(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(size));
  }
  for (const auto words : {std::initializer_list<std::uint32_t>{2, 0xFFFFFFFF, 48000, 0, 0},
                           {2, 3, 48000, 0, 0},  // two of three taps, no end entry
                           {1, 0, 0, 0}}) {
    images.push_back(records);
    AppendU32s(images.back(), words);
  }
  for (const Image& image : images) {
    SCOPED_TRACE(image.size());
    const ReadBack read = ReadImage(FormatKind::Zef2, image);
    EXPECT_FALSE(read.set);
    EXPECT_EQ(read.lines, FileError("file has insufficient data (missing file embed info)."));
  }
}

}  // namespace
}  // namespace zef::binary
