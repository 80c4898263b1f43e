#pragma once

#include <QWidget>

#include "app/platform.h"

namespace zef::gui {

// Help > About, shown modally; its web-site button goes through `platform`.
void ShowAbout(QWidget* owner, app::Platform& platform);

}  // namespace zef::gui
