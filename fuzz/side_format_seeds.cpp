#include "side_format_seeds.h"

#include <array>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "wav/wav_writer.h"

namespace zef::fuzz {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Groups as code and value lines, with the line end given.
std::string Groups(std::initializer_list<std::pair<int, std::string_view>> groups,
                   std::string_view end) {
  std::string text;
  for (const auto& [code, value] : groups) {
    text += std::to_string(code);
    text += end;
    text += value;
    text += end;
  }
  return text;
}

// The groups of one ENTITIES section holding `entities`, ended by ENDSEC and EOF.
std::string Drawing(std::string_view entities, std::string_view end) {
  return Groups({{0, "SECTION"}, {2, "ENTITIES"}}, end) + std::string(entities) +
         Groups({{0, "ENDSEC"}, {0, "EOF"}}, end);
}

std::string Face3d(std::string_view end) {
  return Groups({{0, "3DFACE"},
                 {8, "0"},
                 {62, "7"},
                 {10, "0.0"},
                 {20, "0.0"},
                 {30, "0.0"},
                 {11, "100.0"},
                 {21, "0.0"},
                 {31, "0.0"},
                 {12, "100.0"},
                 {22, "50,5"},
                 {32, "0.0"},
                 {13, ".5"},
                 {23, "-.5"},
                 {33, "6.123e-17"},
                 {70, "5"}},
                end) +
         Groups({{0, "3DFACE"},
                 {10, "0"},
                 {20, "0"},
                 {30, "10"},
                 {11, "1"},
                 {21, "0"},
                 {31, "10"},
                 {12, "1"},
                 {22, "1"},
                 {32, "10"},
                 {13, "1"},
                 {23, "1"},
                 {33, "10"}},
                end);
}

std::string Lines(std::string_view end) {
  return Groups({{0, "LINE"},
                 {62, "1"},
                 {10, "1"},
                 {20, "2"},
                 {30, "3"},
                 {11, "4"},
                 {21, "5"},
                 {31, "6"}},
                end) +
         Groups({{0, "LINE"}, {62, "256"}, {11, "-1E+2"}}, end) +
         Groups({{0, "LINE"}, {62, "300"}, {10, "7"}, {11, "8"}}, end);
}

std::string Polyline3d(std::string_view end) {
  std::string text = Groups({{0, "POLYLINE"}, {62, "3"}, {66, "1"}, {70, "9"}}, end);
  for (const char* v : {"0", "10", "20"}) {
    text += Groups({{0, "VERTEX"}, {10, v}, {20, "5"}, {30, "-2.5"}, {70, "32"}}, end);
  }
  return text + Groups({{0, "SEQEND"}, {8, "0"}}, end);
}

std::string PolyfaceMesh(std::string_view end) {
  std::string text = Groups({{0, "POLYLINE"}, {66, "1"}, {70, "64"}, {71, "4"}, {72, "2"}}, end);
  const std::array<std::array<const char*, 3>, 4> corners = {
      {{"0", "0", "0"}, {"1", "0", "0"}, {"1", "1", "0"}, {"0", "1", "1"}}};
  for (const auto& c : corners) {
    text += Groups({{0, "VERTEX"}, {10, c[0]}, {20, c[1]}, {30, c[2]}, {70, "192"}}, end);
  }
  text += Groups(
      {{0, "VERTEX"}, {70, "128"}, {62, "5"}, {71, "1"}, {72, "-2"}, {73, "3"}, {74, "4"}}, end);
  text += Groups({{0, "VERTEX"}, {70, "128"}, {71, "1"}, {72, "3"}, {73, "4"}, {74, "0"}}, end);
  return text + Groups({{0, "SEQEND"}}, end);
}

std::string Polyline2d(std::string_view end) {
  std::string text = Groups(
      {{0, "POLYLINE"}, {70, "1"}, {30, "2.5"}, {210, "0.0"}, {220, "-1.0"}, {230, "0.0"}}, end);
  for (const auto& [x, y] : {std::pair{"0", "0"}, std::pair{"3", "0"}, std::pair{"3", "4"}}) {
    text += Groups({{0, "VERTEX"}, {10, x}, {20, y}, {30, "0"}}, end);
  }
  text += Groups({{0, "SEQEND"}}, end);
  // An open one adds nothing.
  text +=
      Groups({{0, "POLYLINE"}, {70, "0"}, {0, "VERTEX"}, {10, "1"}, {20, "1"}, {0, "SEQEND"}}, end);
  return text;
}

// Real programs write the extrusion after the vertices.
std::string LwPolyline(std::string_view end) {
  return Groups({{0, "LWPOLYLINE"},
                 {90, "4"},
                 {70, "1"},
                 {38, "12.5"},
                 {10, "0"},
                 {20, "0"},
                 {10, "10"},
                 {20, "0"},
                 {10, "10"},
                 {20, "5"},
                 {10, "0"},
                 {20, "5"},
                 {210, "0.0"},
                 {220, "0.0"},
                 {230, "-1.0"},
                 {62, "140"}},
                end);
}

std::string WithBlocks(std::string_view end) {
  return Groups({{0, "SECTION"},
                 {2, "HEADER"},
                 {9, "$INSUNITS"},
                 {70, "4"},
                 {0, "ENDSEC"},
                 {0, "SECTION"},
                 {2, "BLOCKS"},
                 {0, "BLOCK"},
                 {0, "LINE"},
                 {10, "9"},
                 {11, "9"},
                 {0, "ENDBLK"},
                 {0, "ENDSEC"}},
                end) +
         Drawing(Lines(end) + Groups({{0, "CIRCLE"}, {10, "1"}, {40, "2"}}, end), end) +
         Drawing(Face3d(end), end);
}

Bytes ToBytes(std::string_view text) {
  return Bytes(text.begin(), text.end());
}

void AppendLe(Bytes& bytes, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void AppendChunk(Bytes& image, std::string_view id, const Bytes& body) {
  image.insert(image.end(), id.begin(), id.end());
  AppendLe(image, static_cast<std::uint32_t>(body.size()), 4);
  image.insert(image.end(), body.begin(), body.end());
  if (body.size() % 2 != 0) image.push_back(0);
}

struct WaveShape {
  std::uint16_t tag;
  std::uint16_t channels;
  std::uint16_t containerBits;
  std::uint16_t validBits;  // extensible only
  std::uint32_t subFormat;  // extensible only
};

// A RIFF WAVE image with a "LIST" chunk before "fmt " and "data", samples
// counting up in steps of the container width.
Bytes Wave(const WaveShape& s, int frames) {
  const std::uint16_t blockAlign = static_cast<std::uint16_t>(s.channels * s.containerBits / 8);
  Bytes format;
  AppendLe(format, s.tag, 2);
  AppendLe(format, s.channels, 2);
  AppendLe(format, 44100, 4);
  AppendLe(format, 44100u * blockAlign, 4);
  AppendLe(format, blockAlign, 2);
  AppendLe(format, s.containerBits, 2);
  if (s.tag == 0xFFFE) {
    AppendLe(format, 22, 2);
    AppendLe(format, s.validBits, 2);
    AppendLe(format, 4, 4);
    AppendLe(format, s.subFormat, 4);
    format.resize(40, 0x10);
  }
  Bytes samples;
  for (int i = 0; i < frames * s.channels; ++i) {
    AppendLe(samples, static_cast<std::uint32_t>(i * 0x01020304 - 0x7000), s.containerBits / 8);
  }
  Bytes image = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
  AppendChunk(image, "LIST", ToBytes(std::string_view("INFOISFT\x05\0\0\0zef!", 17)));
  AppendChunk(image, "fmt ", format);
  AppendChunk(image, "data", samples);
  const auto riffSize = static_cast<std::uint32_t>(image.size() - 8);
  std::memcpy(image.data() + 4, &riffSize, 4);
  return image;
}

}  // namespace

std::vector<NamedFile> SeedDrawings() {
  std::vector<NamedFile> files;
  for (const auto& [name, end] : {std::pair<std::string, std::string_view>{"crlf", "\r\n"},
                                  std::pair<std::string, std::string_view>{"lf", "\n"}}) {
    files.emplace_back("faces-" + name + ".dxf", ToBytes(Drawing(Face3d(end), end)));
    files.emplace_back("lines-" + name + ".dxf", ToBytes(Drawing(Lines(end), end)));
    files.emplace_back("polyline3d-" + name + ".dxf", ToBytes(Drawing(Polyline3d(end), end)));
    files.emplace_back("polyface-" + name + ".dxf", ToBytes(Drawing(PolyfaceMesh(end), end)));
    files.emplace_back("polyline2d-" + name + ".dxf", ToBytes(Drawing(Polyline2d(end), end)));
    files.emplace_back("lwpolyline-" + name + ".dxf", ToBytes(Drawing(LwPolyline(end), end)));
    files.emplace_back("blocks-" + name + ".dxf", ToBytes(WithBlocks(end)));
  }
  // Blanks around codes and values, as some writers pad them.
  files.emplace_back("padded.dxf", ToBytes("  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n"
                                           " 10\r\n 1.0 \r\n 11\r\n\t2.0\r\n  0\r\nENDSEC\r\n"));
  return files;
}

std::vector<NamedFile> SeedWaves() {
  const std::array<float, 6> taps = {1.0f, 0.5f, -0.25f, 0.125f, 1e-9f, -3.0e38f};
  std::vector<NamedFile> files = {{"float.wav", wav::FloatWavImage(taps, 48000)}};
  const std::pair<const char*, WaveShape> shapes[] = {
      {"pcm16.wav", {1, 1, 16, 0, 0}},
      {"pcm24.wav", {1, 1, 24, 0, 0}},
      {"pcm32.wav", {1, 1, 32, 0, 0}},
      {"stereo16.wav", {1, 2, 16, 0, 0}},
      {"float-stereo.wav", {3, 2, 32, 0, 0}},
      {"extensible-24in32.wav", {0xFFFE, 1, 32, 24, 1}},
      {"extensible-float.wav", {0xFFFE, 1, 32, 32, 3}},
  };
  for (const auto& [name, shape] : shapes) files.emplace_back(name, Wave(shape, 7));
  return files;
}

}  // namespace zef::fuzz
