#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <iostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/export_request.h"
#include "app/file_names.h"
#include "gui/export_mode.h"
#include "gui/main_window.h"
#include "painter/headless.h"

namespace {

zef::gui::StartUp StartUpOf(std::span<const std::string_view> args) {
  zef::gui::StartUp startUp;
  startUp.paths.configDir =
      QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toStdString();
  startUp.paths.programDir = QCoreApplication::applicationDirPath().toStdString();
  startUp.paths.executable = QCoreApplication::applicationFilePath().toStdString();
  startUp.paths.editor = qEnvironmentVariable("ZEF_EDITOR").toStdString();
  if (startUp.paths.configDir.empty()) startUp.paths.configDir = startUp.paths.programDir;
  startUp.file = zef::app::CommandLineFile(args);
  startUp.decimalComma = QLocale().decimalPoint() == QChar(',');
  return startUp;
}

// Debugging aid: `zefview --screenshot OUT.png WxH IDS FILE` opens FILE in a
// window of that size, presses the controls IDS ("12,15", "m62" for a menu
// command, or "-") and saves
// the window's picture.
int Screenshot(std::span<const std::string_view> args) {
  if (args.size() < 4) return 2;
  const std::string out(args[0]);
  const std::string size(args[1]);
  zef::gui::MainWindow window(StartUpOf(args.subspan(3)));
  window.resize(std::stoi(size), std::stoi(size.substr(size.find('x') + 1)));
  window.show();
  QApplication::processEvents();  // laid out, so a pop-up finds its button where it is shown
  for (const QString& id : QString::fromUtf8(args[2].data(), args[2].size()).split(',')) {
    if (id.startsWith('m')) {
      window.Menu(id.mid(1).toInt());
    } else if (id.toInt() > 0) {
      window.Control(id.toInt());
    }
  }
  QApplication::processEvents();
  return window.grab().save(QString::fromStdString(out)) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << "zefview [FILE]: the ZEF reader/viewer\n" << zef::app::ExportUsage();
    return 0;
  }
  if (!args.empty() && args[0] == "--export") {
    zef::painter::UseOffscreenWithoutDisplay();
    QGuiApplication app(argc, argv);
    return zef::gui::RunExport(std::span(args).subspan(1), std::cerr);
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("zefview");
  if (!args.empty() && args[0] == "--screenshot") return Screenshot(std::span(args).subspan(1));
  zef::gui::MainWindow window(StartUpOf(args));
  window.show();
  return QApplication::exec();
}
