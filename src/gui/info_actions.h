#pragma once

#include <QLabel>
#include <QWidget>

#include "app/info_popups.h"
#include "app/platform.h"
#include "app/temporary_files.h"
#include "model/cabinet_geometry.h"
#include "model/info_record.h"

namespace zef::gui {

// What the main window's information buttons do, each shown modally.

// A data-sheet button: its explanation, titled by the label beside it.
// Nothing happens for a button that is off for this loudspeaker.
void ShowInfoPopup(QWidget* button, const QLabel& label, app::InfoButton which,
                   const model::InfoRecord& info, app::OffAxisWarnings warnings);

// "Show info file": a text file in the text window, a PDF through the
// desktop's viewer (its temporary copy kept in `files` until they go).
void ShowInfoFile(QWidget* button, app::Platform& platform, const model::EmbeddedFile& file,
                  app::TemporaryFiles& files);

// Help > About.
void ShowAbout(QWidget* owner, app::Platform& platform);

}  // namespace zef::gui
