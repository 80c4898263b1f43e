#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/platform.h"
#include "app/temporary_files.h"
#include "model/cabinet_geometry.h"

namespace zef::app {

// The about box's lines.
std::string AboutTitle();  // program title and version
inline constexpr std::string_view kAboutText = "Reader/viewer software for the 'Zefyra'";
inline constexpr std::string_view kAboutCaption = "About";
// The format group's web site, opened from the about box. No address has
// been confirmed yet; while this is empty the about box offers no link.
inline constexpr std::string_view kFormatGroupWebSite = "";

// A web-site text as the browser gets it: with "http://" in front unless it
// already names http or https.
std::string WebSiteUrl(std::string_view text);

// Opens a web-site text in the browser; tells the user when that fails.
bool OpenWebSite(Platform& platform, std::string_view text);

// The text of a text information file; none for any other kind.
std::optional<std::string> InfoFileText(const model::EmbeddedFile& file);

// Hands a PDF information file to the desktop's viewer through a new
// temporary file, which `files` removes later; tells the user what failed.
bool ShowPdfInfoFile(Platform& platform, const model::EmbeddedFile& file, TemporaryFiles& files);

// The Help menu's two documents.
enum class HelpDocument { kHelp = 60, kSpecs = 61 };

// Where the help documents lie: the installed data folder beside the
// program's, else the program's own folder.
std::filesystem::path HelpFolder(const std::filesystem::path& programDir);

// Opens a help document with the desktop; says so when it is missing or
// could not be opened.
bool OpenHelpDocument(Platform& platform, HelpDocument document,
                      const std::filesystem::path& folder);

}  // namespace zef::app
