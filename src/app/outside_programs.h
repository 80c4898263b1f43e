#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/platform.h"

namespace zef::app {

// A program to start and its arguments, passed as they are: no shell reads
// them, so blanks, quotes or semicolons in a file name mean nothing.
struct ProgramLaunch {
  std::string program;
  std::vector<std::string> args;
  bool operator==(const ProgramLaunch&) const = default;
};

// The editors to try for a text file, in order: the one the user names in
// ZEF_EDITOR (`chosenEditor`, empty when unset), the desktops' usual text
// editors, and last the desktop's opener. The opener comes last because it
// may hand a ZEF text file back to this viewer.
std::vector<ProgramLaunch> EditorLaunches(const std::filesystem::path& file,
                                          std::string_view chosenEditor);

// Starts the first editor that runs; "Failed to load " and the file when
// none does.
bool StartEditor(Platform& platform, const std::filesystem::path& file,
                 std::string_view chosenEditor);

// A second viewer (this program, `self`) on a file; the running viewer keeps
// its data, and a failure is not reported.
ProgramLaunch SecondViewerLaunch(const std::filesystem::path& self,
                                 const std::filesystem::path& file);
void StartSecondViewer(Platform& platform, const std::filesystem::path& self,
                       const std::filesystem::path& file);

}  // namespace zef::app
