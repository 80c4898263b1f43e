#pragma once

#include <benchmark/benchmark.h>

#include <QByteArray>

// Runs the benchmarks inside the Qt application they need (QGuiApplication
// for painting, QApplication for windows), without a display.
template <class Application>
int RunQtBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
