#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/clipboard_payload.h"
#include "app/shell_platform.h"
#include "model/data_set.h"
#include "model/fixed_text.h"

namespace zef::app::testing {

// The items as text, `between` between them.
template <class Items, class Show = std::identity>
std::string Joined(const Items& items, const char* between, Show show = {}) {
  std::string out;
  std::size_t i = 0;
  for (const auto& item : items) out += (i++ ? between : "") + std::string(show(item));
  return out;
}

inline void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return;
  for (std::size_t at; (at = text.find(from)) != std::string::npos;)
    text.replace(at, from.size(), to);
}

// The desktop, scripted: records every box as "M: text" (M message, E error,
// Q question; questions take their answers from the queue, yes once it is
// empty), answers the file dialogs from its lists and logs everything else
// asked of it ("open ZEF.PDF", "run kate [a.txt]", "start 1 1000", "quit",
// ...). Programs and documents in `missing` fail to start or open, as does
// everything when `opens` is false.
class DesktopFake : public ShellPlatform {
 public:
  void ShowMessage(std::string_view text) override { boxes.push_back("M: " + std::string(text)); }
  void ShowError(std::string_view text) override { boxes.push_back("E: " + std::string(text)); }
  bool AskYesNo(std::string_view text) override {
    boxes.push_back("Q: " + std::string(text));
    const bool answer = answers.empty() || answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  bool AskYesNoCaptioned(std::string_view caption, std::string_view text) override {
    captions.emplace_back(caption);
    return AskYesNo(text);
  }
  bool SetClipboard(const ClipboardPayload& payload) override {
    clipboard = payload;
    return true;
  }
  bool OpenDocument(const std::filesystem::path& path) override {
    return Record("open " + path.string(), path.string());
  }
  bool OpenUrl(std::string_view url) override { return Record("url " + std::string(url), url); }
  bool StartDetached(const std::string& program, const std::vector<std::string>& args) override {
    std::string call = "run " + program;
    for (const auto& arg : args) call += " [" + arg + "]";
    return Record(call, program);
  }
  std::optional<std::string> ChooseFile(FileDialogKind kind, std::string_view preset) override {
    log.push_back("dialog " + std::to_string(static_cast<int>(kind)) + " " + std::string(preset));
    if (chosen.empty()) return std::nullopt;
    std::string file = chosen.front();
    chosen.pop_front();
    return file;
  }
  std::optional<SaveChoice> ChooseSaveFile(std::string_view proposed) override {
    log.push_back("save " + std::string(proposed));
    return saveAs;
  }
  void StartTimer(int id, int ms) override {
    log.push_back("start " + std::to_string(id) + " " + std::to_string(ms));
  }
  void KillTimer(int id) override { log.push_back("kill " + std::to_string(id)); }
  bool ControlHeld() const override { return control; }
  void Quit() override { log.push_back("quit"); }

  std::vector<std::string> boxes;
  std::deque<bool> answers;
  std::vector<std::string> captions;
  std::optional<ClipboardPayload> clipboard;
  std::vector<std::string> log;
  std::set<std::string, std::less<>> missing;
  bool opens = true;
  std::deque<std::string> chosen;
  std::optional<SaveChoice> saveAs;  // none: the save dialog is cancelled
  bool control = false;

 private:
  bool Record(std::string call, std::string_view key) {
    log.push_back(std::move(call));
    return opens && !missing.contains(key);
  }
};

// A bare set of a kind with its band range, maker and model; every per-band
// value the tests do not set is 0.
inline model::DataSet SheetSet(model::FormatKind kind, int firstBand, int lastBand) {
  model::DataSet set(kind);
  set.data.MinBand() = static_cast<std::uint32_t>(firstBand);
  set.data.MaxBand() = static_cast<std::uint32_t>(lastBand);
  model::SetText(set.info->manufacturer, "Acme");
  model::SetText(set.info->modelName, "Box 1");
  return set;
}

// Writes `values` into a per-band array from band `first` on.
inline void SetBands(model::DataSet& set, model::PerBand which, int first,
                     std::initializer_list<float> values) {
  auto array = set.data.Array(which);
  for (float v : values) array[first++] = v;
}

}  // namespace zef::app::testing
