#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/fake_platform.h"
#include "app/platform.h"

namespace zef::app::testing {

// The fake platform with a desktop: records what was copied, opened and
// started; programs and documents in `missing` fail to start or open.
class DesktopFake : public FakePlatform {
 public:
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

  std::vector<std::string> captions;
  std::optional<ClipboardPayload> clipboard;
  std::vector<std::string> calls;  // every open and start tried, in order
  std::set<std::string, std::less<>> missing;
  bool refuseAll = false;

 private:
  bool Record(std::string call, std::string_view key) {
    calls.push_back(std::move(call));
    return !refuseAll && !missing.contains(key);
  }
};

}  // namespace zef::app::testing
