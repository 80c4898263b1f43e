#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "reader_fixture.h"
#include "textformat/keyword_groups.h"
#include "wav/wav_image.h"

namespace zef::textformat {
namespace {

using model::FilterKind;
using testing::ErrorAt;
using testing::ErrorsAt;
using testing::ExpectRefused;
using testing::GroupRun;
using testing::Messages;
namespace wave = wav::testing;

// <FILTER> on line 2 of a ZEF2 set with bands 50 to 80 Hz.
GroupRun RunFilter(const std::string& lines, const std::string& dataFile = "/nonexistent/a.txt") {
  return testing::RunGroup(
      model::FormatKind::Zef2, lines, ReadFilter,
      [](model::DataSet& set) { testing::SetBands(set, 3, 5); }, {}, dataFile);
}

TEST(FilterLine, KindsAndRefusedValues) {
  for (const auto& [values, kind] :
       {std::pair{"<NO>", FilterKind::None}, std::pair{"<pending>", FilterKind::Pending}}) {
    const GroupRun run = RunFilter(std::string("<FILTER>\t") + values + "\n");
    ASSERT_TRUE(run.ok && run.set->filter) << values;
    EXPECT_EQ(run.set->filter->kind, kind) << values;
  }
  ExpectRefused([](const std::string& values) { return RunFilter("<FILTER>\t" + values + "\n"); },
                {{"", ErrorAt(2, "<FILTER> type expected")},
                 {"<YES>", ErrorAt(2, "<TYPE> expected")},
                 {"<YES>\t<TYPE>", ErrorAt(2, "<TYPE> value expected")},
                 {"<YES>\t<TYPE>\t<IIR>", ErrorAt(2, "<FILTER> illegal value")}});
}

TEST(FilterLine, ComplexResponseByBandRestZero) {
  const std::string head = "<FILTER>\t<YES>\t<TYPE>\t<1/3-oct-complex>\n";
  const GroupRun run = RunFilter(head + "<FILTER-REAL>\t1\t-2,5\t<NODATA>\n<FILTER-IMAG>\t\n");
  ASSERT_TRUE(run.ok);
  EXPECT_EQ(run.result, kReadClean);
  EXPECT_EQ(run.set->filter->kind, FilterKind::ThirdOctaveComplex);
  std::vector<float> real(30, 0.0f);
  real[3] = 1.0f;
  real[4] = -2.5f;
  real[5] = model::kNoData;
  EXPECT_EQ(run.set->filter->real, real);
  EXPECT_EQ(run.set->filter->imag, std::vector<float>(30, 0.0f));

  ExpectRefused([&](const std::string& lines) { return RunFilter(head + lines); },
                {{"<FILTER-REAL>\t1\t2\n", ErrorAt(3, "<FILTER-REAL> data field missing")},
                 {"<FILTER-REAL>\t\n<IMPEDANCE>\t8\n", ErrorAt(4, "<FILTER-IMAG> expected")}});
}

TEST(FirWav, TapsAreSamplesOverTheScaleFactor) {
  const wave::TempDir folder;
  folder.Write("fir16.wav", wave::SimpleWave({}, wave::Le(2, {16384, -32768, 1})));
  folder.Write("sub/fir24.wav", wave::SimpleWave({.bits = 24}, wave::Le(3, {-8388608, 4194304})));
  folder.Write("FirFloat.WAV", wave::SimpleWave({.tag = wave::kTagFloat, .bits = 32},
                                                wave::LeFloat({0.5f, -0.25f})));
  const std::pair<std::string, std::vector<float>> cases[] = {
      {"fir16.wav\t<SCALEFACTOR>\t32768", {0.5f, -1.0f, 1.0f / 32768.0f}},
      {"sub\\FIR24.wav\t<SCALEFACTOR>\t-8388608", {1.0f, -0.5f}},
      {"firfloat.wav\t<ANY>\t0,5", {1.0f, -0.5f}},
  };
  for (const auto& [line, taps] : cases) {
    const GroupRun run = RunFilter("<FILTER>\t<YES>\t<TYPE>\t<FIR-WAV>\n<FIR-WAV>\t" + line + "\n",
                                   folder.Path("speaker.txt"));
    ASSERT_TRUE(run.ok) << line << "\n" << ::testing::PrintToString(run.messages);
    EXPECT_EQ(run.result, kReadClean);
    EXPECT_EQ(run.set->filter->kind, FilterKind::FirWav);
    EXPECT_EQ(run.set->filter->taps, taps) << line;
    EXPECT_EQ(run.set->filter->sampleRate, 48000u) << line;
  }
}

TEST(FirWav, RefusedLinesAndFiles) {
  const wave::TempDir folder;
  folder.Write("stereo.wav", wave::SimpleWave({.channels = 2}, wave::Le(2, {1, 2})));
  folder.Write("eight.wav", wave::SimpleWave({.bits = 8}, {1, 2}));
  const auto formatError = [](const std::string& reason) {
    Messages messages = ErrorAt(3, "<FIR-WAV> file format error");
    messages.insert(messages.begin(), reason);  // written without line number
    return messages;
  };
  ASSERT_EQ(::mkfifo(folder.Path("pipe.wav").c_str(), 0600), 0);
  const auto run = [&](const std::string& values) {
    return RunFilter("<FILTER>\t<YES>\t<TYPE>\t<FIR-WAV>\n<FIR-WAV>\t" + values + "\n",
                     folder.Path("speaker.txt"));
  };
  ExpectRefused(
      run,
      {
          {"", ErrorAt(3, "<FIR-WAV> value expected")},
          {"fir.aiff\t<SCALEFACTOR>\t1", ErrorAt(3, "<FIR-WAV> file type not supported.")},
          {"stereo.wav", ErrorAt(3, "<SCALEFACTOR> expected")},
          {"stereo.wav\t<SCALEFACTOR>", ErrorAt(3, "<SCALEFACTOR> value expected")},
          {"stereo.wav\t<SCALEFACTOR>\t0", ErrorAt(3, "<SCALEFACTOR> value error")},
          {"stereo.wav\t<SCALEFACTOR>\tbig",
           ErrorsAt(3, {"Valid float expected: big", "<SCALEFACTOR> value error"})},
          {"missing.wav\t<SCALEFACTOR>\t1", formatError("FIR WAV format error: Error opening WAV")},
          {"eight.wav\t<SCALEFACTOR>\t1",
           formatError("FIR WAV format error: Not a 16,24 or 32-bit WAV")},
          {"stereo.wav\t<SCALEFACTOR>\t1", formatError("FIR WAV is not mono")},
          {"pipe.wav\t<SCALEFACTOR>\t1",
           formatError("FIR WAV format error: WAV is not a regular file")},
      });
}

}  // namespace
}  // namespace zef::textformat
