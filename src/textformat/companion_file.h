#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace zef::textformat {

// Where a file named inside a data file lies: both "\" and "/" separate
// folders, a relative name is taken from the data file's folder, and a name
// that is not found as written is looked up ignoring case (files made on
// Windows name their companions in any case).
std::filesystem::path ResolveCompanion(const std::filesystem::path& dataFile,
                                       std::string_view name);

enum class LoadStatus { Ok, OpenFailed, TooLarge, ShortRead };

// Reads a whole file of at most maxSize bytes.
LoadStatus LoadCompanion(const std::filesystem::path& file, std::uintmax_t maxSize,
                         std::vector<std::uint8_t>& bytes);

}  // namespace zef::textformat
