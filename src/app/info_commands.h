#pragma once

#include <string>
#include <string_view>

#include "app/data_set_holder.h"
#include "app/platform.h"
#include "app/temporary_files.h"

namespace zef::app {

// A window an information button opens beside itself.
struct InfoWindow {
  enum Kind { kNone, kPopup, kTextFile } kind = kNone;
  std::string title;  // pop-ups: the label beside the button
  std::string text;
  bool operator==(const InfoWindow&) const = default;
};

// Whether a control id is one of the data sheet's information buttons, the
// "Show info file" button or the web-site button.
bool IsInfoControl(int id);

// Runs one of them for the loaded file: a web site or a PDF goes to the
// desktop (the PDF's temporary copy kept in `files`); a pop-up or the text
// window is returned for the window to show. `labelText` is what the label
// beside the button reads now. Nothing happens without a file.
InfoWindow InfoCommand(Platform& platform, int id, std::string_view labelText,
                       const DataSetHolder& holder, TemporaryFiles& files);

}  // namespace zef::app
