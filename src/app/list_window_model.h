#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/list_window_lines.h"
#include "app/platform.h"

namespace zef::app {

inline constexpr std::string_view kErrorWindowTitle = "ZEF *ERROR* window";
inline constexpr std::string_view kDebugWindowTitle = "ZEF *DEBUG* window";
inline constexpr std::string_view kListWindowTooltip =
    "LMB double-click to copy to clipboard (hold Ctrl to only copy the clicked line)";

struct WindowPlacement {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const WindowPlacement&) const = default;
};

// The behaviour of a list window (the error or the debug window) around its
// lines: copying on double-click, the widest line, the scroll position, and
// where the window stood when it was last closed. A toolkit window derives
// from it and shows what the hooks tell.
class ListWindowModel : public ListWindowLines {
 public:
  ListWindowModel(Rules rules, std::string_view title);

  const std::string& Title() const { return title_; }

  // A double-click on line `selected`: asks whether to copy the list (or,
  // with Ctrl, that line alone) and puts it on the clipboard on yes. True
  // when something was copied.
  bool CopyOnDoubleClick(Platform& platform, std::size_t selected, bool ctrl) const;

  // A line of this width in pixels was added: true when it is the widest so
  // far, so the list's horizontal extent must grow to it.
  bool NoteLineWidth(int pixels);
  int WidestLine() const { return widest_; }

  // The list has no room left: it starts again empty.
  void OutOfSpace();

  // Closing by the user: remember where the window stood, then close.
  void CloseAt(WindowPlacement placement);
  const std::optional<WindowPlacement>& SavedPlacement() const { return saved_; }

 protected:
  // A window that overrides this calls it first.
  void OnClosed() override { widest_ = 0; }

 private:
  std::string title_;
  int widest_ = 0;
  std::optional<WindowPlacement> saved_;
};

// The list as copied: every line followed by CR LF, the selected one marked.
std::string ListCopyText(const std::deque<std::string>& lines, std::size_t selected);

// The first line to show so that the newest line `index` is in view: three
// above it once more than five lines exist.
std::size_t TopLineFor(std::size_t index);

}  // namespace zef::app
