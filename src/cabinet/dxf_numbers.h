#pragma once

#include <cstdint>
#include <string_view>

namespace zef::cabinet {

// A real value of a drawing: cut to 41 characters, its first comma taken as
// the decimal point, a leading "." or "-." completed with a zero; exponent
// forms are accepted. False when it does not read as a finite number.
bool ParseDxfReal(std::string_view value, double& out);

// A whole value (group codes, flags, colour numbers, vertex numbers).
bool ParseDxfWhole(std::string_view value, std::int32_t& out);

}  // namespace zef::cabinet
