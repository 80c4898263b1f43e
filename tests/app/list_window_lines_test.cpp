#include "app/list_window_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "case_file.h"

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

// "a*3" is "aaa".
std::string Expanded(const std::string& text) {
  const std::size_t star = text.rfind('*');
  if (star == std::string::npos || star == 0) return text;
  std::string out;
  for (int i = std::stoi(text.substr(star + 1)); i > 0; --i) out += text.substr(0, star);
  return out;
}

void Do(CountingList& list, const std::string& action) {
  const std::string arg = action.substr(action.find(':') + 1);
  switch (action[0]) {
    case 's':
      list.WriteString(Expanded(arg));
      break;
    case 'n':
      list.WriteNumber(std::stoi(arg));
      break;
    case 'c':
      list.WriteChar(arg[0]);
      break;
    case 'b':
      list.WriteBoolean(arg == "1");
      break;
    case 'w':
      list.WriteLine(arg);
      break;
    case 'e':
      action == "end" ? list.EndLine() : list.EndPendingLine();
      break;
    case 'x':
      list.Close();
      break;
    case 'l':  // numbered lines 1..N
      for (int i = 1; i <= std::stoi(arg); ++i) Do(list, "n:" + std::to_string(i)), list.EndLine();
      break;
    case 't':  // a line and a close from another thread
      std::thread([&list] { list.WriteLine(" lost"), list.Close(); }).join();
      break;
  }
}

TEST(ListWindowLines, PiecesLinesAndTheirLimits) {
  for (const zef::testing::Case& c : zef::testing::ReadCases("app/cases/list_lines.txt")) {
    CountingList list(c[0] == "error" ? ListWindowLines::kErrorRules
                                      : ListWindowLines::kDebugRules);
    std::size_t i = 1;
    for (; c[i] != "=>"; ++i) Do(list, c[i]);
    const auto& lines = list.Lines();
    const std::string pending = list.PendingLine();
    std::string got = std::to_string(lines.size()) + " lines";
    if (!lines.empty()) got += ", first " + lines.front() + ", last " + lines.back();
    got += " | pending " + std::to_string(pending.size()) + " " +
           pending.substr(pending.size() < 3 ? 0 : pending.size() - 3) + " | opened " +
           std::to_string(list.opened) + " closed " + std::to_string(list.closed) + " removed " +
           std::to_string(list.removed) + (list.IsOpen() ? " open" : "");
    std::string expected = c[++i];
    while (++i < c.fields.size()) expected += " | " + c[i];
    EXPECT_EQ(got, expected) << c.where;
  }
}

}  // namespace
}  // namespace zef::app
