#include "gui/list_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>

#include "app/fake_platform.h"

namespace zef::gui {
namespace {

QListWidget& ListOf(const ListWindow& window) {
  return *window.Window()->findChild<QListWidget*>();
}

std::vector<std::string> Shown(const ListWindow& window) {
  std::vector<std::string> lines;
  const QListWidget& list = ListOf(window);
  for (int i = 0; i < list.count(); ++i) lines.push_back(list.item(i)->text().toStdString());
  return lines;
}

// The error list of a window, copying through the fake desktop.
class ListWindowTest : public ::testing::Test {
 protected:
  QWidget owner;
  app::testing::DesktopFake desktop;
  ListWindow errors = ListWindow::Errors(&owner, desktop);
};

TEST_F(ListWindowTest, OpensWithTheFirstLineAndShowsWhatTheListHolds) {
  EXPECT_EQ(errors.Window(), nullptr);
  errors.WriteString("Error on line: ");
  errors.WriteNumber(12);
  errors.EndLine();
  ASSERT_NE(errors.Window(), nullptr);
  EXPECT_EQ(errors.Window()->windowTitle().toStdString(), "ZEF *ERROR* window");
  EXPECT_EQ(ListOf(errors).toolTip().toStdString(),
            "LMB double-click to copy to clipboard (hold Ctrl to only copy the clicked line)");
  EXPECT_TRUE(errors.Window()->testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_EQ(Shown(errors), std::vector<std::string>{"Error on line: 12"});

  auto debug = ListWindow::Debug(&owner, desktop);
  for (int i = 1; i <= 1001; ++i) debug.WriteLine(std::to_string(i));
  EXPECT_EQ(debug.Window()->windowTitle().toStdString(), "ZEF *DEBUG* window");
  EXPECT_EQ(std::pair(Shown(debug).size(), Shown(debug).front()),
            std::pair(std::size_t{1000}, std::string("2")));
  EXPECT_GT(debug.WidestLine(), 0);
}

TEST_F(ListWindowTest, ScrollsToTheEndOfTheWidestLine) {
  errors.WriteLine("short");
  const std::string wide(300, 'W');
  errors.WriteLine(wide);
  errors.WriteLine("short again");
  QApplication::processEvents();
  QListWidget& list = ListOf(errors);
  const int visible = list.viewport()->width();
  const int wideWidth = list.fontMetrics().horizontalAdvance(QString::fromStdString(wide));
  EXPECT_EQ(errors.WidestLine(), wideWidth);
  EXPECT_GE(list.horizontalScrollBar()->maximum() + visible, wideWidth);
}

TEST_F(ListWindowTest, ClosedItReopensWhereItWasLeftAndEmpty) {
  errors.WriteLine("first read");
  errors.Window()->move(140, 90);
  const QPoint at = errors.Window()->pos();
  errors.Window()->close();
  QApplication::processEvents();
  EXPECT_FALSE(errors.IsOpen());
  EXPECT_EQ(errors.Window(), nullptr);

  errors.WriteLine("second read");
  ASSERT_NE(errors.Window(), nullptr);
  EXPECT_EQ(errors.Window()->pos(), at);
  EXPECT_EQ(Shown(errors), std::vector<std::string>{"second read"});

  // Closed by the viewer before the next file: the same.
  errors.Window()->move(160, 70);
  const QPoint moved = errors.Window()->pos();
  errors.Close();
  errors.WriteLine("third read");
  EXPECT_EQ(errors.Window()->pos(), moved);
}

TEST_F(ListWindowTest, DoubleClickCopiesThroughThePlatform) {
  errors.WriteLine("a");
  errors.WriteLine("b");
  emit ListOf(errors).itemDoubleClicked(ListOf(errors).item(0));
  EXPECT_EQ(desktop.captions, std::vector<std::string>{"ZEF *ERROR* window"});
  EXPECT_EQ(desktop.clipboard, app::TextPayload("a <- ############# selected\r\nb\r\n"));
}

}  // namespace
}  // namespace zef::gui
