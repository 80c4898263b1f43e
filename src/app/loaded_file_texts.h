#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/info_record.h"

namespace zef::app {

// Name of a binary's creator category 0..5 ("Demo data" ... "ZEF Dev");
// empty for any other value.
std::string_view CreatorCategoryName(std::uint32_t category);

// Status line of a loaded binary: who made it and in which role.
std::string CreatorStatusLine(const model::InfoRecord& info);

// Window title for a loaded file: its name without folders, shortened to 40
// characters, " - " and the program title.
std::string WindowTitleFor(std::string_view path);

// The path as the status bar shows it: shortened to 45 characters.
std::string StatusPathFor(std::string_view path);

}  // namespace zef::app
