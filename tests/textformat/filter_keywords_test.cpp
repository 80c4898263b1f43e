#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "reader_fixture.h"
#include "textformat/keyword_groups.h"

namespace zef::textformat {
namespace {

namespace fs = std::filesystem;
using model::FilterKind;
using testing::ErrorAt;
using testing::GroupRun;
using Bytes = std::vector<std::uint8_t>;
using Messages = std::vector<std::string>;

void AppendLe(Bytes& bytes, std::uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A plain RIFF WAVE image: 48 kHz, a 16-byte "fmt " chunk, then the samples.
Bytes Wave(std::uint16_t tag, std::uint16_t channels, std::uint16_t bits, const Bytes& samples) {
  Bytes out = {'R', 'I', 'F', 'F'};
  AppendLe(out, static_cast<std::uint32_t>(4 + 24 + 8 + samples.size()), 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  const std::uint32_t blockAlign = channels * bits / 8u;
  AppendLe(out, 16, 4);
  AppendLe(out, tag, 2);
  AppendLe(out, channels, 2);
  AppendLe(out, 48000, 4);
  AppendLe(out, 48000 * blockAlign, 4);
  AppendLe(out, blockAlign, 2);
  AppendLe(out, bits, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  AppendLe(out, static_cast<std::uint32_t>(samples.size()), 4);
  out.insert(out.end(), samples.begin(), samples.end());
  return out;
}

Bytes Samples(std::initializer_list<std::int32_t> values, int width) {
  Bytes bytes;
  for (const std::int32_t v : values) AppendLe(bytes, static_cast<std::uint32_t>(v), width);
  return bytes;
}

Bytes FloatSamples(std::initializer_list<float> values) {
  Bytes bytes;
  for (const float v : values) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    AppendLe(bytes, bits, 4);
  }
  return bytes;
}

// A folder of its own for the data file and its WAV files, removed afterwards.
class WavFolder {
 public:
  WavFolder() {
    std::string pattern = (fs::temp_directory_path() / "zef_filter_XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~WavFolder() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  void Write(const std::string& name, const Bytes& bytes) const {
    fs::create_directories((path_ / name).parent_path());
    std::ofstream(path_ / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  std::string DataFile() const { return (path_ / "speaker.txt").string(); }

 private:
  fs::path path_;
};

// <FILTER> on line 2 of a ZEF2 set with bands 50 to 80 Hz.
GroupRun RunFilter(const std::string& lines, const std::string& dataFile = "/nonexistent/a.txt") {
  return testing::RunGroup(
      model::FormatKind::Zef2, lines, ReadFilter,
      [](model::DataSet& set) { testing::SetBands(set, 3, 5); }, {}, dataFile);
}

void ExpectFailed(const GroupRun& run, const Messages& messages, const std::string& context) {
  EXPECT_FALSE(run.ok) << context;
  EXPECT_EQ(run.result, kReadFailed) << context;
  EXPECT_EQ(run.messages, messages) << context;
}

TEST(FilterLine, KindsAndRefusedValues) {
  for (const auto& [values, kind] :
       {std::pair{"<NO>", FilterKind::None}, std::pair{"<pending>", FilterKind::Pending}}) {
    const GroupRun run = RunFilter(std::string("<FILTER>\t") + values + "\n");
    ASSERT_TRUE(run.ok) << values;
    ASSERT_NE(run.set->filter, nullptr);
    EXPECT_EQ(run.set->filter->kind, kind) << values;
  }
  const std::pair<std::string, std::string> refused[] = {
      {"", "<FILTER> type expected"},
      {"<YES>", "<TYPE> expected"},
      {"<YES>\t<TYPE>", "<TYPE> value expected"},
      {"<YES>\t<TYPE>\t<IIR>", "<FILTER> illegal value"},
  };
  for (const auto& [values, message] : refused) {
    ExpectFailed(RunFilter("<FILTER>\t" + values + "\n"), ErrorAt(2, message), values);
  }
}

TEST(FilterLine, ComplexResponseByBandRestZero) {
  const std::string head = "<FILTER>\t<YES>\t<TYPE>\t<1/3-oct-complex>\n";
  const GroupRun run = RunFilter(head + "<FILTER-REAL>\t1\t-2,5\t<NODATA>\n<FILTER-IMAG>\t\n");
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.result, kReadClean);
  const model::FilterDescriptor& filter = *run.set->filter;
  EXPECT_EQ(filter.kind, FilterKind::ThirdOctaveComplex);
  std::vector<float> real(30, 0.0f);
  real[3] = 1.0f;
  real[4] = -2.5f;
  real[5] = model::kNoData;
  EXPECT_EQ(filter.real, real);
  EXPECT_EQ(filter.imag, std::vector<float>(30, 0.0f));

  ExpectFailed(RunFilter(head + "<FILTER-REAL>\t1\t2\n"),
               ErrorAt(3, "<FILTER-REAL> data field missing"), "short");
  ExpectFailed(RunFilter(head + "<FILTER-REAL>\t\n<IMPEDANCE>\t8\n"),
               ErrorAt(4, "<FILTER-IMAG> expected"), "no imaginary line");
}

TEST(FirWav, TapsAreSamplesOverTheScaleFactor) {
  WavFolder folder;
  folder.Write("fir16.wav", Wave(1, 1, 16, Samples({16384, -32768, 1}, 2)));
  folder.Write("sub/fir24.wav", Wave(1, 1, 24, Samples({-8388608, 4194304}, 3)));
  folder.Write("FirFloat.WAV", Wave(3, 1, 32, FloatSamples({0.5f, -0.25f})));
  folder.Write("empty.wav", Wave(1, 1, 16, {}));
  struct Case {
    std::string line;
    std::vector<float> taps;
  };
  const Case cases[] = {
      {"fir16.wav\t<SCALEFACTOR>\t32768", {0.5f, -1.0f, 1.0f / 32768.0f}},
      {"sub\\FIR24.wav\t<SCALEFACTOR>\t-8388608", {1.0f, -0.5f}},
      {"firfloat.wav\t<SCALEFACTOR>\t0,5", {1.0f, -0.5f}},
      {"empty.wav\t<SCALEFACTOR>\t1", {}},
  };
  for (const Case& c : cases) {
    const GroupRun run = RunFilter(
        "<FILTER>\t<YES>\t<TYPE>\t<FIR-WAV>\n<FIR-WAV>\t" + c.line + "\n", folder.DataFile());
    ASSERT_TRUE(run.ok) << c.line << "\n" << ::testing::PrintToString(run.messages);
    EXPECT_EQ(run.result, kReadClean);
    EXPECT_EQ(run.set->filter->kind, FilterKind::FirWav);
    EXPECT_EQ(run.set->filter->taps, c.taps) << c.line;
    EXPECT_EQ(run.set->filter->sampleRate, 48000u) << c.line;
  }
}

TEST(FirWav, RefusedLinesAndFiles) {
  WavFolder folder;
  folder.Write("stereo.wav", Wave(1, 2, 16, Samples({1, 2}, 2)));
  folder.Write("eight.wav", Wave(1, 1, 8, Bytes{1, 2}));
  folder.Write("text.wav", Bytes{'h', 'e', 'l', 'l', 'o'});
  const auto formatError = [](const std::string& reason) {
    Messages messages{reason};
    for (const std::string& m : ErrorAt(3, "<FIR-WAV> file format error")) messages.push_back(m);
    return messages;
  };
  const std::pair<std::string, Messages> refused[] = {
      {"", ErrorAt(3, "<FIR-WAV> value expected")},
      {"fir.aiff\t<SCALEFACTOR>\t1", ErrorAt(3, "<FIR-WAV> file type not supported.")},
      {"stereo.wav", ErrorAt(3, "<SCALEFACTOR> expected")},
      {"stereo.wav\t<SCALEFACTOR>", ErrorAt(3, "<SCALEFACTOR> value expected")},
      {"stereo.wav\t<SCALEFACTOR>\t0", ErrorAt(3, "<SCALEFACTOR> value error")},
      {"stereo.wav\t<SCALEFACTOR>\tbig",
       {"Error on line:    3", " Valid float expected: big", "Error on line:    3",
        " <SCALEFACTOR> value error"}},
      {"missing.wav\t<SCALEFACTOR>\t1", formatError("FIR WAV format error: Error opening WAV")},
      {"text.wav\t<SCALEFACTOR>\t1", formatError("FIR WAV format error: Not a RIFF WAVE WAV")},
      {"eight.wav\t<SCALEFACTOR>\t1",
       formatError("FIR WAV format error: Not a 16,24 or 32-bit WAV")},
      {"stereo.wav\t<SCALEFACTOR>\t1", formatError("FIR WAV is not mono")},
  };
  for (const auto& [values, messages] : refused) {
    ExpectFailed(RunFilter("<FILTER>\t<YES>\t<TYPE>\t<FIR-WAV>\n<FIR-WAV>\t" + values + "\n",
                           folder.DataFile()),
                 messages, values);
  }
}

}  // namespace
}  // namespace zef::textformat
