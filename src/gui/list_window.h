#pragma once

#include <QDialog>
#include <QListWidget>
#include <QPointer>
#include <memory>

#include "app/list_window_model.h"
#include "app/platform.h"

namespace zef::gui {

// The error or the debug window: a list of message lines that opens with its
// first line, copies on double-click and comes back where the user left it.
// It never takes the focus from the window being worked in.
class ListWindow : public app::ListWindowModel {
 public:
  // `platform` asks the copy question and owns the clipboard; both it and
  // `owner` must outlive this.
  ListWindow(Rules rules, std::string_view title, QWidget* owner, app::Platform& platform);
  ~ListWindow() override;
  ListWindow(const ListWindow&) = delete;
  ListWindow& operator=(const ListWindow&) = delete;

  static ListWindow Errors(QWidget* owner, app::Platform& platform);
  static ListWindow Debug(QWidget* owner, app::Platform& platform);

  // The window while it is open (for pictures and tests).
  QDialog* Window() const { return dialog_.get(); }

 protected:
  void OnOpened() override;
  void OnLineAdded(const std::string& line, bool oldestRemoved) override;
  void OnClosed() override;

 private:
  void Create();

  QWidget* owner_;
  app::Platform& platform_;
  std::unique_ptr<QDialog> dialog_;
  QPointer<QListWidget> list_;
};

}  // namespace zef::gui
