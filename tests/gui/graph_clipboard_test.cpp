#include "gui/graph_clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <filesystem>
#include <fstream>

#include "app/fake_platform.h"
#include "graphs/graph_fixtures.h"
#include "gui/qt_clipboard.h"
#include "gui/save_graph_dialog.h"
#include "model/message_sink.h"

namespace zef::gui {
namespace {

namespace fs = std::filesystem;

std::string FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// A framed sensitivity graph of 300 x 200 pixels.
class GraphPictures : public ::testing::Test {
 protected:
  GraphPictures() {
    window.NewLayer();
    window.DrawGraph(graphs::SensitivityGraphIn(290, 189), 0);
  }
  const painter::QtFontMetrics fonts{graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall)};
  model::NullSink errors;
  graphs::GraphWindow window{300, 200, fonts, errors};
  const painter::MetafileFooter footer{"zefview", graphs::FooterPlacement::kBottomCentre};
};

TEST_F(GraphPictures, ClipboardOffersTheExportedPicturesUnderTheirMimeTypes) {
  const auto data = MimeDataFor(GraphClipboardPayload(window, fonts, footer));
  EXPECT_EQ(data->formats(), (QStringList{"application/x-qt-image", "image/png", "image/svg+xml",
                                          "image/emf", "image/x-emf"}));
  EXPECT_FALSE(data->hasText());
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(300, 200));

  // Byte for byte what the export writes to files.
  const fs::path folder = fs::temp_directory_path();
  for (const auto& [mime, name] : {std::pair{"image/png", "zef_clip.png"},
                                   {"image/svg+xml", "zef_clip.svg"},
                                   {"image/emf", "zef_clip.emf"},
                                   {"image/x-emf", "zef_clip.emf"}}) {
    std::string error;
    ASSERT_TRUE(painter::ExportGraph(window, folder / name, fonts, footer, error)) << error;
    EXPECT_EQ(data->data(mime).toStdString(), FileBytes(folder / name)) << mime;
    fs::remove(folder / name);
  }
}

TEST_F(GraphPictures, SavedWithTheChosenFiltersExtension) {
  const fs::path folder = fs::temp_directory_path() / "zef_save_graph";
  fs::create_directories(folder);
  app::testing::DesktopFake desktop;
  for (const auto& [chosen, filter, written] :
       {std::tuple{"graph.txt", "SVG-files (*.svg *.SVG)", "graph.svg"},
        {"graph", "EMF-files (*.emf *.EMF)", "graph.EMF"},
        {"graph.emf", "PNG-files (*.png *.PNG)", "graph.png"},
        {"graph.x", "PDF-files (*.pdf *.PDF)", "graph.pdf"}}) {
    EXPECT_TRUE(
        WriteChosenPicture(desktop, window, fonts, footer, (folder / chosen).string(), filter));
    EXPECT_TRUE(fs::exists(folder / written)) << written;
  }
  EXPECT_TRUE(desktop.boxes.empty());
  EXPECT_FALSE(WriteChosenPicture(desktop, window, fonts, footer,
                                  (folder / "absent" / "g.emf").string(),
                                  "EMF-files (*.emf *.EMF)"));
  EXPECT_EQ(desktop.boxes,
            (std::vector<app::testing::Box>{{'M', "Failed to make meta copy/file."}}));
  fs::remove_all(folder);
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
