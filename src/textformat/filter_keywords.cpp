#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "textformat/companion_file.h"
#include "textformat/keyword_groups.h"
#include "wav/wav_reader.h"

namespace zef::textformat {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFilter = "<FILTER>";
constexpr std::string_view kFirWav = "<FIR-WAV>";
constexpr std::string_view kScaleFactor = "<SCALEFACTOR>";
constexpr int kFilterBands = 30;
constexpr int kSampleReaderOpened = 1;

// One part of a complex response; bands the line leaves out stay 0.
bool ReadComplexPart(Reader& r, std::string_view keyword, std::vector<float>& part) {
  part.assign(kFilterBands, 0.0f);
  if (!r.ExpectKeywordWithValues(keyword)) return false;
  return r.ValueCount() == 0 || r.ReadPerBand(keyword, part);
}

// The taps must be mono samples of a width one of the sample readers takes.
bool CheckFirHeader(Reader& r, const fs::path& path, wav::HeaderInfo& header) {
  wav::FormatRecord format{};
  const int code = wav::ReadHeader(path, format, header);
  const std::uint32_t bits = header.bitsPerSample;
  if (code != 0) {
    r.WriteLine("FIR WAV format error: " + wav::ErrorMessage(code));
  } else if (header.channels > 1) {
    r.WriteLine("FIR WAV is not mono");
  } else if (bits != 16 && bits != 24 && bits != 32) {
    r.WriteLine("WAV FIR not 16, 24 or 32 bits");
  } else {
    return true;
  }
  return r.Fatal(kFirWav, " file format error");
}

bool ReadTaps(Reader& r, const fs::path& path, const wav::HeaderInfo& header, float scale,
              model::FilterDescriptor& filter) {
  wav::SampleReader samples;
  if (samples.Open(wav::KindOf(header), path) != kSampleReaderOpened) {
    return r.Fatal(kFirWav, " file open error");
  }
  // The header's count never exceeds what the data chunk holds, so a sample that
  // cannot be read means the file failed or changed underneath: no partial filter.
  for (std::uint32_t i = 0; i < header.sampleCount; ++i) {
    float sample = 0;
    if (!samples.Read(sample)) return r.Fatal(kFirWav, " file open error");
    filter.taps.push_back(sample / scale);
  }
  filter.sampleRate = header.sampleRate;
  return true;
}

bool ReadFirWav(Reader& r, model::FilterDescriptor& filter) {
  if (!r.ExpectKeywordWithValues(kFirWav)) return false;
  if (!r.NextValue()) return r.Fatal(kFirWav, " value expected");
  const std::string name(r.Value());
  if (!model::EndsWithIgnoringCase(name, ".WAV")) {
    return r.Fatal(kFirWav, " file type not supported.");
  }
  if (!r.NextValue()) return r.Fatal(kScaleFactor, " expected");
  if (!r.NextValue()) return r.Fatal(kScaleFactor, " value expected");
  float scale = 0;
  // A scale factor of 0 would turn every tap into an infinity.
  if (!r.ToReal(scale) || scale == 0.0f) return r.Fatal(kScaleFactor, " value error");
  const fs::path path = ResolveCompanion(r.SourcePath(), name);
  wav::HeaderInfo header;
  return CheckFirHeader(r, path, header) && ReadTaps(r, path, header, scale, filter);
}

}  // namespace

bool ReadFilter(Reader& r) {
  r.Set().filter = std::make_unique<model::FilterDescriptor>();
  model::FilterDescriptor& filter = *r.Set().filter;
  if (!r.ExpectKeywordWithValues(kFilter)) return false;
  if (!r.NextValue()) return r.Fatal(kFilter, " type expected");
  if (r.ValueIs("<NO>")) {
    filter.kind = model::FilterKind::None;
    return true;
  }
  if (r.ValueIs("<PENDING>")) {
    filter.kind = model::FilterKind::Pending;
    return true;
  }
  if (!r.NextValue()) return r.Fatal("<TYPE>", " expected");
  if (!r.NextValue()) return r.Fatal("<TYPE>", " value expected");
  if (r.ValueIs("<1/3-OCT-COMPLEX>")) {
    filter.kind = model::FilterKind::ThirdOctaveComplex;
    return ReadComplexPart(r, "<FILTER-REAL>", filter.real) &&
           ReadComplexPart(r, "<FILTER-IMAG>", filter.imag);
  }
  if (r.ValueIs("<FIR-WAV>")) {
    filter.kind = model::FilterKind::FirWav;
    return ReadFirWav(r, filter);
  }
  return r.Fatal(kFilter, " illegal value");
}

}  // namespace zef::textformat
