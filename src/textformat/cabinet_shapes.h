#pragma once

#include <string_view>

#include "textformat/reader.h"

namespace zef::textformat {

inline constexpr std::string_view kCabinetKeyword = "<CABINET>";

// Handles one <CABINET> line whose values have been read: the shape its first
// value names, with the data lines that follow for edges and faces. A line
// without values gives nothing. False when a fatal error stops the read.
bool ReadCabinetShape(Reader& r);

}  // namespace zef::textformat
