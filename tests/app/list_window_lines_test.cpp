#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/list_window_lines.h"

namespace zef::app {
namespace {

// Counts what a window would be told.
class CountingList : public ListWindowLines {
 public:
  using ListWindowLines::ListWindowLines;
  int opened = 0, closed = 0, removed = 0;

 protected:
  void OnOpened() override { ++opened; }
  void OnLineAdded(const std::string&, bool oldestRemoved) override { removed += oldestRemoved; }
  void OnClosed() override { ++closed; }
};

TEST(ListWindowLines, PiecesMakeOneLineCutToTheBuffer) {
  ListWindowLines list(ListWindowLines::kErrorRules);
  list.WriteString("Error on line: ");
  list.WriteNumber(-42);
  list.WriteChar(' ');
  list.WriteBoolean(true);
  list.WriteBoolean(false);
  list.EndLine();
  list.EndPendingLine();  // nothing waits: no empty line
  EXPECT_EQ(std::vector<std::string>(list.Lines().begin(), list.Lines().end()),
            std::vector<std::string>{"Error on line: -42 TRUEFALSE"});

  // 2559 characters at most: the error list keeps what fits of a string, the
  // debug list drops a string that would make the line reach 2560.
  const std::string almost(2558, 'a');
  list.WriteString(almost);
  list.WriteString("xyz");
  list.WriteNumber(7);
  EXPECT_EQ(list.PendingLine(), almost + "x");
  ListWindowLines debug(ListWindowLines::kDebugRules);
  debug.WriteString(almost);
  debug.WriteString("xy");
  EXPECT_EQ(debug.PendingLine(), almost);
  debug.WriteChar('x');
  debug.WriteChar('y');
  EXPECT_EQ(debug.PendingLine(), almost + "x");
}

TEST(ListWindowLines, FullListPushesOutTheOldestLine) {
  for (const auto& [rules, max] : {std::pair{ListWindowLines::kErrorRules, 2000},
                                   std::pair{ListWindowLines::kDebugRules, 1000}}) {
    CountingList list(rules);
    for (int i = 1; i <= max + 1; ++i) {
      list.WriteNumber(i);
      list.EndLine();
    }
    EXPECT_EQ(
        std::tuple(list.Lines().size(), list.Lines().front(), list.Lines().back(), list.removed),
        std::tuple(static_cast<std::size_t>(max), "2", std::to_string(max + 1), 1));
  }
}

TEST(ListWindowLines, CloseEmptiesAndTheNextWriteOpensAgain) {
  CountingList list(ListWindowLines::kErrorRules);
  list.Close();  // nothing open: nothing to tell
  list.WriteLine("first");
  list.WriteString("half");
  list.Close();
  EXPECT_FALSE(list.IsOpen() || !list.Lines().empty());
  list.EndLine();  // the half line went with the close
  EXPECT_EQ(std::vector<std::string>(list.Lines().begin(), list.Lines().end()),
            std::vector<std::string>{""});
  EXPECT_EQ(std::pair(list.opened, list.closed), std::pair(2, 1));
}

TEST(ListWindowLines, CallsFromAnotherThreadAreIgnored) {
  CountingList list(ListWindowLines::kDebugRules);
  list.WriteString("kept");
  std::thread([&list] {
    list.WriteLine(" lost");
    list.Close();
  }).join();
  EXPECT_EQ(std::tuple(list.PendingLine(), list.Lines().size(), list.closed),
            std::tuple("kept", std::size_t{0}, 0));
}

}  // namespace
}  // namespace zef::app
