#include "app/desktop_links.h"

#include "app/message_text.h"

namespace zef::app {
namespace {

constexpr std::string_view kHttp = "http://";

}  // namespace

std::string AboutTitle() {
  return std::string(kProgramTitle) + " v" + ZEF_VERSION;
}

std::string WebSiteUrl(std::string_view text) {
  // A site given as https would turn into "http://https://..." otherwise.
  if (text.find(kHttp) != std::string_view::npos ||
      text.find("https://") != std::string_view::npos) {
    return std::string(text);
  }
  return std::string(kHttp) + std::string(text);
}

bool OpenWebSite(Platform& platform, std::string_view text) {
  if (platform.OpenUrl(WebSiteUrl(text))) return true;
  platform.ShowMessage("Failed to show website");
  return false;
}

std::optional<std::string> InfoFileText(const model::EmbeddedFile& file) {
  if (file.kind != model::EmbeddedKind::Text) return std::nullopt;
  return std::string(file.bytes.begin(), file.bytes.end());
}

bool ShowPdfInfoFile(Platform& platform, const model::EmbeddedFile& file, TemporaryFiles& files) {
  const auto path = files.Write(file.bytes, ".PDF");
  if (!path) {
    platform.ShowMessage("Failed to display embeded PDF file info");
    return false;
  }
  if (platform.OpenDocument(*path)) return true;
  platform.ShowMessage("Failed to show PDF file info");
  return false;
}

std::filesystem::path HelpFolder(const std::filesystem::path& programDir) {
  const auto installed = ((programDir / "..").lexically_normal() / "share" / "zefview");
  std::error_code error;
  return std::filesystem::is_directory(installed, error) ? installed : programDir;
}

bool OpenHelpDocument(Platform& platform, HelpDocument document,
                      const std::filesystem::path& folder) {
  const bool help = document == HelpDocument::kHelp;
  const auto path = folder / (help ? "ZEF.PDF" : "ZEF_Specs.PDF");
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    platform.ShowMessage(path.string() + "####does no exist");
    return false;
  }
  if (platform.OpenDocument(path)) return true;
  platform.ShowMessage((help ? "Failed to load #####" : "Failed to load####") + path.string());
  return false;
}

}  // namespace zef::app
