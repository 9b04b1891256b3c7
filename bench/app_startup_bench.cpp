// Start-up to the first shown main window: building the window from its
// layout, centring it and showing it until the display has exposed it. The
// first window of the process, with the application object and the font
// database, is timed once and reported as the cold start.
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QWindow>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include "qt_shell/dialogs.h"
#include "qt_shell/main_window.h"

namespace pricewright {
namespace {

template <typename ShownWindow> bool waitUntilExposed(ShownWindow& window) {
  QElapsedTimer waited;
  waited.start();
  while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  return window.windowHandle() && window.windowHandle()->isExposed();
}

bool showUntilExposed(MainWindow& window) {
  window.showAtStart();
  return waitUntilExposed(window);
}

// The process's peak resident memory so far, in MiB.
double peakMemoryMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void BM_StartUpToShownMainWindow(benchmark::State& state) {
  ModalDialogs dialogs;
  for (auto _ : state) {
    MainWindow window(dialogs);
    if (!showUntilExposed(window)) state.SkipWithError("the main window was never exposed");
  }
  state.counters["peak_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_StartUpToShownMainWindow)->Unit(benchmark::kMillisecond);

// The yardstick: an empty Qt main window of the same size, shown the same way.
void BM_EmptyQtMainWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    QMainWindow window;
    window.resize(656, 177);
    window.show();
    if (!waitUntilExposed(window)) state.SkipWithError("the empty window was never exposed");
  }
}
BENCHMARK(BM_EmptyQtMainWindowShown)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pricewright

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QElapsedTimer cold;
  cold.start();
  QApplication application(argc, argv);
  {
    pricewright::ModalDialogs dialogs;
    pricewright::MainWindow first(dialogs);
    if (!pricewright::showUntilExposed(first)) return 1;
  }
  benchmark::AddCustomContext("cold_start_ms",
                              std::to_string(static_cast<double>(cold.nsecsElapsed()) / 1e6));

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
