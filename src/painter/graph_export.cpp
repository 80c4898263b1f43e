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

QByteArray Png(const graphs::GraphWindow& window, const QtFontMetrics& fonts) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  RenderImage(window, fonts).save(&buffer, "PNG");
  return bytes;
}

QByteArray Svg(const graphs::GraphWindow& window, const QtFontMetrics& fonts) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(window.Width(), window.Height()));
  generator.setViewBox(QRect(0, 0, window.Width(), window.Height()));
  generator.setResolution(kDotsPerInch);
  generator.setTitle(QStringLiteral("zefview graph"));
  QPainter painter(&generator);
  QPainterCanvas canvas(painter, fonts);
  window.Replay(canvas);
  painter.end();
  return bytes;
}

QByteArray Pdf(const graphs::GraphWindow& window, const QtFontMetrics& fonts) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  writer.setResolution(kDotsPerInch);
  writer.setCreator(QStringLiteral("zefview"));
  const QSizeF points(window.Width() * 72.0 / kDotsPerInch, window.Height() * 72.0 / kDotsPerInch);
  writer.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0)));
  QPainter painter(&writer);
  QPainterCanvas canvas(painter, fonts);
  window.Replay(canvas);
  painter.end();
  return bytes;
}

QByteArray Emf(const graphs::GraphWindow& window, const QtFontMetrics& fonts,
               const MetafileFooter& footer) {
  emf::EmfCanvas canvas(fonts, {.dpi = kDotsPerInch,
                                .font = fonts.Description(),
                                .footer = footer.text,
                                .footerPlacement = footer.placement});
  window.Replay(canvas);
  const std::vector<std::uint8_t>& bytes = canvas.Bytes();
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QImage RenderImage(const graphs::GraphWindow& window, const QtFontMetrics& fonts) {
  QImage image(std::max(window.Width(), 1), std::max(window.Height(), 1), QImage::Format_RGB32);
  image.fill(ToQColor(graphs::kBackgroundColour));
  QPainter painter(&image);
  QPainterCanvas canvas(painter, fonts);
  window.Replay(canvas);
  painter.end();
  return image;
}

QByteArray RenderPicture(const graphs::GraphWindow& window, PictureFormat format,
                         const QtFontMetrics& fonts, const MetafileFooter& footer) {
  switch (format) {
    case PictureFormat::kPng:
      return Png(window, fonts);
    case PictureFormat::kSvg:
      return Svg(window, fonts);
    case PictureFormat::kPdf:
      return Pdf(window, fonts);
    case PictureFormat::kEmf:
      return Emf(window, fonts, footer);
  }
  return {};
}

bool ExportGraph(const graphs::GraphWindow& window, const std::filesystem::path& path,
                 const QtFontMetrics& fonts, const MetafileFooter& footer, std::string& error) {
  const std::optional<PictureFormat> format = PictureFormatOf(path);
  if (!format) {
    error = "Unknown picture format \"" + path.extension().string() +
            "\" (use .png, .svg, .pdf or .emf)";
    return false;
  }
  const QByteArray bytes = RenderPicture(window, *format, fonts, footer);
  if (bytes.isEmpty()) {
    error = "Failed to render " + path.string();
    return false;
  }
  return model::WriteFileAtomically(
      path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), error);
}

}  // namespace zef::painter
