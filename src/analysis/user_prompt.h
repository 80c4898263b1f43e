#pragma once

#include <string_view>

namespace zef::analysis {

// The two message-box forms the checks use. Texts carry "##" for line breaks.
// The application's window-system interface implements this.
class UserPrompt {
 public:
  virtual ~UserPrompt() = default;
  // An error box (OK button, stop icon).
  virtual void ShowError(std::string_view text) = 0;
  // A question box (Yes and No); true for Yes.
  virtual bool AskYesNo(std::string_view text) = 0;
};

}  // namespace zef::analysis
