#include "app/temporary_files.h"

#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <system_error>

namespace zef::app {
namespace {

constexpr int kAttempts = 16;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string RandomPart() {
  static std::mt19937_64 generator{std::random_device{}()};
  static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::uniform_int_distribution<int> pick(0, 35);
  std::string part(12, '0');
  for (char& c : part) c = kDigits[pick(generator)];
  return part;
}

}  // namespace

TemporaryFiles::TemporaryFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

TemporaryFiles::~TemporaryFiles() {
  for (const auto& file : files_) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
  }
}

std::filesystem::path TemporaryFiles::DefaultFolder() {
  std::error_code error;
  auto folder = std::filesystem::temp_directory_path(error);
  return error ? std::filesystem::current_path(error) : folder;
}

std::optional<std::filesystem::path> TemporaryFiles::Write(std::span<const std::uint8_t> bytes,
                                                           std::string_view suffix) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    auto path = folder_ / ("ZEF" + RandomPart() + std::string(suffix));
    // "x": fails when the name exists, so a file planted there is never used.
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wbx"));
    if (!file) {
      std::error_code ignored;
      if (std::filesystem::exists(path, ignored)) continue;
      return std::nullopt;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
      std::error_code ignored;
      std::filesystem::remove(path, ignored);
      return std::nullopt;
    }
    files_.push_back(path);
    return path;
  }
  return std::nullopt;
}

}  // namespace zef::app
