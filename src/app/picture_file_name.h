#pragma once

#include <string>
#include <string_view>

namespace zef::app {

// The name a saved picture gets: the part from the last dot of the file's
// own name on is replaced by `extension` (".EMF", ".svg", ...); a name without
// a dot gets it appended. Folders with dots in their names are left alone.
std::string WithPictureExtension(std::string_view name, std::string_view extension);

}  // namespace zef::app
