#pragma once

#include <stdlib.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ranges>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// WAV file images built byte by byte, and a scratch folder to put them (or any
// file a data file names) in. Header-only so the text reader's tests can use it.
namespace zef::wav::testing {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kTagPcm = 1;
constexpr std::uint16_t kTagFloat = 3;
constexpr std::uint16_t kTagExtensible = 0xFFFE;

inline void AppendLe(Bytes& bytes, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Little-endian integers of `width` bytes each.
inline Bytes Le(int width, std::initializer_list<std::int32_t> values) {
  Bytes bytes;
  for (const std::int32_t v : values) AppendLe(bytes, static_cast<std::uint32_t>(v), width);
  return bytes;
}

inline Bytes LeFloat(std::initializer_list<float> values) {
  Bytes bytes;
  for (const float v : values) AppendLe(bytes, std::bit_cast<std::uint32_t>(v), 4);
  return bytes;
}

inline std::int32_t RampSample(std::uint32_t i) {
  return static_cast<std::int32_t>(i * 2311 % 65536) - 32768;
}

// An image from blank-separated tokens, for the case files:
//   ID, ID@SIZE   a chunk ("fmt_" for "fmt "), SIZE its declared size if not its own; a
//                 chunk is padded to an even size unless its size is declared (a cut file)
//   F:tag,channels,rate,bits[,blockAlign[,validBits[,subFormat]]]   a "fmt " body
//                 (block alignment channels * bits / 8 when not given)
//   iW:v,v,...    little-endian integers of W bytes      f:v,v,...   floats
//   ramp:count,width,scale   RampSample(0...) times scale, each of width bytes
//   N*XX          N bytes of hex value XX                cut=N       the body cut to N bytes
//   t:TEXT        the bytes of TEXT
//   riff=N, form=XXXX   the RIFF size and form type      raw   no RIFF form, only the bytes
inline Bytes ImageOf(const std::string& description) {
  struct Chunk {
    std::string id;
    Bytes body;
    std::optional<std::uint32_t> size;
  };
  constexpr std::uint32_t kUnset = ~0u;
  std::vector<Chunk> chunks(1);  // the first holds what comes before any chunk
  std::optional<std::uint32_t> riffSize;
  std::string form = "WAVE";
  bool raw = false;
  const auto number = [](const std::string& s) {
    return static_cast<std::uint32_t>(std::stoll(s, nullptr, 0));
  };
  std::istringstream tokens(description);
  for (std::string t; tokens >> t;) {
    Bytes& body = chunks.back().body;
    std::vector<std::uint32_t> v;
    std::istringstream list(
        t.find(':') != std::string::npos && t[0] != 't' ? t.substr(t.find(':') + 1) : "");
    for (std::string x; std::getline(list, x, ',');)
      v.push_back(x.empty()     ? kUnset
                  : t[0] == 'f' ? std::bit_cast<std::uint32_t>(std::stof(x))
                                : number(x));
    if (t == "raw") {
      raw = true;
    } else if (t.starts_with("riff=")) {
      riffSize = number(t.substr(5));
    } else if (t.starts_with("form=")) {
      form = t.substr(5);
    } else if (t.starts_with("cut=")) {
      body.resize(number(t.substr(4)));
    } else if (t.starts_with("F:")) {
      v.resize(7, kUnset);
      const auto given = [&v](std::size_t i, std::uint32_t otherwise) {
        return v[i] == kUnset ? otherwise : v[i];
      };
      const std::uint32_t align = given(4, v[1] * v[3] / 8);
      for (const auto& [x, width] :
           {std::pair{v[0], 2}, {v[1], 2}, {v[2], 4}, {v[2] * align, 4}, {align, 2}, {v[3], 2}})
        AppendLe(body, x, width);
      if (v[0] != kTagExtensible) continue;
      // Mask front centre; the rest of the identifier is never looked at.
      for (const auto& [x, width] :
           {std::pair{22u, 2}, {given(5, 0), 2}, {4u, 4}, {given(6, kTagPcm), 4}})
        AppendLe(body, x, width);
      body.insert(body.end(), 14, 0xAA);
    } else if (t.starts_with("t:")) {
      body.insert(body.end(), t.begin() + 2, t.end());
    } else if (t.starts_with("f:")) {
      for (const std::uint32_t x : v) AppendLe(body, x, 4);
    } else if (t.starts_with("ramp:")) {  // a misplaced byte changes a sample
      for (std::uint32_t i = 0; i < v[0]; ++i)
        AppendLe(body, static_cast<std::uint32_t>(RampSample(i) * static_cast<int>(v[2])),
                 static_cast<int>(v[1]));
    } else if (t[0] == 'i' && t[2] == ':') {
      for (const std::uint32_t x : v) AppendLe(body, x, t[1] - '0');
    } else if (const std::size_t star = t.find('*'); star != std::string::npos) {
      body.insert(body.end(), number(t.substr(0, star)),
                  static_cast<std::uint8_t>(std::stoi(t.substr(star + 1), nullptr, 16)));
    } else {
      std::replace(t.begin(), t.end(), '_', ' ');
      chunks.push_back({t.substr(0, 4), {}, {}});
      if (t.size() > 5) chunks.back().size = number(t.substr(5));
    }
  }
  if (raw) return chunks.front().body;
  Bytes image = {'R', 'I', 'F', 'F', 0, 0, 0, 0};
  image.insert(image.end(), form.begin(), form.end());
  for (const Chunk& chunk : chunks | std::views::drop(1)) {
    image.insert(image.end(), chunk.id.begin(), chunk.id.end());
    AppendLe(image, chunk.size.value_or(static_cast<std::uint32_t>(chunk.body.size())), 4);
    image.insert(image.end(), chunk.body.begin(), chunk.body.end());
    if (chunk.body.size() % 2 != 0 && !chunk.size) image.push_back(0);
  }
  const std::uint32_t size = riffSize.value_or(static_cast<std::uint32_t>(image.size() - 8));
  for (int i = 0; i < 4; ++i) image[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
  return image;
}

struct FormatFields {
  std::uint16_t tag = kTagPcm;
  std::uint16_t channels = 1;
  std::uint32_t rate = 48000;
  std::uint16_t bits = 16;                    // the container width for extensible files
  std::optional<std::uint16_t> blockAlign{};  // channels * bits / 8 when not given
  std::uint16_t validBits = 0;                // extensible only
  std::uint32_t subFormat = kTagPcm;          // extensible only
};

// "fmt " then "data".
inline Bytes SimpleWave(const FormatFields& f, const Bytes& samples) {
  std::ostringstream d;
  d << "fmt_ F:" << f.tag << "," << f.channels << "," << f.rate << "," << f.bits << ","
    << (f.blockAlign ? std::to_string(*f.blockAlign) : "") << "," << f.validBits << ","
    << f.subFormat << " data" << std::hex;
  for (const std::uint8_t b : samples) d << " 1*" << static_cast<int>(b);
  return ImageOf(d.str());
}

// A fresh folder under the system's temporary folder, removed with its files.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "zef_test_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    root_ = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::filesystem::path Path(const std::string& name) const { return root_ / name; }
  std::filesystem::path Write(const std::string& name, std::string_view bytes) const {
    const std::filesystem::path path = root_ / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  std::filesystem::path Write(const std::string& name, const Bytes& bytes) const {
    return Write(name, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }

 private:
  std::filesystem::path root_;
};

}  // namespace zef::wav::testing
