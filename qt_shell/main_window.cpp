#include "qt_shell/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>

#include <algorithm>
#include <stdexcept>
#include <type_traits>

#include "qt_shell/application_icon.h"
#include "qt_shell/widget_builder.h"
#include "shell/main_window_layout.h"

namespace pricewright {

MainWindow::MainWindow(Dialogs& dialogs, SettingsStore* settings)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      dialogs_(dialogs), settings_(settings) {
  auto* clientArea = new QWidget(this);
  setCentralWidget(clientArea);
  applyWindowSpec(*this, *clientArea, kMainWindow);
  buildControls(*clientArea, mainWindowControls());
  buildMenus(*menuBar(), mainWindowMenus());
  // The window is as large as its menu bar and client area, and no larger.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowIcon(applicationIcon());
  // Outside a dialog Qt's buttons ignore Enter; this one takes it while it has
  // the focus. It is no default or cancel button: Enter elsewhere and Esc
  // press nothing.
  control<QPushButton>(cmdGet).setAutoDefault(true);
  for (const AccessibleText& spoken : mainWindowAccessibleTexts()) {
    control<QWidget>(spoken.control).setAccessibleName(toQString(spoken.name));
    control<QWidget>(spoken.control).setAccessibleDescription(toQString(spoken.description));
  }
  wireEvents();
  setAcceptDrops(true);
  refreshRecentFiles();
}

MainWindow::~MainWindow() = default;

template <typename Control> Control& MainWindow::control(std::string_view name) const {
  static_assert(std::is_base_of_v<QObject, Control>);
  auto* found = findChild<Control*>(toQString(name));
  if (!found) throw std::logic_error("the main window's layout has no " + std::string(name));
  return *found;
}

void MainWindow::wireEvents() {
  for (const MenuSpec& item : mainWindowMenus())
    if (item.command != MenuCommand::OpensMenu && item.command != MenuCommand::RecentFiles)
      connect(&control<QAction>(item.name), &QAction::triggered, this, [this, item] { run(item.command); });
  // Picks by mouse or keyboard only: a selection set by the program runs nothing.
  for (const ControlSpec& row : mainWindowControls())
    if (row.kind == ControlKind::List)
      connect(&control<QComboBox>(row.name), &QComboBox::activated, this,
              [this, list = ListBox{row.name}] { session_.picked(list); });
  connect(&control<QCheckBox>(chkBase), &QCheckBox::clicked, this,
          [this] { session_.normalItemOnlyClicked(); });
  connect(&control<QPushButton>(cmdGet), &QPushButton::clicked, this, [this] { session_.getCostsPressed(); });
}

void MainWindow::run(MenuCommand command) {
  switch (command) {
  case MenuCommand::OpensMenu:
  case MenuCommand::RecentFiles: break;
  case MenuCommand::Open: session_.open(); break;
  case MenuCommand::Exit: exitProgram(); break;
  case MenuCommand::About: showAbout(); break;
  case MenuCommand::Details: showDetails(); break;
  }
}

void MainWindow::sessionChanged() {
  refreshDetails();
  refreshRecentFiles();
}

void MainWindow::refreshDetails() {
  if (!detailsWindow()) return;
  details_->showSettings(session_.shopSettings());
  details_->showTexts(session_.details());
}

void MainWindow::refreshRecentFiles() {
  auto& marker = control<QAction>("mnuRecent");
  auto* menu = qobject_cast<QWidget*>(marker.parent());
  for (QAction* old : recentFiles_) {
    menu->removeAction(old);
    old->deleteLater();  // it may be the action whose pick is running now
  }
  recentFiles_.clear();
  const std::vector<std::string>& paths = session_.recentFiles().paths();
  for (std::size_t index = 0; index < paths.size(); ++index) {
    // '&' would mark an access key; doubled it is shown as itself.
    auto* action =
        new QAction(QString::fromStdString(recentFileCaption(index, paths[index])).replace("&", "&&"), menu);
    connect(action, &QAction::triggered, this, [this, path = paths[index]] { session_.openFile(path); });
    menu->insertAction(&marker, action);
    recentFiles_.push_back(action);
  }
  marker.setVisible(!paths.empty());
}

DetailsWindow* MainWindow::detailsWindow() const {
  return details_ && details_->isVisible() ? details_.get() : nullptr;
}

void MainWindow::showDetails() {
  if (!detailsWindow()) {
    details_ = std::make_unique<DetailsWindow>(
        [this](std::string_view control, int shown) { session_.shopChoicePicked(control, shown); });
    details_->setGeometry(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, details_->size(), geometry()));
  }
  details_->showSettings(session_.shopSettings());
  details_->showTexts(session_.details());
  details_->show();
  details_->raise();
  details_->activateWindow();
}

