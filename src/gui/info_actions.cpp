#include "gui/info_actions.h"

#include "app/desktop_links.h"
#include "gui/info_windows.h"

namespace zef::gui {

void ShowInfoPopup(QWidget* button, const QLabel& label, app::InfoButton which,
                   const model::InfoRecord& info, app::OffAxisWarnings warnings) {
  const auto body = app::InfoPopupBody(which, info, warnings);
  if (!body) return;
  const std::string title = app::InfoPopupTitle(label.text().toLatin1().toStdString());
  MakeInfoPopup(button, title, *body)->exec();
}

void ShowInfoFile(QWidget* button, app::Platform& platform, const model::EmbeddedFile& file,
                  app::TemporaryFiles& files) {
  if (const auto text = app::InfoFileText(file)) {
    MakeTextFileWindow(button, *text)->exec();
  } else if (file.kind == model::EmbeddedKind::Pdf) {
    app::ShowPdfInfoFile(platform, file, files);
  }
}

void ShowAbout(QWidget* owner, app::Platform& platform) {
  MakeAboutBox(owner, [&platform] {
    app::OpenWebSite(platform, app::kFormatGroupWebSite);
  })->exec();
}

}  // namespace zef::gui
