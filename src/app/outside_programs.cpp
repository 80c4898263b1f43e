#include "app/outside_programs.h"

#include <array>

namespace zef::app {
namespace {

constexpr std::array<std::string_view, 8> kDesktopEditors = {
    "gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma", "featherpad"};

// An absolute name cannot start with "-", so no program takes the file for
// one of its options.
std::string AbsoluteName(const std::filesystem::path& file) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(file, error);
  return (error ? file : absolute).string();
}

}  // namespace

std::vector<ProgramLaunch> EditorLaunches(const std::filesystem::path& file,
                                          std::string_view chosenEditor) {
  const std::string name = AbsoluteName(file);
  std::vector<ProgramLaunch> launches;
  if (!chosenEditor.empty()) launches.push_back({std::string(chosenEditor), {name}});
  for (const auto editor : kDesktopEditors) launches.push_back({std::string(editor), {name}});
  launches.push_back({"xdg-open", {name}});
  return launches;
}

bool StartEditor(Platform& platform, const std::filesystem::path& file,
                 std::string_view chosenEditor) {
  for (const auto& launch : EditorLaunches(file, chosenEditor)) {
    if (platform.StartDetached(launch.program, launch.args)) return true;
  }
  platform.ShowMessage("Failed to load " + file.string());
  return false;
}

ProgramLaunch SecondViewerLaunch(const std::filesystem::path& self,
                                 const std::filesystem::path& file) {
  return {self.string(), {AbsoluteName(file)}};
}

void StartSecondViewer(Platform& platform, const std::filesystem::path& self,
                       const std::filesystem::path& file) {
  const auto launch = SecondViewerLaunch(self, file);
  platform.StartDetached(launch.program, launch.args);
}

}  // namespace zef::app
