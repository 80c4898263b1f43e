#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "app/dialog_ids.h"
#include "app/export_sheet.h"
#include "app/fake_platform.h"
#include "app/list_window_lines.h"
#include "app/lower_graph.h"
#include "app/open_flow.h"
#include "app/options_file.h"
#include "app/shell_views.h"
#include "graphs/graph_fonts.h"
#include "gui/qt_clipboard.h"
#include "painter/graph_export.h"
#include "wav/wav_image.h"

namespace zef::gui {
namespace {

namespace fs = std::filesystem;
using namespace app::control;

// A main window on a sample, its configuration (with saved options, so no
// box waits for an answer) in a folder of its own, as tests run side by side.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { app::SaveOptionsFile(dir_.Path(app::kOptionsFileName), {}); }

  std::unique_ptr<MainWindow> Open(const std::string& file) {
    auto window = std::make_unique<MainWindow>(
        StartUp{{dir_.Path(""), dir_.Path(""), "zefview", ""}, file, false});
    window->resize(1024, 600);
    window->show();
    QApplication::processEvents();
    return window;
  }

  const wav::testing::TempDir dir_;
  const painter::QtFontMetrics fonts{graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall)};
};

void Drag(QWidget& widget, QPoint from, QPoint to) {
  QMouseEvent press(QEvent::MouseButtonPress, from, widget.mapToGlobal(from), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent move(QEvent::MouseMove, to, widget.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, to, widget.mapToGlobal(to), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  for (QMouseEvent* event : {&press, &move, &release}) QApplication::sendEvent(&widget, event);
}

TEST_F(MainWindowTest, EveryViewDrawsSomething) {
  for (const char* sample : {"data/samples/two-way-zef1.txt", "data/samples/coax-zef2-v2.txt"}) {
    auto window = Open(sample);
    const std::vector<int> views = {
        kCabinetRadio,    kCabinetKindFirst + 3, kBalloonRadio, kPolarsRadio + 1, kPolarsRadio + 2,
        kPolarsRadio + 3, kEaSelectFirst + 5,    kCtaRadio,     kPolarsRadio};
    for (const int id : views) {
      window->Control(id);
      EXPECT_NE(window->UpperView().Window().LayersInUse(), 0u) << sample << " " << id;
      EXPECT_NE(window->LowerView().Window().LayersInUse(), 0u) << sample << " " << id;
    }
    EXPECT_EQ(window->windowTitle().toStdString(),
              fs::path(sample).filename().string() + " - ZEF reader/viewer");
  }
}

TEST_F(MainWindowTest, AViewKeepsNothingOfTheViewBefore) {
  auto window = Open("data/samples/two-way-zef1.txt");  // shows the polars first
  window->Control(kSpectraRadio);
  const graphs::GraphWindow& shown = window->LowerView().Window();
  const app::Shell& shell = window->ShellForTests();
  model::LineSink errors;
  graphs::GraphWindow fresh(shown.Width(), shown.Height(), fonts, errors);
  std::string error;
  app::BuildLowerGraph(
      app::LowerGraphRequest(shell.State(), shell.Options(), *shell.Holder().Loaded(),
                             shown.Width(), shown.Height()),
      shell.Holder(), false, fresh, error);
  EXPECT_TRUE(painter::RenderImage(shown, fonts) == painter::RenderImage(fresh, fonts));
}

TEST_F(MainWindowTest, BandChoiceAndDragReachTheShell) {
  auto window = Open("data/samples/two-way-zef1.txt");
  window->Control(kBandCombo, 2);
  EXPECT_EQ(window->ShellForTests().State().selectedBand, 3);
  Drag(window->UpperView(), {100, 100}, {150, 90});  // 50 left of the turn: azimuth - 50
  const app::ViewCamera& camera = window->ShellForTests().State().balloonCamera;
  EXPECT_EQ(camera.azimuth, 340.0f);
  EXPECT_EQ(camera.elevation, 20.0f);
  window->Control(kCabinetRadio);  // the cabinet takes the angles over
  EXPECT_EQ(window->ShellForTests().State().cabinetCamera.azimuth, 340.0f);
}

TEST_F(MainWindowTest, EditCopyPutsTheExportedPicturesOnTheClipboard) {
  auto window = Open("data/samples/two-way-zef1.txt");
  window->Menu(21);  // the polar diagram as a metafile: footer at the bottom right
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->formats(), (QStringList{"application/x-qt-image", "image/png", "image/svg+xml",
                                          "image/emf", "image/x-emf"}));
  const graphs::GraphWindow& shown = window->LowerView().Window();
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(shown.Width(), shown.Height()));
  const painter::MetafileFooter footer{"zefview", graphs::FooterPlacement::kBottomRight};
  for (const auto& [mime, format] : {std::pair{"image/png", graphs::PictureFormat::kPng},
                                     {"image/svg+xml", graphs::PictureFormat::kSvg},
                                     {"image/emf", graphs::PictureFormat::kEmf}}) {
    EXPECT_EQ(data->data(mime), painter::RenderPicture(shown, format, fonts, footer)) << mime;
  }
}

