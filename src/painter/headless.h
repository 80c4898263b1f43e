#pragma once

namespace zef::painter {

// Chooses Qt's offscreen platform when no display is set (and the user has
// not chosen a platform), so pictures render on a server or in CI. Call it
// before the QGuiApplication is made.
void UseOffscreenWithoutDisplay();

}  // namespace zef::painter
