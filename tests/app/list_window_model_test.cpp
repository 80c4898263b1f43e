#include "app/list_window_model.h"

#include <gtest/gtest.h>

#include "app/fake_platform.h"
#include "case_file.h"

namespace zef::app {
namespace {

using testing::DesktopFake;

ListWindowModel ThreeLines(std::string_view title = kErrorWindowTitle) {
  ListWindowModel list(ListWindowLines::kErrorRules, title);
  for (const char* line : {"Error on line: 3", "second", ""}) list.WriteLine(line);
  return list;
}

TEST(ListWindowModel, DoubleClickCopiesTheListOrWithCtrlTheLine) {
  for (const zef::testing::Case& c : zef::testing::ReadCases("app/cases/list_copy.txt")) {
    DesktopFake desktop;
    desktop.answers = {c[2].ends_with("yes")};
    const std::string_view title = c[0] == "error"   ? kErrorWindowTitle
                                   : c[0] == "debug" ? kDebugWindowTitle
                                                     : c[0];
    const ListWindowModel list = ThreeLines(title);
    const bool copied = list.CopyOnDoubleClick(desktop, std::stoul(c[1]), c[2].starts_with("ctrl"));
    std::string got = copied ? "copied | " : "not copied | ";
    for (const auto& box : desktop.boxes) got += desktop.captions.at(0) + ": " + box.text;
    EXPECT_EQ(got + " | " + (desktop.clipboard ? desktop.clipboard->text : "-") +
                  (desktop.clipboard && !desktop.clipboard->formats.empty() ? " and pictures" : ""),
              c[3] + " | " + c[4] + " | " + c[5])
        << c.where;
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
