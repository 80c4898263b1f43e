#pragma once

#include <QPointer>
#include <QWidget>

#include "app/platform.h"

namespace zef::gui {

// The application's platform over Qt Widgets and the desktop's services:
// boxes owned by `owner`, the system clipboard, the desktop's opener and
// detached processes.
class DesktopPlatform : public app::Platform {
 public:
  explicit DesktopPlatform(QWidget* owner = nullptr) : owner_(owner) {}
  void SetOwner(QWidget* owner) { owner_ = owner; }

  void ShowMessage(std::string_view text) override;
  void ShowError(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  bool AskYesNoCaptioned(std::string_view caption, std::string_view text) override;
  bool SetClipboard(const app::ClipboardPayload& payload) override;
  bool OpenDocument(const std::filesystem::path& path) override;
  bool OpenUrl(std::string_view url) override;
  bool StartDetached(const std::string& program, const std::vector<std::string>& args) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace zef::gui
