// Start-up to the first shown main window: building the window from its
// layout, centring it and showing it until the display has exposed it. The
// first window of the process, with the application object and the font
// database, is timed once and reported as the cold start.
#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <benchmark/benchmark.h>

#include "app/dialogs.h"
#include "app/main_window.h"

namespace pricewright {
namespace {

bool showUntilExposed(MainWindow& window) {
  window.showCentred();
  QElapsedTimer waited;
  waited.start();
  while (!(window.windowHandle() && window.windowHandle()->isExposed()) && waited.elapsed() < 5000)
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  return window.windowHandle() && window.windowHandle()->isExposed();
}

void BM_StartUpToShownMainWindow(benchmark::State& state) {
  ModalDialogs dialogs;
  for (auto _ : state) {
    MainWindow window(dialogs);
    if (!showUntilExposed(window)) state.SkipWithError("the main window was never exposed");
  }
}
BENCHMARK(BM_StartUpToShownMainWindow)->Unit(benchmark::kMillisecond);

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
