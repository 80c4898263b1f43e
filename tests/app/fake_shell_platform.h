#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/shell_platform.h"
#include "fake_platform.h"

namespace zef::app::testing {

// The fake boxes plus a script for the file dialogs and a log of everything
// else the shell asks of the desktop ("start 1", "open ZEF.PDF", "quit", ...).
class FakeShellPlatform : public ShellPlatform {
 public:
  void ShowMessage(std::string_view text) override { boxes.ShowMessage(text); }
  void ShowError(std::string_view text) override { boxes.ShowError(text); }
  bool AskYesNo(std::string_view text) override { return boxes.AskYesNo(text); }
  std::optional<std::string> ChooseFile(FileDialogKind kind, std::string_view preset) override {
    log.push_back("dialog " + std::to_string(static_cast<int>(kind)) + " " + std::string(preset));
    if (chosen.empty()) return std::nullopt;
    std::string file = chosen.front();
    chosen.pop_front();
    return file;
  }
  void StartTimer(int id, int ms) override {
    log.push_back("start " + std::to_string(id) + " " + std::to_string(ms));
  }
  void KillTimer(int id) override { log.push_back("kill " + std::to_string(id)); }
  bool OpenWithDesktop(std::string_view path) override {
    log.push_back("open " + std::string(path));
    return desktopOpens;
  }
  bool StartDetached(std::string_view program, std::span<const std::string> args) override {
    std::string line = "run " + std::string(program);
    for (const std::string& arg : args) line += " " + arg;
    log.push_back(line);
    return true;
  }
  void SetClipboardText(std::string_view text) override { clipboard = text; }
  bool ControlHeld() const override { return control; }
  void Quit() override { log.push_back("quit"); }

  FakePlatform boxes;
  std::deque<std::string> chosen;
  std::vector<std::string> log;
  std::string clipboard;
  bool control = false;
  bool desktopOpens = true;
};

}  // namespace zef::app::testing
