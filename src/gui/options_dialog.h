#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <functional>
#include <map>

#include "app/options_file.h"

namespace zef::gui {

// The floating options dialog: every option of the Options menu acting at
// once, the font choices and "Save as default". Controls report their id
// (the menu id minus 20).
class OptionsDialog final : public QDialog {
 public:
  struct Actions {
    std::function<void(int)> command;
    std::function<void(const std::string&, int)> dialogFont;
    std::function<void(int)> graphicsFont;
    std::function<void()> closed;
  };

  OptionsDialog(Actions actions, QWidget* parent);

  // Sets every control from the options; the balloon reference is fixed for
  // a powered loudspeaker.
  void Show(const app::StoredOptions& options, bool powered);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* Check(const char* text, int id);
  QWidget* RadioPair(const char* title, const char* first, const char* second, int id);

  Actions actions_;
  QAbstractButton* Add(QAbstractButton* button, int id);

  std::map<int, QAbstractButton*> buttons_;
  QLabel* face_;
  QLabel* size_;
  QComboBox* graphics_;
};

}  // namespace zef::gui
