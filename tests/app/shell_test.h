#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string_view>

#include "app/main_window.h"
#include "tests/app/fake_dialogs.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright::testing {

// Where the priced item lies in each table.
inline constexpr ListIndex kBase = 7, kPrefix = 5, kSuffix = 2, kSpell = 3;

// The item: base price 100; prefix 21..30 costing 1000..2000, multiplier 2;
// suffix 5..5 costing 300, multiplier 1; spell 10..40 charges worth 80 each.
// Its prices stay inside every shop's limit.
inline GameFileFixture itemFile() {
  GameFileFixture file;
  const auto affix = [&](const TableLayout& table, ListIndex index, std::array<std::int32_t, 5> values) {
    const std::array fields{&kEffectMin, &kEffectMax, &kCostMin, &kCostMax, &kPriceMultiplier};
    for (std::size_t i = 0; i < fields.size(); ++i) file.setField(table, *fields[i], index, values[i]);
  };
  affix(kPrefixTable, kPrefix, {21, 30, 1000, 2000, 2});
  affix(kSuffixTable, kSuffix, {5, 5, 300, 300, 1});
  file.setField(kBaseItemTable, kBasePrice, kBase, 100);
  file.setField(kSpellTable, kChargesMin, kSpell, 10);
  file.setField(kSpellTable, kChargesMax, kSpell, 40);
  file.setField(kSpellTable, kChargeValue, kSpell, 80);
  for (const SingleValueLayout* limit : {&kGriswoldLimit, &kWirtLimit, &kAdriaLimit})
    file.setLimit(*limit, 1'000'000);
  return file;
}

// The main window as the program starts it, with dialogs that answer at once.
class ShellTest : public ::testing::Test {
protected:
  FakeDialogs dialogs;
  MainWindow window{dialogs};
  TemporaryDirectory directory;

  void SetUp() override {
    window.showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  template <typename Control = QWidget> Control& control(std::string_view name) {
    auto* found = window.findChild<Control*>(QString::fromUtf8(name.data(), std::ssize(name)));
    if (!found) throw std::runtime_error("no control named " + std::string(name));
    return *found;
  }
  QComboBox& list(ListBox which) { return control<QComboBox>(controlName(which)); }
  QLineEdit& box(TextBox which) { return control<QLineEdit>(controlName(which)); }
  QAction& action(const char* name) { return control<QAction>(name); }

  // Writes `file` and makes it the next file-open dialog's answer.
  QString answerWith(const GameFileFixture& file, const char* name = "DIABLO.EXE") {
    file.writeTo(directory.file(name));
    return *dialogs.fileAnswers.emplace_back(QString::fromStdString(directory.file(name).string()));
  }
  // Writes `file` and opens it through File > Open.
  QString open(const GameFileFixture& file, const char* name = "DIABLO.EXE") {
    QString path = answerWith(file, name);
    action("mnuOpen").trigger();
    return path;
  }
  // Opens `file` and describes the item as the program would select it: 25
  // typed for the prefix, 5 for the suffix and 25 charges.
  std::filesystem::path openItem(const GameFileFixture& file = itemFile(), const char* name = "DIABLO.EXE") {
    const QString path = open(file, name);
    for (auto [which, index] : {std::pair{ListBox::cboBase, kBase},
                                {ListBox::cboPrefix, kPrefix},
                                {ListBox::cboSuffix, kSuffix},
                                {ListBox::cboSpell, kSpell}})
      list(which).setCurrentIndex(index);
    for (auto [which, text] :
         {std::pair{TextBox::txtPreEff, "25"}, {TextBox::txtSufEff, "5"}, {TextBox::txtCharge, "25"}})
      box(which).setText(text);
    return path.toStdString();
  }
  // Presses Get Costs and returns the message boxes it showed.
  std::vector<std::string> pressGetCosts() {
    dialogs.calls.clear();
    QTest::mouseClick(&control<QPushButton>("cmdGet"), Qt::LeftButton);
    return dialogs.messages();
  }
};

// Runs the program's event loop from `start`. True when the program ended by
// itself within five seconds.
inline bool programEnds(const std::function<void()>& start) {
  QTimer starter;
  QTimer guard;
  bool timedOut = false;
  starter.setSingleShot(true);
  starter.callOnTimeout(start);
  guard.callOnTimeout([&] {
    timedOut = true;
    QCoreApplication::exit(1);
  });
  starter.start(0);
  guard.start(std::chrono::seconds(5));
  QApplication::exec();
  return !timedOut;
}

}  // namespace pricewright::testing
