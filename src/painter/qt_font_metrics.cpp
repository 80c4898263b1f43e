#include "painter/qt_font_metrics.h"

#include <QString>
#include <cmath>

namespace zef::painter {
namespace {

QFont MakeFont(const graphs::GraphFont& font) {
  QFont result(QString::fromUtf8(font.family.data(), static_cast<qsizetype>(font.family.size())));
  result.setPixelSize(font.pixelSize);
  // Fontconfig maps "Arial" to Liberation Sans; a style hint keeps any
  // machine without it on a sans-serif face.
  result.setStyleHint(QFont::SansSerif);
  return result;
}

}  // namespace

QtFontMetrics::QtFontMetrics(const graphs::GraphFont& font)
    : description_(font), font_(MakeFont(font)), metrics_(font_) {}

graphs::TextSize QtFontMetrics::Measure(int font, std::string_view text) const {
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  return {static_cast<int>(std::lround(metrics_.horizontalAdvance(qtext))), CharHeight(font)};
}

int QtFontMetrics::CharHeight(int /*font*/) const {
  return static_cast<int>(std::lround(metrics_.height()));
}

}  // namespace zef::painter
