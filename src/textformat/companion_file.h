#pragma once

#include <filesystem>
#include <string_view>

namespace zef::textformat {

// Where a file named inside a data file lies: both "\" and "/" separate
// folders, a relative name is taken from the data file's folder, and a name
// that is not found as written is looked up ignoring case (files made on
// Windows name their companions in any case).
std::filesystem::path ResolveCompanion(const std::filesystem::path& dataFile,
                                       std::string_view name);

}  // namespace zef::textformat
