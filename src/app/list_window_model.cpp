#include "app/list_window_model.h"

namespace zef::app {
namespace {

constexpr std::size_t kCaptionLength = 30;
constexpr std::string_view kSelectedMark = " <- ############# selected";

}  // namespace

ListWindowModel::ListWindowModel(Rules rules, std::string_view title)
    : ListWindowLines(rules), title_(title) {}

bool ListWindowModel::CopyOnDoubleClick(Platform& platform, std::size_t selected, bool ctrl) const {
  if (selected >= Lines().size()) return false;
  const std::string_view caption = std::string_view(title_).substr(0, kCaptionLength);
  const std::string_view question =
      ctrl ? "Copy current line to Clipboard?" : "Copy list to Clipboard?";
  if (!platform.AskYesNoCaptioned(caption, question)) return false;
  return platform.SetClipboard(
      TextPayload(ctrl ? Lines()[selected] : ListCopyText(Lines(), selected)));
}

bool ListWindowModel::NoteLineWidth(int pixels) {
  if (pixels <= widest_) return false;
  widest_ = pixels;
  return true;
}

void ListWindowModel::OutOfSpace() {
  Empty();
  widest_ = 0;
}

void ListWindowModel::CloseAt(WindowPlacement placement) {
  saved_ = placement;
  Close();
}

std::string ListCopyText(const std::deque<std::string>& lines, std::size_t selected) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    if (i == selected) text += kSelectedMark;
    text += "\r\n";
  }
  return text;
}

std::size_t TopLineFor(std::size_t index) {
  return index + 1 > 5 ? index - 3 : 0;
}

}  // namespace zef::app
