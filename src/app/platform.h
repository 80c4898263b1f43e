#pragma once

#include <string_view>

#include "analysis/user_prompt.h"

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
};

}  // namespace zef::app
