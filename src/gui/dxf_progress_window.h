#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>

#include "cabinet/lazy_dxf.h"

namespace zef::gui {

// The small window that shows which entity of a DXF cabinet is being read
// and, when the drawing fails, why. It opens with a parse, stays open after
// a failure until the user closes it and closes after a successful parse.
class DxfProgressWindow final : public QWidget {
 public:
  explicit DxfProgressWindow(QWidget* owner);

  // A progress line while the parse runs; shown at once, as the event loop
  // does not run until the parse ends.
  void Progress(const std::string& line);
  // After a drawing: open with the parse's last text, or closed.
  void Follow(const cabinet::LazyDxf& dxf);
  // A new data set: whatever the last drawing said is past.
  void Reset();
  QString Text() const { return line_->text(); }
  // Told when the window goes away, whoever closed it.
  void OnHidden(std::function<void()> hidden) { hidden_ = std::move(hidden); }

 protected:
  void hideEvent(QHideEvent* event) override;

 private:
  void ShowText(const std::string& text);

  QLabel* line_ = nullptr;
  std::string shownText_;
  QElapsedTimer sincePaint_;
  std::function<void()> hidden_;
};

}  // namespace zef::gui
