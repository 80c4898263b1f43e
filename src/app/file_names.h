#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zef::app {

// Which reader a name given on the command line or dropped on the window asks for.
enum class DataFileKind { kOther, kText, kBinary };
// ".ZF1" or ".ZF2" anywhere in the name makes a binary, else ".TXT" or ".TAB"
// a text file (ignoring case).
DataFileKind DataFileKindOf(std::string_view name);

// The file the command line names: the first argument not starting with "-".
// The shell has already split the line, so a name keeps its blanks and dots.
std::string CommandLineFile(std::span<const std::string_view> args);

// The last files opened, newest first, at most eight, kept in a text file of
// one name per line.
class RecentFiles {
 public:
  static constexpr std::size_t kMaxFiles = 8;

  explicit RecentFiles(std::filesystem::path store) : store_(std::move(store)) {}
  void Load();
  // Puts the name first and writes the list; false when it cannot be written.
  bool Add(const std::string& name);
  const std::vector<std::string>& Files() const { return files_; }

 private:
  std::filesystem::path store_;
  std::vector<std::string> files_;
};

// Where and how large the main window was; empty when never kept or damaged.
struct WindowPlace {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const WindowPlace&) const = default;
};
bool LoadWindowPlace(const std::filesystem::path& store, WindowPlace& place);
// The place moved and shrunk so that the whole window lies on the screen.
WindowPlace FitToScreen(WindowPlace place, const WindowPlace& screen);
bool SaveWindowPlace(const std::filesystem::path& store, const WindowPlace& place);

}  // namespace zef::app
