#include "app/file_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <sstream>

#include "app/shell_platform.h"
#include "binary/binary_reader.h"
#include "model/atomic_file.h"

namespace zef::app {
namespace {

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
  const auto it =
      std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) ==
               std::toupper(static_cast<unsigned char>(b));
      });
  return it != text.end();
}

constexpr auto kTextFilters = std::to_array<std::string_view>(
    {"Text-files (*.TXT,*.TAB) (*.txt *.tab *.TXT *.TAB)", "All Files (*.*) (*)"});
constexpr auto kBinaryFilters = std::to_array<std::string_view>(
    {"All ZEF-binary (*.ZF?) (*.zf? *.ZF?)", "ZEF1-binary (*.ZF1) (*.zf1 *.ZF1)",
     "ZEF2-binary (*.ZF2) (*.zf2 *.ZF2)"});
// Names on disk and in the recent list are never longer than this.
constexpr std::size_t kLongestName = 4096;
constexpr int kLargestWindow = 100000;

bool Writes(const std::filesystem::path& store, const std::string& text) {
  std::error_code ec;
  std::filesystem::create_directories(store.parent_path(), ec);
  std::string error;
  return model::WriteFileAtomically(store, text, error);
}

}  // namespace

FileDialogText DialogText(FileDialogKind kind) {
  switch (kind) {
    case FileDialogKind::kOpenText:
      return {"Open a ZEF text-file", kTextFilters};
    case FileDialogKind::kOpenForEditing:
      return {"Open a ZEF text-file for editing", kTextFilters};
    case FileDialogKind::kOpenBinary:
      return {"Open a ZEF binary-file", kBinaryFilters};
  }
  return {};
}

DataFileKind DataFileKindOf(std::string_view name) {
  if (binary::BinaryNameKind(name) != binary::BinaryName::None) return DataFileKind::kBinary;
  if (ContainsIgnoringCase(name, ".TXT") || ContainsIgnoringCase(name, ".TAB")) {
    return DataFileKind::kText;
  }
  return DataFileKind::kOther;
}

std::string CommandLineFile(std::span<const std::string_view> args) {
  for (const std::string_view arg : args) {
    if (!arg.empty() && arg.front() != '-') return std::string(arg);
  }
  return {};
}

void RecentFiles::Load() {
  files_.clear();
  std::ifstream in(store_);
  std::string line;
  while (files_.size() < kMaxFiles && std::getline(in, line)) {
    if (!line.empty() && line.size() <= kLongestName &&
        std::find(files_.begin(), files_.end(), line) == files_.end()) {
      files_.push_back(line);
    }
  }
}

bool RecentFiles::Add(const std::string& name) {
  if (name.empty() || name.size() > kLongestName || name.find('\n') != std::string::npos) {
    return false;
  }
  std::erase(files_, name);
  files_.insert(files_.begin(), name);
  if (files_.size() > kMaxFiles) files_.resize(kMaxFiles);
  std::string text;
  for (const std::string& file : files_) text += file + '\n';
  return Writes(store_, text);
}

bool LoadWindowPlace(const std::filesystem::path& store, WindowPlace& place) {
  std::ifstream in(store);
  WindowPlace read;
  if (!(in >> read.x >> read.y >> read.width >> read.height)) return false;
  const auto fits = [](int v) { return v > -kLargestWindow && v < kLargestWindow; };
  if (!fits(read.x) || !fits(read.y) || read.width <= 0 || read.height <= 0 || !fits(read.width) ||
      !fits(read.height)) {
    return false;
  }
  place = read;
  return true;
}

WindowPlace FitToScreen(WindowPlace place, const WindowPlace& screen) {
  place.width = std::min(place.width, screen.width);
  place.height = std::min(place.height, screen.height);
  place.x = std::clamp(place.x, screen.x, screen.x + screen.width - place.width);
  place.y = std::clamp(place.y, screen.y, screen.y + screen.height - place.height);
  return place;
}

bool SaveWindowPlace(const std::filesystem::path& store, const WindowPlace& place) {
  std::ostringstream text;
  text << place.x << ' ' << place.y << ' ' << place.width << ' ' << place.height << '\n';
  return Writes(store, text.str());
}

}  // namespace zef::app
