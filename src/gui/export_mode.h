#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace zef::gui {

inline constexpr int kExportWritten = 0;
inline constexpr int kExportFailed = 1;  // the file could not be read or the picture written
inline constexpr int kExportUsage = 2;   // the arguments ask for something impossible

// `zefview --export ARGS`: reads the file through the viewer's open flow,
// draws the requested lower graph and writes it. The reader's messages and
// the flow's boxes go to `err` (questions are answered yes, as a user going
// on to the picture would). Needs a QGuiApplication.
int RunExport(std::span<const std::string_view> args, std::ostream& err);

}  // namespace zef::gui
