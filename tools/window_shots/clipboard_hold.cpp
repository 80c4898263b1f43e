// clipboard-hold FILE [TABLE]: puts the polar diagram of FILE's first band on
// the clipboard as the viewer's Copy commands do (or, with a second argument,
// its sensitivity table as text) and keeps it there until another program
// takes the clipboard over or a minute has passed, so real programs can paste it.
#include <QApplication>
#include <QClipboard>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#include "app/clipboard_tables.h"
#include "app/lower_graph.h"
#include "app/open_flow.h"
#include "gui/desktop_platform.h"
#include "gui/graph_clipboard.h"
#include "gui/qt_clipboard.h"
#include "model/message_sink.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: clipboard-hold FILE [table]\n");
    return 2;
  }
  QWidget owner;
  zef::gui::DesktopPlatform platform(owner, [](int) {});
  zef::model::NullSink errors;
  zef::app::ListWindowLines lines(zef::app::ListWindowLines::kErrorRules);
  zef::app::DataSetHolder holder;
  if (!zef::app::OpenDataFile(argv[1], holder, {platform, lines}).loaded) return 1;

  zef::app::ClipboardPayload payload;
  const zef::painter::QtFontMetrics fonts(
      zef::graphs::GraphicsFont(zef::graphs::GraphicsFontSize::kSmall));
  if (argc > 2) {
    payload = zef::app::TextPayload(zef::app::SensitivityTable(*holder.Loaded(), argv[1], false));
  } else {
    zef::graphs::GraphWindow window(640, 480, fonts, errors);
    std::string error;
    if (!zef::app::BuildLowerGraph({}, holder, false, window, error)) return 1;
    const auto meta = zef::app::MetaPayload(zef::gui::QtGraphRenderer(fonts), window,
                                            zef::graphs::FooterPlacement::kBottomRight);
    if (!meta) return 1;
    payload = *meta;
  }
  zef::gui::PutOnClipboard(payload);
  std::printf("on the clipboard\n");
  std::fflush(stdout);
  QObject::connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, &application,
                   &QApplication::quit);
  QTimer::singleShot(60000, &application, &QApplication::quit);
  return application.exec();
}
