#include "app/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <stdexcept>
#include <utility>

#include "app/application_icon.h"
#include "app/layout_table.h"
#include "app/main_window_layout.h"
#include "app/widget_builder.h"
#include "gamedata/error.h"
#include "gamedata/file_open.h"
#include "pricing/get_costs.h"
#include "pricing/range_hints.h"

namespace pricewright {

namespace {
using SelectionOperation = void (*)(const OpenExecutable&, Window&);

// A pick in these lists shows the picked record's range; a pick in the base
// item list runs nothing.
constexpr std::array<std::pair<ListBox, SelectionOperation>, 3> kSelectionOperations{{
    {ListBox::cboPrefix, &prefixSelected},
    {ListBox::cboSuffix, &suffixSelected},
    {ListBox::cboSpell, &spellSelected},
}};

template <typename Control> Control* child(const QObject& window, std::string_view name) {
  auto* found = window.findChild<Control*>(toQString(name));
  if (!found) throw std::logic_error("the main window's layout has no " + std::string(name));
  return found;
}
}  // namespace

MainWindow::MainWindow(Dialogs& dialogs)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs) {
  auto* clientArea = new QWidget(this);
  setCentralWidget(clientArea);
  applyWindowSpec(*this, *clientArea, kMainWindow);
  buildControls(*clientArea, mainWindowControls());
  buildMenus(*menuBar(), mainWindowMenus());
  // The window is as large as its menu bar and client area, and no larger.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowIcon(applicationIcon());

  for (ListBox each : kListBoxes)
    lists_[static_cast<std::size_t>(each)] = child<QComboBox>(*this, controlName(each));
  for (TextBox each : kTextBoxes)
    boxes_[static_cast<std::size_t>(each)] = child<QLineEdit>(*this, controlName(each));
  chkBase_ = child<QCheckBox>(*this, "chkBase");
  cmdGet_ = child<QPushButton>(*this, "cmdGet");
  // Outside a dialog Qt's buttons ignore Enter; this one takes it while it has
  // the focus. It is no default or cancel button: Enter elsewhere and Esc
  // press nothing.
  cmdGet_->setAutoDefault(true);
  wireEvents();
}

MainWindow::~MainWindow() = default;

void MainWindow::wireEvents() {
  connect(child<QAction>(*this, "mnuOpen"), &QAction::triggered, this,
          [this] { run([this] { fileOpen(executable_, *this); }); });
  connect(child<QAction>(*this, "mnuExit"), &QAction::triggered, this, &MainWindow::exitProgram);
  connect(child<QAction>(*this, "mnuAbout"), &QAction::triggered, this, &MainWindow::showAbout);
  // Picks by mouse or keyboard only: a selection set by the program runs nothing.
  for (const auto& selection : kSelectionOperations) {
    const SelectionOperation operation = selection.second;
    connect(&list(selection.first), &QComboBox::activated, this,
            [this, operation] { run([this, operation] { operation(executable_, *this); }); });
  }
  connect(chkBase_, &QCheckBox::clicked, this, [this] { run([this] { plainItemChosen(*this); }); });
  connect(cmdGet_, &QPushButton::clicked, this, [this] { run([this] { getCosts(executable_, *this); }); });
}

void MainWindow::run(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const RuntimeError& error) {
    // Unlike the classic run-time error, this one does not end the program: a
    // typo in a value box must not cost the player the loaded file.
    showMessage(error.what(), "Error", MessageIcon::Warning);
  }
}

void MainWindow::showCentred() {
  adjustSize();
  setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
  list(ListBox::cboPrefix).setFocus();
  show();
}

AboutWindow* MainWindow::aboutWindow() const {
  return about_ && about_->isVisible() ? about_.get() : nullptr;
}

void MainWindow::showAbout() {
  if (!aboutWindow()) {
    about_ = std::make_unique<AboutWindow>();
    about_->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, about_->size(), geometry()));
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

void MainWindow::exitProgram() {
  executable_.reset();
  if (about_) about_->close();
  close();
  QCoreApplication::quit();
}

void MainWindow::clearList(ListBox which) {
  list(which).clear();
  list(which).clearEditText();
}

void MainWindow::appendEntry(ListBox which, const std::string& text) {
  // Qt selects the first entry put into an empty list; appending must not.
  QComboBox& combo = list(which);
  const int selected = combo.currentIndex();
  combo.addItem(QString::fromStdString(text));
  combo.setCurrentIndex(selected);
}

ListIndex MainWindow::selectedIndex(ListBox which) const {
  return static_cast<ListIndex>(list(which).currentIndex());
}

void MainWindow::setSelectedIndex(ListBox which, ListIndex index) { list(which).setCurrentIndex(index); }

std::string MainWindow::text(TextBox which) const { return box(which).text().toStdString(); }

void MainWindow::setText(TextBox which, const std::string& text) {
  // Show a long price from its first digit, not scrolled to its end.
  box(which).setText(QString::fromStdString(text));
  box(which).setCursorPosition(0);
}

std::int16_t MainWindow::chkBaseValue() const { return chkBase_->isChecked() ? 1 : 0; }

void MainWindow::showFileOpenDialog(const FileDialogSettings& settings) {
  if (std::optional<QString> chosen = dialogs_.openFileName(this, settings, chosenFileName_))
    chosenFileName_ = *chosen;
}

std::string MainWindow::chosenFileName() const { return chosenFileName_.toStdString(); }

void MainWindow::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  dialogs_.message(this, QString::fromStdString(text), QString::fromStdString(title), icon);
}

std::string MainWindow::decimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

}  // namespace pricewright
