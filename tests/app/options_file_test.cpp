#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "app/options_file.h"
#include "wav/wav_image.h"

namespace zef::app {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& b, std::uint32_t v) {
  for (int s = 0; s < 32; s += 8) b.push_back(static_cast<std::uint8_t>(v >> s));
}

// magic, version, option set 0x1234, then the first `count` of the words.
Bytes File(std::uint32_t version, int count, std::uint32_t magic = kOptionsMagic,
           std::array<std::uint32_t, 3> words = {7, 8, 9}) {
  Bytes b;
  Put(b, magic);
  Put(b, version);
  Put(b, 0x1234);
  for (int w = 0; w < count; ++w) Put(b, words[w]);
  return b;
}

Bytes Version3(std::string_view face, std::uint16_t size, std::uint8_t graphics,
               std::array<std::uint32_t, 3> words = {7, 8, 9}) {
  Bytes b = File(3, 3, kOptionsMagic, words);
  b.insert(b.end(), face.begin(), face.end());
  b.resize(88, 0);
  b.push_back(static_cast<std::uint8_t>(size));
  b.push_back(static_cast<std::uint8_t>(size >> 8));
  b.push_back(graphics);
  return b;
}

StoredOptions With(std::array<std::uint32_t, 3> words, std::string face = "Arial",
                   std::uint16_t size = 10, std::uint8_t graphics = 0) {
  return {graphs::OptionSet(0x1234), words, std::move(face), size, graphics};
}

TEST(OptionsFile, DecodesEveryVersionAndRefusesDamage) {
  // What, the bytes, and what they read to; none: refused, defaults stay.
  const std::tuple<const char*, Bytes, std::optional<StoredOptions>> cases[] = {
      {"version 1: word 3 and the fonts default", File(1, 2), With({7, 8, 0})},
      {"version 2: fonts default", File(2, 3), With({7, 8, 9})},
      {"version 3", Version3("Liberation Sans", 12, 2), With({7, 8, 9}, "Liberation Sans", 12, 2)},
      {"face without its end keeps 63", Version3(std::string(64, 'x'), 9, 1),
       With({7, 8, 9}, std::string(63, 'x'), 9, 1)},
      {"damaged sizes keep the defaults", Version3("F", 0, 7), With({7, 8, 9}, "F")},
      {"font size beyond 72 is damage", Version3("F", 400, 1), With({7, 8, 9}, "F", 10, 1)},
      {"wrong magic", File(3, 3, 0x00ABD497), std::nullopt},
      {"version 4", File(4, 3), std::nullopt},
      {"version 0", File(0, 3), std::nullopt},
      {"empty", Bytes{}, std::nullopt},
      {"only the header", File(1, 0), std::nullopt},
      {"version 1 cut short", File(1, 1), std::nullopt},
      {"version 3 without its fonts", File(3, 3), std::nullopt},
  };
  for (const auto& [what, bytes, read] : cases) {
    StoredOptions out;
    out.words[0] = 99;  // a failed decode must leave it
    const bool ok = DecodeOptions(bytes, out);
    EXPECT_EQ(ok ? std::optional(out) : std::nullopt, read) << what;
    EXPECT_EQ(out.words[0], read ? read->words[0] : 99u) << what;
  }
}

TEST(OptionsFile, WritesNinetyOneBytesThatReadBack) {
  const StoredOptions options = With({1, 0xFFFFFFFF, 3}, "DejaVu Sans", 11, 1);
  const Bytes bytes = EncodeOptions(options);
  EXPECT_EQ(bytes, Version3("DejaVu Sans", 11, 1, {1, 0xFFFFFFFF, 3}));
  EXPECT_EQ(bytes.size(), 91u);

  wav::testing::TempDir dir;
  const auto path = dir.Path(kOptionsFileName);
  ASSERT_TRUE(SaveOptionsFile(path, options));
  StoredOptions read;
  ASSERT_TRUE(LoadOptionsFile(path, read));
  EXPECT_EQ(read, options);
  EXPECT_FALSE(LoadOptionsFile(dir.Path("missing.DAT"), read));
  // Neither a pipe (which would never deliver) nor a device is read.
  ASSERT_EQ(::mkfifo(dir.Path("pipe.DAT").c_str(), 0600), 0);
  EXPECT_FALSE(LoadOptionsFile(dir.Path("pipe.DAT"), read));
  EXPECT_FALSE(LoadOptionsFile("/dev/zero", read));
  EXPECT_EQ(read, options);
  EXPECT_FALSE(SaveOptionsFile(dir.Path("no") / "such" / "x.DAT", options));
}

}  // namespace
}  // namespace zef::app
