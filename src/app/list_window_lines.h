#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <thread>

#include "model/message_sink.h"

namespace zef::app {

// The lines of a list window (the error list, the debug list) without the
// window: a line is built in a buffer of 2560 bytes and added to the list at
// its end; the oldest line gives way once the list is full. Calls from any
// thread but the one that made the list are ignored. A window shows the list
// by overriding the hooks.
class ListWindowLines : public model::MessageSink {
 public:
  struct Rules {
    std::size_t maxLines;
    // The debug list drops a string that would fill the line buffer; the
    // error list keeps what fits of it.
    bool dropOverlong;
  };
  static constexpr Rules kErrorRules{2000, false};
  static constexpr Rules kDebugRules{1000, true};
  static constexpr std::size_t kLineBufferSize = 2560;  // a line holds one less

  explicit ListWindowLines(Rules rules);

  void WriteChar(char c);
  void WriteString(std::string_view text) final;
  void WriteNumber(std::int64_t value) final;
  void WriteBoolean(bool value) final;
  void EndLine() final;
  // Ends the line being built, if anything has been written to it.
  void EndPendingLine();
  // Empties the list and the line being built; the next write opens the
  // window again.
  void Close();
  // Empties the list but keeps the window and the line being built.
  void Empty() { lines_.clear(); }

  // True from the first write until Close.
  bool IsOpen() const { return open_; }
  const std::deque<std::string>& Lines() const { return lines_; }
  const std::string& PendingLine() const { return pending_; }

 protected:
  // Called on the owning thread only: the first write after creation or a
  // close; a line added (after the oldest one was removed when the list was
  // full); the list closed.
  virtual void OnOpened() {}
  virtual void OnLineAdded(const std::string& line, bool oldestRemoved) {
    static_cast<void>(line);
    static_cast<void>(oldestRemoved);
  }
  virtual void OnClosed() {}

 private:
  bool OnOwnerThread() const { return std::this_thread::get_id() == owner_; }
  // False on a foreign thread; opens the window on the first write.
  bool BeginWrite();
  void Append(std::string_view text);

  Rules rules_;
  std::thread::id owner_;
  std::deque<std::string> lines_;
  std::string pending_;
  bool open_ = false;
};

}  // namespace zef::app
