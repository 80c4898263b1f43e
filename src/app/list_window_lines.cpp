#include "app/list_window_lines.h"

namespace zef::app {

ListWindowLines::ListWindowLines(Rules rules) : rules_(rules), owner_(std::this_thread::get_id()) {}

bool ListWindowLines::BeginWrite() {
  if (!OnOwnerThread()) return false;
  if (!open_) {
    open_ = true;
    OnOpened();
  }
  return true;
}

void ListWindowLines::Append(std::string_view text) {
  if (!BeginWrite()) return;
  const std::size_t room = kLineBufferSize - 1 - pending_.size();
  if (text.size() > room) {
    if (rules_.dropOverlong) return;
    text = text.substr(0, room);
  }
  pending_ += text;
}

void ListWindowLines::WriteChar(char c) {
  Append(std::string_view(&c, 1));
}

void ListWindowLines::WriteString(std::string_view text) {
  Append(text);
}

void ListWindowLines::WriteNumber(std::int64_t value) {
  Append(std::to_string(value));
}

void ListWindowLines::WriteBoolean(bool value) {
  Append(value ? "TRUE" : "FALSE");
}

void ListWindowLines::EndLine() {
  if (!BeginWrite()) return;
  const bool full = lines_.size() >= rules_.maxLines;
  if (full) lines_.pop_front();
  lines_.push_back(std::move(pending_));
  pending_.clear();
  OnLineAdded(lines_.back(), full);
}

void ListWindowLines::EndPendingLine() {
  if (!pending_.empty()) EndLine();
}

void ListWindowLines::Close() {
  if (!OnOwnerThread()) return;
  const bool wasOpen = open_;
  lines_.clear();
  pending_.clear();
  open_ = false;
  if (wasOpen) OnClosed();
}

}  // namespace zef::app
