#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "app/dialog_ids.h"
#include "app/options_file.h"
#include "gui/main_window.h"

namespace zef::gui {
namespace {

namespace fs = std::filesystem;

class SideWindowsTest : public ::testing::Test {
 protected:
  // A folder per test, as tests run side by side.
  SideWindowsTest()
      : dir_(fs::temp_directory_path() /
             (std::string("zef_side_") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::create_directories(dir_);
    app::SaveOptionsFile(dir_ / app::kOptionsFileName, {});
  }
  ~SideWindowsTest() override { fs::remove_all(dir_); }

  std::unique_ptr<MainWindow> Open(const std::string& file) {
    auto window = std::make_unique<MainWindow>(StartUp{{dir_, dir_, "zefview", ""}, file, false});
    window->show();
    QApplication::processEvents();
    return window;
  }

  fs::path dir_;
};

TEST_F(SideWindowsTest, PhaseWindowShowsForTheCoaxAndHidesForAnOctaveSet) {
  auto window = Open("data/samples/coax-zef2-v2.txt");
  EXPECT_TRUE(window->PhaseView().isVisible());
  EXPECT_TRUE(window->PhaseView().windowTitle().startsWith("Phase and filters - ZS-CX12 (1 of 2"));
  EXPECT_NE(window->PhaseView().Curves().Window().LayersInUse(), 0u);
  EXPECT_NE(window->PhaseView().Balloon().Window().LayersInUse(), 0u);
  // The balloon's Copy, then the curves': each puts its own picture there.
  for (const auto& [button, text] : {std::pair{0, "Front"}, {1, "Sensitivity magnitude"}}) {
    window->PhaseView().findChildren<QPushButton*>().at(button)->click();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(data->hasImage() && data->hasFormat("image/emf")) << text;
    EXPECT_TRUE(data->data("image/svg+xml").contains(text)) << text;
  }
  window->ShellForTests().OpenNamed("data/samples/two-way-zef1.txt");
  window->Control(app::control::kBandCombo, 0);
  EXPECT_FALSE(window->PhaseView().isVisible());
}

// A DXF cabinet whose second entity has a coordinate that is no number.
TEST_F(SideWindowsTest, ADamagedDrawingKeepsTheProgressWindowOpenAndTheMenusWaiting) {
  for (const char* side : {"coax-info.txt", "coax-fir.wav"}) {
    fs::copy_file(fs::path("data/samples") / side, dir_ / side);
  }
  std::ifstream in("data/samples/coax-zef2-v2.txt");
  std::ofstream out(dir_ / "cab.txt");
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("<CABINET-MR>"))
      out << "<CABINET>\t<DXF>\t" << (dir_ / "cab.dxf").string()
          << "\t<UNIT>\t<MM>\t<ORIGIN>\t0\t0\t0\r\n";
    out << line << '\n';
  }
  out.close();
  std::ofstream(dir_ / "cab.dxf") << "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n10\r\n1\r\n"
                                     "0\r\nLINE\r\n10\r\nX\r\n";
  auto window = Open((dir_ / "cab.txt").string());
  EXPECT_FALSE(window->DxfView().isVisible());
  window->Control(app::control::kCabinetRadio);
  window->Control(app::control::kCabinetKindFirst + 4);
  EXPECT_TRUE(window->DxfView().isVisible());
  EXPECT_EQ(window->DxfView().Text().toStdString(), "Bad LINE coordinate value - line no 12");
  EXPECT_FALSE(window->menuBar()->isEnabled());
  window->DxfView().close();
  EXPECT_TRUE(window->menuBar()->isEnabled());
}

}  // namespace
}  // namespace zef::gui
