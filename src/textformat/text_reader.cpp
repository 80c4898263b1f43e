#include "textformat/text_reader.h"

#include <chrono>
#include <cstdint>
#include <ctime>
#include <system_error>
#include <vector>

#include "model/date_text.h"
#include "model/regular_file.h"
#include "textformat/keyword_groups.h"

namespace zef::textformat {
namespace fs = std::filesystem;
namespace {

// Far above the largest data set (about 1.1 MB) even with many comment lines.
constexpr std::uint64_t kMaxTextFileSize = 16 * 1024 * 1024;
constexpr std::uint64_t kFirstLineProbe = 4096;

std::string_view AsText(const std::vector<std::uint8_t>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool ReadKeywordSequence(Reader& r) {
  r.Scanner().SetLineNumber(1);
  return ReadIdentification(r) && ReadBandRange(r) && ReadMeasurement(r) &&
         ReadElectroAcoustic(r) && ReadRadiation(r) && ReadAxialSpectrum(r) && ReadBalloon(r) &&
         ReadCabinet(r);
}

// Line 1 names the kind; a message at line 0 when it does not.
bool CheckFirstLine(LineScanner& scanner, model::MessageSink& errors, model::FormatKind& kind) {
  std::string tag;
  switch (scanner.ReadFirstLine(tag)) {
    case LineScanner::FirstLine::Ok:
      kind = tag == "<ZEF1>" ? model::FormatKind::Zef1 : model::FormatKind::Zef2;
      return true;
    case LineScanner::FirstLine::NoTag:
      errors.WriteLine("file type <ZEF1> or <ZEF2> missing on line 1");
      return false;
    case LineScanner::FirstLine::NotCrLf:
      errors.WriteLine("file does not have CR-LF line separators");
      return false;
    case LineScanner::FirstLine::EndOfFile:
      errors.WriteLine("read error");
      return false;
  }
  return false;
}

}  // namespace

std::string FileDateText(const fs::path& path) {
  std::error_code ec;
  const auto written = fs::last_write_time(path, ec);
  if (ec) return "Unknown";
  const std::time_t seconds = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(
          std::chrono::file_clock::to_sys(written)));
  std::tm local{};
  if (localtime_r(&seconds, &local) == nullptr) return "Unknown";
  return model::FormatDateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

TextReadResult ReadText(std::string_view text, const fs::path& sourcePath,
                        std::string_view fileDate, model::MessageSink& errors,
                        const ReadOptions& options) {
  TextReadResult out;
  LineScanner first(text);
  if (!CheckFirstLine(first, errors, out.kind)) return out;

  auto set = std::make_unique<model::DataSet>(out.kind);
  set->sourcePath = sourcePath.string();
  model::SetText(set->info->fileDate, fileDate);
  set->info->onAxisCode = options.holderOnAxisCode;
  set->info->upCode = options.holderUpCode;

  Reader reader(text, sourcePath, errors, options, *set);
  std::string tag;
  reader.Scanner().ReadFirstLine(tag);
  ReadKeywordSequence(reader);
  out.result = reader.Result();
  if (out.result != kReadFailed) out.set = std::move(set);
  return out;
}

TextReadResult ReadTextFile(const fs::path& path, model::MessageSink& errors,
                            const ReadOptions& options) {
  const std::string fileDate = FileDateText(path);
  model::RegularFile opened = model::OpenRegularFile(path, kMaxTextFileSize);
  switch (opened.status) {
    case model::OpenStatus::Ok:
      break;
    case model::OpenStatus::NotRegular:
      errors.WriteLine("Failed to open file: not a regular file");
      return {};
    case model::OpenStatus::TooLarge:
      errors.WriteLine("Failed to open file: larger than " + std::to_string(kMaxTextFileSize) +
                       " bytes");
      return {};
    default:
      errors.WriteLine("Failed to open file");
      return {};
  }
  // Line 1 is judged on the first bytes, so a file that is no data file is
  // refused without reading it whole.
  std::vector<std::uint8_t> bytes;
  bytes.reserve(static_cast<std::size_t>(opened.size));
  model::OpenStatus status = model::ReadUpTo(opened.file.get(), kFirstLineProbe, bytes);
  std::string tag;
  const auto probe = LineScanner(AsText(bytes)).ReadFirstLine(tag);
  const bool refused =
      probe == LineScanner::FirstLine::NoTag || probe == LineScanner::FirstLine::NotCrLf;
  if (status == model::OpenStatus::Ok && !refused && bytes.size() == kFirstLineProbe) {
    status = model::ReadUpTo(opened.file.get(), kMaxTextFileSize - kFirstLineProbe, bytes);
  }
  if (status != model::OpenStatus::Ok) {
    errors.WriteLine("read error");
    return {};
  }
  std::error_code ec;
  return ReadText(AsText(bytes), fs::absolute(path, ec), fileDate, errors, options);
}

}  // namespace zef::textformat
