#include "gui/info_actions.h"

#include "app/desktop_links.h"
#include "gui/info_windows.h"

namespace zef::gui {

void ShowAbout(QWidget* owner, app::Platform& platform) {
  MakeAboutBox(owner, [&platform] {
    app::OpenWebSite(platform, app::kFormatGroupWebSite);
  })->exec();
}

}  // namespace zef::gui
