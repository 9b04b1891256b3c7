#pragma once

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <stdexcept>

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

  template <typename Control = QWidget> Control& control(const char* name) {
    auto* found = window.findChild<Control*>(name);
    if (!found) throw std::runtime_error(std::string("no control named ") + name);
    return *found;
  }

  QAction& action(const char* name) { return control<QAction>(name); }

  // Writes `file` and opens it through File > Open.
  QString open(const GameFileFixture& file, const char* name = "DIABLO.EXE") {
    const QString path = QString::fromStdString(directory.file(name).string());
    file.writeTo(directory.file(name));
    dialogs.fileAnswers.push_back(path);
    action("mnuOpen").trigger();
    return path;
  }
};

// Runs the program's event loop with `steps` queued on it. True when the
// program ended by itself within the time limit. Timers in `steps` should
// use `context`, so that none outlives the test.
inline bool programEnds(QObject& context, const std::function<void()>& steps,
                        std::chrono::milliseconds limit = std::chrono::seconds(5)) {
  bool timedOut = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    timedOut = true;
    QCoreApplication::exit(1);
  });
  guard.start(limit);
  QTimer::singleShot(0, &context, steps);
  QApplication::exec();
  return !timedOut;
}

}  // namespace pricewright::testing
