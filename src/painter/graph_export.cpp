#include "painter/graph_export.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <string_view>

#include "emf/emf_canvas.h"
#include "model/atomic_file.h"
#include "painter/qpainter_canvas.h"

namespace zef::painter {
namespace {

// Pixels are taken at the usual screen resolution for the vector formats.
constexpr int kDotsPerInch = 96;

// The painter draws the sheet's units magnified to the picture's pixels.
void Paint(QPaintDevice& device, const graphs::Picture& picture, const QtFontMetrics& fonts) {
  QPainter painter(&device);
  painter.scale(picture.ScaleX(), picture.ScaleY());
  QPainterCanvas canvas(painter, fonts);
  picture.Replay(canvas);
  painter.end();
}

QByteArray Png(const graphs::Picture& picture, const QtFontMetrics& fonts) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  RenderImage(picture, fonts).save(&buffer, "PNG");
  return bytes;
}

QByteArray Svg(const graphs::Picture& picture, const QtFontMetrics& fonts) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(picture.pixelWidth, picture.pixelHeight));
  generator.setViewBox(QRect(0, 0, picture.pixelWidth, picture.pixelHeight));
  generator.setResolution(kDotsPerInch);
  generator.setTitle(QStringLiteral("zefview graph"));
  Paint(generator, picture, fonts);
  return bytes;
}

QByteArray Pdf(const graphs::Picture& picture, const QtFontMetrics& fonts) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kDotsPerInch);
  writer.setCreator(QStringLiteral("zefview"));
  const QSizeF points(picture.pixelWidth * 72.0 / kDotsPerInch,
                      picture.pixelHeight * 72.0 / kDotsPerInch);
  writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0)));
  Paint(writer, picture, fonts);
  return bytes;
}

// A metafile keeps the sheet's units and says how large they print: its
// reference device has fewer dots an inch the more the picture magnifies.
QByteArray Emf(const graphs::Picture& picture, const QtFontMetrics& fonts,
               const MetafileFooter& footer) {
  emf::EmfCanvas canvas(fonts, {.dpi = kDotsPerInch / picture.ScaleX(),
                                .font = fonts.Description(),
                                .footer = footer.text,
                                .footerPlacement = footer.placement});
  picture.Replay(canvas);
  const std::vector<std::uint8_t>& bytes = canvas.Bytes();
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QImage RenderImage(const graphs::Picture& picture, const QtFontMetrics& fonts) {
  QImage image(std::max(picture.pixelWidth, 1), std::max(picture.pixelHeight, 1),
               QImage::Format_RGB32);
  image.fill(ToQColor(graphs::kBackgroundColour));
  Paint(image, picture, fonts);
  return image;
}

QImage RenderImage(const graphs::GraphWindow& window, const QtFontMetrics& fonts) {
  return RenderImage(graphs::Picture::Bare(window), fonts);
}

QByteArray RenderPicture(const graphs::Picture& picture, PictureFormat format,
                         const QtFontMetrics& fonts, const MetafileFooter& footer) {
  switch (format) {
    case PictureFormat::kPng:
      return Png(picture, fonts);
    case PictureFormat::kSvg:
      return Svg(picture, fonts);
    case PictureFormat::kPdf:
      return Pdf(picture, fonts);
    case PictureFormat::kEmf:
      return Emf(picture, fonts, footer);
  }
  return {};
}

QByteArray RenderPicture(const graphs::GraphWindow& window, PictureFormat format,
                         const QtFontMetrics& fonts, const MetafileFooter& footer) {
  return RenderPicture(graphs::Picture::Bare(window), format, fonts, footer);
}

bool ExportGraph(const graphs::GraphWindow& window, const std::filesystem::path& path,
                 const QtFontMetrics& fonts, const MetafileFooter& footer, std::string& error) {
  return ExportPicture(graphs::Picture::Bare(window), path, fonts, footer, error);
}

bool ExportPicture(const graphs::Picture& picture, const std::filesystem::path& path,
                   const QtFontMetrics& fonts, const MetafileFooter& footer, std::string& error) {
  const std::optional<PictureFormat> format = PictureFormatOf(path);
  if (!format) {
    error = "Unknown picture format \"" + path.extension().string() +
            "\" (use .png, .svg, .pdf or .emf)";
    return false;
  }
  const QByteArray bytes = RenderPicture(picture, *format, fonts, footer);
  if (bytes.isEmpty()) {
    error = "Failed to render " + path.string();
    return false;
  }
  return model::WriteFileAtomically(
      path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error);
}

}  // namespace zef::painter
