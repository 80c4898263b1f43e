#include <QGuiApplication>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/export_request.h"
#include "gui/export_mode.h"
#include "painter/headless.h"

// Only the headless export mode exists so far; the windows follow.
int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << zef::app::ExportUsage();
    return 0;
  }
  if (args.empty() || args[0] != "--export") {
    std::cerr << "zefview: only the export mode is available: zefview --export ...\n"
              << zef::app::ExportUsage();
    return zef::gui::kExportUsage;
  }
  zef::painter::UseOffscreenWithoutDisplay();
  QGuiApplication app(argc, argv);
  return zef::gui::RunExport(std::span(args).subspan(1), std::cerr);
}
