// The window's figures: opening the file to a painted list, and a row change
// with the panels painted again, in the Qt window (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <iostream>
#include <memory>
#include <string>

#include "app/application.h"
#include "ui/qt/qt_window.h"

namespace {

using velkarin::app::Application;
using velkarin::ui::QtWindow;

// The window with the application bound to it, shown and opened on a file.
struct OpenWindow {
  QtWindow window;
  Application app{window};

  explicit OpenWindow(const std::string& path) {
    window.Bind(app);
    window.Start();
    window.OpenFile(path);
    window.repaint();  // paints now, list and panels included
  }
};

void WindowOpen(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    auto opened = std::make_unique<OpenWindow>(path);
    benchmark::DoNotOptimize(opened.get());
    state.PauseTiming();
    opened.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

void WindowRowChange(benchmark::State& state, const std::string& path) {
  OpenWindow opened(path);
  const int rows = 100000;
  int k = 0;
  for (auto _ : state) {
    opened.window.ListSetCurrentRow(static_cast<int>((std::int64_t{++k} * 7919 + 1) % rows));
    opened.window.repaint();
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  if (argc != 2) {
    std::cerr << "usage: velkarin_window_bench DIR [benchmark options]\n";
    return 64;
  }
  const std::string big = std::string(argv[1]) + "/bench-256.data";
  benchmark::RegisterBenchmark("window_open/256", WindowOpen, big)
      ->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(5)->ReportAggregatesOnly(true);
  benchmark::RegisterBenchmark("window_row_change/256", WindowRowChange, big)
      ->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
