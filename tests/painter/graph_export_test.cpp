#include "painter/graph_export.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QXmlStreamReader>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "graphs/graph_fixtures.h"
#include "model/message_sink.h"
#include "painter/qt_font_metrics.h"

namespace zef::painter {
namespace {

// A framed graph 0..100 dB over the octave bands 63 Hz to 16 kHz.
class FramedGraphTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 360;
  static constexpr int kHeight = 240;

  FramedGraphTest() : fonts_(graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall)) {
    window_.NewLayer();
    window_.DrawGraph(graphs::SensitivityGraphIn(kWidth - 10, kHeight - 11), 0);
  }

  model::NullSink errors_;
  QtFontMetrics fonts_;
  graphs::GraphWindow window_{kWidth, kHeight, fonts_, errors_};
};

TEST(QtFontMetricsTest, MeasuresArialAsLiberationSans) {
  const QtFontMetrics fonts(graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall));
  EXPECT_EQ(QFontInfo(fonts.Font(0)).family().toStdString(), "Liberation Sans");
  // Liberation Sans has Arial's widths: every digit is 0.556 em.
  EXPECT_EQ(std::tuple(fonts.Measure(0, "").width, fonts.Measure(0, "1000").width,
                       fonts.Measure(0, "1").height),
            std::tuple(0, 24, fonts.CharHeight(0)));
}

TEST_F(FramedGraphTest, PngHasTheSizeAndTheFrameWhereTheLayoutPutsIt) {
  const QByteArray png = RenderPicture(window_, PictureFormat::kPng, fonts_, {});
  const QImage image = QImage::fromData(png, "PNG");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(kWidth, kHeight));

  const graphs::GraphFrame& f = window_.Frame();
  const QRgb white = qRgb(255, 255, 255);
  // Between grid lines, which run up to the frame's sides.
  const int middleY = window_.WorldToDevice(0, 45).y;
  const int middleX = window_.WorldToDevice(4.5, 0).x;
  EXPECT_EQ(image.pixel(f.x0, middleY), qRgb(0, 0, 0)) << "left side";
  EXPECT_EQ(image.pixel(f.x0 + f.plotWidth, middleY), qRgb(0, 0, 0)) << "right side";
  EXPECT_EQ(image.pixel(middleX, f.y0 - f.plotHeight), qRgb(0, 0, 0)) << "top side";
  EXPECT_EQ(image.pixel(kWidth - 1, kHeight - 1), white);
  // The 50 dB grid line is grey, the space between grid lines white.
  const graphs::PixelPoint grid = window_.WorldToDevice(0.75, 50);
  EXPECT_EQ(image.pixel(grid.x, grid.y), qRgb(0xC8, 0xC8, 0xC8));
  EXPECT_EQ(image.pixel(grid.x, grid.y - 2), white);
}

// Twice the size, twice the lines: the layout is drawn magnified.
TEST_F(FramedGraphTest, MagnifiedPictureScalesLinesAndMetafileSize) {
  const graphs::Picture picture{&window_, nullptr, 0, kWidth, kHeight, 2 * kWidth, 2 * kHeight};
  const QImage image = RenderImage(picture, fonts_);
  ASSERT_EQ(image.size(), QSize(2 * kWidth, 2 * kHeight));
  const graphs::GraphFrame& f = window_.Frame();
  const int middleY = 2 * window_.WorldToDevice(0, 45).y;
  for (const int x : {2 * f.x0, 2 * f.x0 + 1}) EXPECT_EQ(image.pixel(x, middleY), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(2 * f.x0 + 2, middleY), qRgb(255, 255, 255));

  const QByteArray emf = RenderPicture(picture, PictureFormat::kEmf, fonts_, {});
  std::int32_t frameRight = 0;
  std::memcpy(&frameRight, emf.constData() + 32, 4);
  EXPECT_EQ(frameRight, 2 * kWidth * 2540 / 96 - 1);  // 0.01 mm at 96 dpi
}

TEST_F(FramedGraphTest, SvgIsWellFormedXmlOfThePictureSize) {
  const QByteArray svg = RenderPicture(window_, PictureFormat::kSvg, fonts_, {});
  QXmlStreamReader xml(svg);
  QString rootName;
  QString viewBox;
  int texts = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (rootName.isEmpty()) {
      rootName = xml.name().toString();
      viewBox = xml.attributes().value("viewBox").toString();
    }
    if (xml.name() == QStringLiteral("text")) ++texts;
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ((rootName + " " + viewBox).toStdString(), "svg 0 0 360 240");
  // Nine band labels, eleven level labels, the two units and the title.
  EXPECT_EQ(texts, 9 + 11 + 3);
}

TEST_F(FramedGraphTest, ExportChoosesTheFormatByExtensionAndRefusesOthers) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zef_painter_test";
  std::filesystem::create_directories(dir);
  for (const auto& [name, magic] : {std::pair{"graph.png", std::string_view("\x89PNG")},
                                    {"graph.SVG", "<?xml"},
                                    {"graph.pdf", "%PDF-"},
                                    {"graph.Emf", std::string_view("\x01\0\0\0", 4)}}) {
    std::string error;
    ASSERT_TRUE(ExportGraph(window_, dir / name, fonts_, {}, error)) << error;
    std::ifstream in(dir / name, std::ios::binary);
    std::string head(magic.size(), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    EXPECT_EQ(head, magic) << name;
  }
  std::string error;
  EXPECT_FALSE(ExportGraph(window_, dir / "graph.bmp", fonts_, {}, error));
  EXPECT_EQ(error, "Unknown picture format \".bmp\" (use .png, .svg, .pdf or .emf)");
  EXPECT_FALSE(std::filesystem::exists(dir / "graph.bmp"));
  EXPECT_FALSE(ExportGraph(window_, dir / "missing" / "graph.png", fonts_, {}, error));
  EXPECT_EQ(error.rfind("Cannot write ", 0), 0u) << error;
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zef::painter
