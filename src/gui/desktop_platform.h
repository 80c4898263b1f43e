#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "app/shell_platform.h"

namespace zef::gui {

// The shell's window-system needs over Qt Widgets: boxes owned by the main
// window, the desktop's file dialogs, the two blink timers, the clipboard,
// the desktop's opener and detached processes.
class DesktopPlatform : public app::ShellPlatform {
 public:
  // `onTimer` gets the id of a timer that ticked.
  DesktopPlatform(QWidget& owner, std::function<void(int)> onTimer);

  void ShowMessage(std::string_view text) override;
  void ShowError(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  bool AskYesNoCaptioned(std::string_view caption, std::string_view text) override;
  bool SetClipboard(const app::ClipboardPayload& payload) override;
  bool OpenDocument(const std::filesystem::path& path) override;
  bool OpenUrl(std::string_view url) override;
  bool StartDetached(const std::string& program, const std::vector<std::string>& args) override;
  std::optional<std::string> ChooseFile(app::FileDialogKind kind, std::string_view preset) override;
  std::optional<app::SaveChoice> ChooseSaveFile(std::string_view proposed) override;
  void StartTimer(int id, int intervalMs) override;
  void KillTimer(int id) override;
  bool ControlHeld() const override;
  void Quit() override;
  void ShowBusy(bool busy) override;

 private:
  QWidget& owner_;
  std::array<std::unique_ptr<QTimer>, 3> timers_;  // by id; 0 unused
};

}  // namespace zef::gui
