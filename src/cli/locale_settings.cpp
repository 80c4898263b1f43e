#include "cli/locale_settings.h"

#include <clocale>

namespace zef::cli {

bool LocaleUsesDecimalComma() {
  bool comma = false;
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const std::lconv* conv = std::localeconv();
    comma = conv != nullptr && conv->decimal_point != nullptr && conv->decimal_point[0] == ',';
  }
  std::setlocale(LC_NUMERIC, "C");
  return comma;
}

}  // namespace zef::cli