void MainWindow::openFile(const QString& path) { session_.openFile(path.toStdString()); }

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.size() == 1 && urls.front().isLocalFile() &&
      urls.front().toLocalFile().endsWith(".exe", Qt::CaseInsensitive))
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  event->acceptProposedAction();
  openFile(event->mimeData()->urls().front().toLocalFile());
}

void MainWindow::showAtStart() {
  adjustSize();
  setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
  if (const std::optional<PixelRect> place = settings_ ? rememberedPlace(*settings_) : std::nullopt) {
    std::vector<PixelRect> screens;
    for (const QScreen* each : QGuiApplication::screens()) {
      const QRect area = each->availableGeometry();
      screens.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    const PixelRect kept =
        placeOnScreens({place->left, place->top, frameGeometry().width(), frameGeometry().height()}, screens);
    move(kept.left, kept.top);
  }
  control<QComboBox>(cboPrefix.name).setFocus();
  show();
}

void MainWindow::openAtStart(const std::optional<QString>& named) {
  session_.openAtStart(named ? std::optional(named->toStdString()) : std::nullopt);
}

void MainWindow::rememberPlace() {
  if (settings_) pricewright::rememberPlace(*settings_, {x(), y(), width(), height()});
}

void MainWindow::closeEvent(QCloseEvent* event) {
  rememberPlace();
  QMainWindow::closeEvent(event);
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
  rememberPlace();
  session_.closeFile();
  if (about_) about_->close();
  if (details_) details_->close();
  close();
  QCoreApplication::quit();
}

void MainWindow::clearList(ListBox list) {
  auto& combo = control<QComboBox>(list.name);
  combo.clear();
  combo.clearEditText();
}

void MainWindow::appendEntry(ListBox list, const std::string& text) {
  // Qt selects the first entry put into an empty list; appending must not.
  auto& combo = control<QComboBox>(list.name);
  const int selected = combo.currentIndex();
  combo.addItem(QString::fromStdString(text));
  combo.setCurrentIndex(selected);
}

ListIndex MainWindow::selectedIndex(ListBox list) const {
  return static_cast<ListIndex>(control<QComboBox>(list.name).currentIndex());
}

void MainWindow::setSelectedIndex(ListBox list, ListIndex index) {
  control<QComboBox>(list.name).setCurrentIndex(index);
}

std::string MainWindow::text(TextBox box) const { return control<QLineEdit>(box.name).text().toStdString(); }

void MainWindow::setText(TextBox box, const std::string& text) {
  // Show a long price from its first digit, not scrolled to its end.
  auto& edit = control<QLineEdit>(box.name);
  edit.setText(QString::fromStdString(text));
  edit.setCursorPosition(0);
  // A long price is cut off in its box; the tooltip shows it whole.
  if (std::ranges::find(kPriceBoxes, box) != kPriceBoxes.end()) edit.setToolTip(edit.text());
}

std::int16_t MainWindow::chkBaseValue() const { return control<QCheckBox>(chkBase).isChecked() ? 1 : 0; }

void MainWindow::showFileOpenDialog(const FileDialogSettings& settings) {
  // Nothing chosen yet: the dialog starts in the folder of the last file opened.
  const QString start = chosenFileName_.isEmpty()
                            ? QString::fromStdString(session_.recentFiles().dialogFolder())
                            : chosenFileName_;
  if (std::optional<QString> chosen = dialogs_.openFileName(this, settings, start)) chosenFileName_ = *chosen;
}

std::string MainWindow::chosenFileName() const { return chosenFileName_.toStdString(); }

void MainWindow::setChosenFileName(const std::string& path) {
  chosenFileName_ = QString::fromStdString(path);
}

void MainWindow::showMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  dialogs_.message(this, QString::fromStdString(text), QString::fromStdString(title), icon);
}

std::string MainWindow::decimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

}  // namespace pricewright
