#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/platform.h"

namespace zef::app {

enum class FileDialogKind { kOpenText = 0, kOpenForEditing = 1, kOpenBinary = 2 };

// Where the user saves a picture and the filter picked in the save dialog.
struct SaveChoice {
  std::string path;
  std::string filter;
};

// What the main window needs from the window system beyond the boxes.
class ShellPlatform : public Platform {
 public:
  // The desktop's open dialog of a kind, preset to `preset` (may be empty);
  // none when the user cancels.
  virtual std::optional<std::string> ChooseFile(FileDialogKind kind, std::string_view preset) = 0;
  // The save dialog for a picture, offering kPictureChoices and proposing
  // `proposed`; none when the user cancels.
  virtual std::optional<SaveChoice> ChooseSaveFile(std::string_view proposed) {
    static_cast<void>(proposed);
    return std::nullopt;
  }
  virtual void StartTimer(int id, int intervalMs) = 0;
  virtual void KillTimer(int id) = 0;
  // The Ctrl key is held now.
  virtual bool ControlHeld() const = 0;
  // Ends the event loop.
  virtual void Quit() = 0;
  // The wait cursor, shown while a file is read.
  virtual void ShowBusy(bool busy) { static_cast<void>(busy); }
};

// Title and name filters ("Text-files (*.TXT,*.TAB) (*.txt *.tab)") of a dialog.
struct FileDialogText {
  std::string_view title;
  std::span<const std::string_view> filters;
};
FileDialogText DialogText(FileDialogKind kind);

}  // namespace zef::app
