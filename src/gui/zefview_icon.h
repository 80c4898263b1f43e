#pragma once

#include <string_view>

namespace zef::gui {

// The program's icon as SVG text (the installed icon file's contents).
extern const std::string_view kZefviewIconSvg;

}  // namespace zef::gui
