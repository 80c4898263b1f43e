#pragma once

#include <string>
#include <string_view>

namespace zef::app {

// The caption of every message box and the tail of the window title.
inline constexpr std::string_view kProgramTitle = "ZEF reader/viewer";

// A message text as a box shows it: every "##" becomes one line break, so
// "####" gives an empty line, and a single "#" stays.
std::string MessageBoxText(std::string_view text);

// Shortens a text to `width` characters for a title or the status bar: the
// first width / 2 - 3 characters, "...", and the end of the text.
std::string ShortenText(std::string_view text, std::size_t width);

}  // namespace zef::app