TEST_F(MainWindowTest, UpperCopyIsTheBareExportOfTheBalloon) {
  const char* sample = "data/samples/coax-zef2-v2.txt";
  auto window = Open(sample);
  window->Menu(23);
  const QImage copied =
      qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData());
  app::DataSetHolder holder;
  app::testing::DesktopFake desktop;
  app::ListWindowLines lines(app::ListWindowLines::kErrorRules);
  ASSERT_TRUE(app::OpenDataFile(sample, holder, {desktop, lines}).loaded);
  const graphs::GraphWindow& shown = window->UpperView().Window();
  app::ExportRequest request;
  request.view = app::ExportView::kBalloon;
  request.bare = true;
  request.scale = 1.0;
  std::tie(request.width, request.height) = std::pair(shown.Width(), shown.Height());
  request.options = window->ShellForTests().Options();
  std::string error;
  const auto sheet = app::ExportSheet::Build(request, holder, false, fonts, lines, error);
  ASSERT_NE(sheet, nullptr) << error;
  EXPECT_TRUE(copied.convertToFormat(QImage::Format_RGB32) ==
              painter::RenderImage(sheet->Picture(), fonts).convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainWindowTest, PhaseWindowShowsForTheCoaxAndHidesForAnOctaveSet) {
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
  window->Control(kBandCombo, 0);
  EXPECT_FALSE(window->PhaseView().isVisible());
}

// A DXF cabinet whose second entity has a coordinate that is no number.
TEST_F(MainWindowTest, ADamagedDrawingKeepsTheProgressWindowOpenAndTheMenusWaiting) {
  for (const char* side : {"coax-info.txt", "coax-fir.wav"}) {
    fs::copy_file(fs::path("data/samples") / side, dir_.Path(side));
  }
  std::ifstream in("data/samples/coax-zef2-v2.txt");
  std::ofstream out(dir_.Path("cab.txt"));
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("<CABINET-MR>"))
      out << "<CABINET>\t<DXF>\t" << dir_.Path("cab.dxf").string()
          << "\t<UNIT>\t<MM>\t<ORIGIN>\t0\t0\t0\r\n";
    out << line << '\n';
  }
  out.close();
  std::ofstream(dir_.Path("cab.dxf")) << "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nLINE\r\n10\r\n1\r\n"
                                         "0\r\nLINE\r\n10\r\nX\r\n";
  auto window = Open(dir_.Path("cab.txt").string());
  EXPECT_FALSE(window->DxfView().isVisible());
  window->Control(kCabinetRadio);
  window->Control(kCabinetKindFirst + 4);
  EXPECT_TRUE(window->DxfView().isVisible());
  EXPECT_EQ(window->DxfView().Text().toStdString(), "Bad LINE coordinate value - line no 12");
  EXPECT_FALSE(window->menuBar()->isEnabled());
  window->DxfView().close();
  EXPECT_TRUE(window->menuBar()->isEnabled());
}

TEST(GraphClipboard, TablesGoAsTextAndReplaceWhatWasThere) {
  ASSERT_TRUE(PutOnClipboard(app::GraphPayload("png?", "<svg/>", "emf")));
  ASSERT_TRUE(PutOnClipboard(app::TextPayload("\"ZS\"\t\"ZS-212\"\t\t87.5")));
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->formats(), QStringList{"text/plain"});
  EXPECT_EQ(data->text().toStdString(), "\"ZS\"\t\"ZS-212\"\t\t87.5");
}

}  // namespace
}  // namespace zef::gui
