#include "app/list_window_model.h"

#include <gtest/gtest.h>

namespace zef::app {
namespace {

ListWindowModel ThreeLines() {
  ListWindowModel list(ListWindowLines::kErrorRules, kErrorWindowTitle);
  for (const char* line : {"Error on line: 3", "second", ""}) list.WriteLine(line);
  return list;
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
