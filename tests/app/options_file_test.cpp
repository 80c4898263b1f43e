#include "app/options_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <vector>

#include "case_file.h"
#include "wav/wav_image.h"

namespace zef::app {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Bytes from words: "4:N" a 4-byte number, "2:N" and "1:N" likewise, "magic",
// "face:TEXT" its characters ("_" a space, "x*3" "xxx"), "pad:N" zeros up to
// N bytes in all.
Bytes Made(const std::string& spec) {
  Bytes b;
  std::istringstream words(spec);
  for (std::string w; words >> w;) {
    if (w.starts_with("face:")) {
      std::string face = w.substr(5);
      if (const auto star = face.find('*'); star != std::string::npos) {
        face = std::string(std::stoul(face.substr(star + 1)), face[0]);
      }
      std::replace(face.begin(), face.end(), '_', ' ');
      b.insert(b.end(), face.begin(), face.end());
    } else if (w.starts_with("pad:")) {
      b.resize(std::stoul(w.substr(4)), 0);
    } else {
      const std::uint32_t v = w == "magic"
                                  ? kOptionsMagic
                                  : static_cast<std::uint32_t>(std::stoul(w.substr(2), nullptr, 0));
      for (int byte = 0; byte < (w == "magic" ? 4 : w[0] - '0'); ++byte)
        b.push_back(static_cast<std::uint8_t>(v >> 8 * byte));
    }
  }
  return b;
}

std::string Read(const StoredOptions& o) {
  std::ostringstream out;
  out << std::hex << std::showbase << o.options.Bits() << std::dec << " " << o.words[0] << " "
      << o.words[1] << " " << o.words[2] << " " << o.fontFace << " " << o.fontSize << " "
      << int{o.graphicsFont};
  return out.str();
}

TEST(OptionsFile, DecodesEveryVersionAndRefusesDamage) {
  for (const zef::testing::Case& c : zef::testing::ReadCases("app/cases/options_files.txt")) {
    StoredOptions out;
    out.words[0] = 99;  // a failed decode must leave it
    EXPECT_EQ(DecodeOptions(Made(c[0]), out) ? Read(out) : "refused " + Read(out), c[1]) << c.where;
  }
}

TEST(OptionsFile, WritesNinetyOneBytesThatReadBack) {
  const StoredOptions options{graphs::OptionSet(0x1234), {1, 0xFFFFFFFF, 3}, "DejaVu Sans", 11, 1};
  EXPECT_EQ(EncodeOptions(options),
            Made("magic 4:3 4:0x1234 4:1 4:0xFFFFFFFF 4:3 face:DejaVu_Sans pad:88 2:11 1:1"));
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
