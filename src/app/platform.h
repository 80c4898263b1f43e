#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/user_prompt.h"
#include "app/clipboard_payload.h"

namespace zef::app {

// Everything the application logic needs from the window system, so that the
// shell's rules run, and are tested, without one. The viewer implements it
// over Qt; tests implement it with a scripted fake; `zef` prints to the
// terminal. Message texts carry "##" where a line break goes
// (see MessageBoxText).
//
// The check's two box forms come from analysis::UserPrompt:
//   ShowError  - OK button, stop icon; the check fails afterwards;
//   AskYesNo   - Yes and No, question icon; true for Yes.
// File dialogs, the clipboard, opening a document or URL with the desktop,
// starting a process and timers join this interface with the commands that
// need them.
class Platform : public analysis::UserPrompt {
 public:
  // The shell's own message box: the program title as caption, the stop
  // icon, an OK button.
  virtual void ShowMessage(std::string_view text) = 0;

  // The desktop beside the viewer. Each reports whether it happened; a
  // platform without a desktop (the terminal, the export mode) does none.
  // A yes/no question whose box carries its own caption.
  virtual bool AskYesNoCaptioned(std::string_view caption, std::string_view text) {
    static_cast<void>(caption);
    return AskYesNo(text);
  }
  virtual bool SetClipboard(const ClipboardPayload& payload) {
    static_cast<void>(payload);
    return false;
  }
  // Opens a file or a web address with the program the desktop chooses.
  virtual bool OpenDocument(const std::filesystem::path& path) {
    static_cast<void>(path);
    return false;
  }
  virtual bool OpenUrl(std::string_view url) {
    static_cast<void>(url);
    return false;
  }
  // Starts a program with these arguments, no shell between, and does not
  // wait for it.
  virtual bool StartDetached(const std::string& program, const std::vector<std::string>& args) {
    static_cast<void>(program);
    static_cast<void>(args);
    return false;
  }
};

}  // namespace zef::app
