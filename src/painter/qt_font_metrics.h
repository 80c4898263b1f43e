#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <string_view>

#include "graphs/font_metrics.h"
#include "graphs/graph_fonts.h"

namespace zef::painter {

// Measures with the real graphics font (every font index is that font).
// Needs a QGuiApplication, which owns the font database.
class QtFontMetrics final : public graphs::FontMetrics {
 public:
  explicit QtFontMetrics(const graphs::GraphFont& font);

  graphs::TextSize Measure(int font, std::string_view text) const override;
  int CharHeight(int font) const override;

  const QFont& Font(int /*font*/) const { return font_; }
  const graphs::GraphFont& Description() const { return description_; }
  double Ascent() const { return metrics_.ascent(); }

 private:
  graphs::GraphFont description_;
  QFont font_;
  QFontMetricsF metrics_;
};

}  // namespace zef::painter
