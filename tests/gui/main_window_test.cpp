#include "gui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QMouseEvent>
#include <filesystem>

#include "app/fake_platform.h"
#include "app/dialog_ids.h"
#include "app/export_sheet.h"
#include "app/list_window_lines.h"
#include "app/lower_graph.h"
#include "app/open_flow.h"
#include "app/options_file.h"
#include "app/shell_views.h"
#include "graphs/graph_fonts.h"
#include "painter/graph_export.h"
#include "wav/wav_image.h"

namespace zef::gui {
namespace {

namespace fs = std::filesystem;
using namespace app::control;

// A main window on a sample, its configuration (with saved options, so no
// box waits for an answer) in a folder of its own.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { app::SaveOptionsFile(dir_.Path(app::kOptionsFileName), {}); }

  std::unique_ptr<MainWindow> Open(const char* file) {
    auto window = std::make_unique<MainWindow>(
        StartUp{{dir_.Path(""), dir_.Path(""), "zefview", ""}, file, false});
    window->resize(1024, 600);
    window->show();
    QApplication::processEvents();
    return window;
  }

  const wav::testing::TempDir dir_;
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
  const painter::QtFontMetrics fonts(graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall));
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
  const painter::QtFontMetrics fonts(graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall));
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
  const painter::QtFontMetrics fonts(graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall));
  std::string error;
  const auto sheet = app::ExportSheet::Build(request, holder, false, fonts, lines, error);
  ASSERT_NE(sheet, nullptr) << error;
  EXPECT_TRUE(copied.convertToFormat(QImage::Format_RGB32) ==
              painter::RenderImage(sheet->Picture(), fonts).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace zef::gui
