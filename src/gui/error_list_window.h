#pragma once

#include <QDialog>
#include <QListWidget>

#include "app/list_window_lines.h"

namespace zef::gui {

// A list window ("ZEF *ERROR* window", "ZEF *DEBUG* window") that shows its
// lines as they are written and empties itself when closed. It never takes
// the focus from the window the user works in.
class ListWindow final : public app::ListWindowLines {
 public:
  ListWindow(Rules rules, const char* title, QWidget* owner);

 protected:
  void OnOpened() override;
  void OnLineAdded(const std::string& line, bool oldestRemoved) override;
  void OnClosed() override;

 private:
  QDialog dialog_;
  QListWidget* list_;
};

}  // namespace zef::gui
