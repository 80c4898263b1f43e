#include <gtest/gtest.h>

#include "app/fake_platform.h"
#include "app/list_window_model.h"

namespace zef::app {
namespace {

using testing::Box;
using testing::DesktopFake;

ListWindowModel ThreeLines(std::string_view title = kErrorWindowTitle) {
  ListWindowModel list(ListWindowLines::kErrorRules, title);
  for (const char* line : {"Error on line: 3", "second", ""}) list.WriteLine(line);
  return list;
}

TEST(ListWindowModel, DoubleClickCopiesTheListOrWithCtrlTheLine) {
  struct Case {
    std::size_t selected;
    bool ctrl;
    bool yes;
    const char* question;
    std::optional<std::string> copied;
  };
  const Case cases[] = {
      {1, false, true, "Copy list to Clipboard?",
       "Error on line: 3\r\nsecond <- ############# selected\r\n\r\n"},
      {2, false, true, "Copy list to Clipboard?",
       "Error on line: 3\r\nsecond\r\n <- ############# selected\r\n"},
      {0, true, true, "Copy current line to Clipboard?", "Error on line: 3"},
      {0, true, false, "Copy current line to Clipboard?", std::nullopt},
      {1, false, false, "Copy list to Clipboard?", std::nullopt},
      {3, false, true, nullptr, std::nullopt},  // beside the lines: nothing asked
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.selected);
    DesktopFake desktop;
    desktop.answers = {c.yes};
    const auto list = ThreeLines();
    EXPECT_EQ(list.CopyOnDoubleClick(desktop, c.selected, c.ctrl), c.copied.has_value());
    EXPECT_EQ(desktop.boxes,
              (c.question ? std::vector<Box>{{'Q', c.question}} : std::vector<Box>{}));
    EXPECT_EQ(desktop.clipboard, c.copied ? std::optional(TextPayload(*c.copied)) : std::nullopt);
  }
}

TEST(ListWindowModel, QuestionCaptionIsTheTitleCutToThirtyCharacters) {
  for (const auto& [title, caption] :
       {std::pair{kDebugWindowTitle, "ZEF *DEBUG* window"},
        std::pair{std::string_view("0123456789abcdefghij0123456789XYZ"),
                  "0123456789abcdefghij0123456789"}}) {
    DesktopFake desktop;
    ThreeLines(title).CopyOnDoubleClick(desktop, 0, false);
    EXPECT_EQ(desktop.captions, std::vector<std::string>{caption});
  }
}

TEST(ListWindowModel, WidestLineAndPlacementLastUntilTheyAreReset) {
  auto list = ThreeLines();
  std::string wider;  // whether each width was the widest yet
  for (const int width : {120, 120, 80, 121}) wider += list.NoteLineWidth(width) ? 'y' : 'n';
  EXPECT_EQ(wider, "ynny");
  list.OutOfSpace();  // emptied, still open, widths start again
  EXPECT_EQ(std::tuple(list.Lines().empty(), list.IsOpen(), list.WidestLine()),
            std::tuple(true, true, 0));

  list.NoteLineWidth(50);
  list.SavePlacement({10, 20, 300, 90});
  list.Close();
  EXPECT_EQ(std::pair(list.IsOpen(), list.WidestLine()), std::pair(false, 0));
  list.WriteLine("again");  // reopens where it was closed
  EXPECT_EQ(list.SavedPlacement(), (WindowPlacement{10, 20, 300, 90}));
}

}  // namespace
}  // namespace zef::app
