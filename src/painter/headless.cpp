#include "painter/headless.h"

#include <QByteArray>
#include <QtGlobal>

namespace zef::painter {

void UseOffscreenWithoutDisplay() {
  if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  }
}

}  // namespace zef::painter
