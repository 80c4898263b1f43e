#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace zef::model {

// Writes a whole file through a temporary file in the same folder that is
// renamed over the target at the end, so a failed write never leaves a
// half-written file and never damages the one that was there. False with
// `error` set when the file cannot be written.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string& error);

// The same for a library that writes a file by name: `write` fills the
// temporary file whose path it is given (it may replace it) and says whether
// it succeeded.
bool WriteFileAtomically(const std::filesystem::path& target,
                         const std::function<bool(const std::filesystem::path&)>& write,
                         std::string& error);

}  // namespace zef::model
