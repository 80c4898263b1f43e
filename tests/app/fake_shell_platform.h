#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/clipboard_payload.h"
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
  bool OpenDocument(const std::filesystem::path& path) override {
    log.push_back("open " + path.string());
    return desktopOpens;
  }
  bool StartDetached(const std::string& program, const std::vector<std::string>& args) override {
    std::string line = "run " + program;
    for (const std::string& arg : args) line += " " + arg;
    log.push_back(line);
    return desktopOpens;
  }
  bool SetClipboard(const ClipboardPayload& payload) override {
    clipboard = payload.text;
    copied = payload;
    return true;
  }
  std::optional<SaveChoice> ChooseSaveFile(std::string_view proposed) override {
    log.push_back("save " + std::string(proposed));
    return saveAs;
  }
  bool ControlHeld() const override { return control; }
  void Quit() override { log.push_back("quit"); }

  FakePlatform boxes;
  std::deque<std::string> chosen;
  std::vector<std::string> log;
  std::string clipboard;
  std::optional<ClipboardPayload> copied;
  std::optional<SaveChoice> saveAs;  // none: the save dialog is cancelled
  bool control = false;
  bool desktopOpens = true;
};

}  // namespace zef::app::testing
