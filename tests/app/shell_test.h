#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "tests/app/fake_dialogs.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright::testing {

// The main window as the program starts it, with dialogs that answer at once.
class ShellTest : public ::testing::Test {
protected:
  FakeDialogs dialogs;
  MainWindow window{dialogs};
  TemporaryDirectory directory;

  void start() {
    window.showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  template <typename Control = QWidget> Control& control(std::string_view name) {
    auto* found =
        window.findChild<Control*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (!found) throw std::runtime_error("no control named " + std::string(name));
    return *found;
  }
  QComboBox& list(ListBox which) { return control<QComboBox>(controlName(which)); }
  QLineEdit& box(TextBox which) { return control<QLineEdit>(controlName(which)); }

  QAction& action(const char* name) { return control<QAction>(name); }

  // Writes `file` and opens it through File > Open.
  QString open(const GameFileFixture& file, const char* name = "DIABLO.EXE") {
    QString path = QString::fromStdString(directory.file(name).string());
    file.writeTo(directory.file(name));
    dialogs.fileAnswers.emplace_back(path);
    action("mnuOpen").trigger();
    return path;
  }
};

// One step of a scripted run: what to do, and when after the start.
struct Step {
  std::chrono::milliseconds at;
  std::function<void()> action;
};

// Runs the program's event loop through `steps`. True when the program ended
// by itself within the time limit.
inline bool programEnds(const std::vector<Step>& steps,
                        std::chrono::milliseconds limit = std::chrono::seconds(5)) {
  std::vector<std::unique_ptr<QTimer>> timers;
  for (const Step& step : steps) {
    auto& timer = timers.emplace_back(std::make_unique<QTimer>());
    timer->setSingleShot(true);
    QObject::connect(timer.get(), &QTimer::timeout, step.action);
    timer->start(step.at);
  }
  bool timedOut = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    timedOut = true;
    QCoreApplication::exit(1);
  });
  guard.start(limit);
  QApplication::exec();
  return !timedOut;
}

}  // namespace pricewright::testing
