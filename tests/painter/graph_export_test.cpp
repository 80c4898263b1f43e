#include "painter/graph_export.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>

#include "case_file.h"
#include "graphs/graph_fixtures.h"
#include "model/message_sink.h"
#include "painter/qt_font_metrics.h"

namespace zef::painter {
namespace {

// A 360 x 240 graph 0..100 dB over the octave bands 63 Hz to 16 kHz.
class FramedGraphTest : public ::testing::Test {
 protected:
  FramedGraphTest() : fonts_(graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall)) {
    window_.NewLayer();
    window_.DrawGraph(graphs::SensitivityGraphIn(350, 229), 0);
  }

  model::NullSink errors_;
  QtFontMetrics fonts_;
  graphs::GraphWindow window_{360, 240, fonts_, errors_};
};

TEST(QtFontMetricsTest, MeasuresArialAsLiberationSans) {
  const QtFontMetrics fonts(graphs::GraphicsFont(graphs::GraphicsFontSize::kSmall));
  EXPECT_EQ(QFontInfo(fonts.Font(0)).family().toStdString(), "Liberation Sans");
  // Liberation Sans has Arial's widths: every digit is 0.556 em.
  EXPECT_EQ(std::tuple(fonts.Measure(0, "").width, fonts.Measure(0, "1000").width,
                       fonts.Measure(0, "1").height),
            std::tuple(0, 24, fonts.CharHeight(0)));
}

// The PNG as drawn, then the picture twice the size with twice the lines.
TEST_F(FramedGraphTest, PicturesShowTheFrameWhereTheLayoutPutsIt) {
  const QImage images[] = {
      QImage::fromData(RenderPicture(window_, PictureFormat::kPng, fonts_, {}), "PNG"),
      RenderImage(graphs::Picture{&window_, nullptr, 0, 360, 240, 720, 480}, fonts_)};
  for (const testing::Case& c : testing::ReadCases("painter/cases/pixels.txt")) {
    const QImage& image = images[c[1] == "2" ? 1 : 0];
    EXPECT_EQ(image.size(), QSize(360, 240) * std::stoi(c[1])) << c.where;
    const QRgb pixel = image.pixel(std::stoi(c[2]), std::stoi(c[2].substr(c[2].find(',') + 1)));
    EXPECT_EQ(QString::number(pixel & 0xFFFFFF, 16).toStdString(), c[3]) << c.where << " " << c[0];
  }
  const QByteArray emf = RenderPicture(graphs::Picture{&window_, nullptr, 0, 360, 240, 720, 480},
                                       PictureFormat::kEmf, fonts_, {});
  EXPECT_EQ(*reinterpret_cast<const std::int32_t*>(emf.constData() + 32), 720 * 2540 / 96 - 1);
}

TEST_F(FramedGraphTest, SvgIsWellFormedXmlOfThePictureSize) {
  const QByteArray svg = RenderPicture(window_, PictureFormat::kSvg, fonts_, {});
  QXmlStreamReader xml(svg);
  while (!xml.atEnd()) xml.readNext();
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_TRUE(svg.contains("<svg") && svg.contains("viewBox=\"0 0 360 240\""));
  // Nine band labels, eleven level labels, the two units and the title.
  EXPECT_EQ(svg.count("<text"), 9 + 11 + 3);
}

TEST_F(FramedGraphTest, ExportChoosesTheFormatByExtensionAndRefusesOthers) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zef_painter_test";
  std::filesystem::create_directories(dir);
  for (const testing::Case& c : testing::ReadCases("painter/cases/export.txt")) {
    std::string error;
    const bool written = ExportGraph(window_, dir / c[0], fonts_, {}, error);
    EXPECT_EQ(written ? "written" : error.substr(0, c[1].size()), c[1]) << c.where;
    std::ifstream in(dir / c[0], std::ios::binary);
    std::string head(4, '\0');
    in.read(head.data(), 4);
    EXPECT_EQ(in ? QByteArray(head.data(), 4).toHex().toStdString() : "-", c[2]) << c.where;
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zef::painter
