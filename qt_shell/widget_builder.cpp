#include "qt_shell/widget_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <vector>

#include "qt_shell/application_icon.h"
#include "qt_shell/control_font.h"

namespace pricewright {

namespace {
QRect pixelRect(int left, int top, int width, int height) {
  return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

// Fixed colours go into the widget's own palette, so that no desktop theme,
// light or dark, can change them. Styles draw a check box's caption in the
// window-text role although its foreground role is button text, so both get it.
void applyColours(QWidget& widget, Colour foreground, Colour background) {
  QPalette palette = widget.palette();
  if (foreground) {
    palette.setColor(QPalette::WindowText, toQColor(*foreground));
    palette.setColor(widget.foregroundRole(), toQColor(*foreground));
  }
  if (background) {
    palette.setColor(QPalette::Window, toQColor(*background));
    palette.setColor(widget.backgroundRole(), toQColor(*background));
    widget.setAutoFillBackground(true);
  }
  widget.setPalette(palette);
}

QWidget* makeLabel(const ControlSpec& row, QWidget& parent) {
  auto* label = new QLabel(toQString(row.caption), &parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(row.kind == ControlKind::WrappingLabel);
  return label;
}

QWidget* makeList(QWidget& parent) {
  // Typing is allowed but never becomes an entry, and entries keep the order
  // in which they were added, so an entry's index stays its record's index.
  auto* list = new QComboBox(&parent);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  return list;
}

QWidget* makePicture(const ControlSpec& row, QWidget& parent) {
  auto* picture = new QLabel(&parent);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(applicationIcon().pixmap(QSize(pixels(row.width), pixels(row.height))));
  return picture;
}

QWidget* makeControl(const ControlSpec& row, QWidget& parent) {
  switch (row.kind) {
  case ControlKind::Label:
  case ControlKind::WrappingLabel: return makeLabel(row, parent);
  case ControlKind::List: return makeList(parent);
  case ControlKind::PickList: return new QComboBox(&parent);
  case ControlKind::TextBox: return new QLineEdit(&parent);
  case ControlKind::Button: return new QPushButton(toQString(row.caption), &parent);
  case ControlKind::CheckBox: return new QCheckBox(toQString(row.caption), &parent);
  case ControlKind::Picture: return makePicture(row, parent);
  }
  return nullptr;
}

// One member of a line array: a widget just large enough for its pen, which
// draws the line in the client area's coordinates.
class LineControl : public QWidget {
public:
  LineControl(const LineSpec& row, QWidget& parent)
      : QWidget(&parent),
        line_(exactPixels(row.x1), exactPixels(row.y1), exactPixels(row.x2), exactPixels(row.y2)),
        pen_(toQColor(row.colour), row.pixelWidth, Qt::SolidLine, Qt::FlatCap) {
    setObjectName(toQString(row.name));
    setProperty("index", row.index);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const qreal margin = row.pixelWidth;
    setGeometry(QRectF(line_.p1(), line_.p2())
                    .normalized()
                    .adjusted(-margin, -margin, margin, margin)
                    .toAlignedRect());
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.translate(-pos());
    painter.setPen(pen_);
    painter.drawLine(line_);
  }

private:
  QLineF line_;
  QPen pen_;
};
}  // namespace

void applyWindowSpec(QWidget& window, QWidget& clientArea, const WindowSpec& layout) {
  window.setObjectName(toQString(layout.name));
  window.setWindowTitle(toQString(layout.caption));
  clientArea.setFixedSize(pixels(layout.clientWidth), pixels(layout.clientHeight));
  QPalette palette = clientArea.palette();
  palette.setColor(QPalette::Window, toQColor(layout.background));
  clientArea.setPalette(palette);
  clientArea.setAutoFillBackground(true);
}

void buildControls(QWidget& clientArea, std::span<const ControlSpec> controls) {
  // Qt's tab order is the order of creation, so controls are made in tab order.
  std::vector<const ControlSpec*> inTabOrder(controls.size());
  std::ranges::transform(controls, inTabOrder.begin(), [](const ControlSpec& row) { return &row; });
  std::ranges::stable_sort(inTabOrder, {}, &ControlSpec::tabIndex);
  for (const ControlSpec* row : inTabOrder) {
    QWidget* control = makeControl(*row, clientArea);
    control->setObjectName(toQString(row->name));
    control->setFont(controlFont(row->weight));
    applyColours(*control, row->foreground, row->background);
    control->setGeometry(pixelRect(row->left, row->top, row->width, row->height));
    // A one-line label fits itself to its caption in the font at hand.
    if (row->kind == ControlKind::Label) control->adjustSize();
  }
}

void buildLines(QWidget& clientArea, std::span<const LineSpec> lines) {
  for (const LineSpec& row : lines) new LineControl(row, clientArea);
}

void buildMenus(QMenuBar& menuBar, std::span<const MenuSpec> menus) {
  // Plain roles: no platform may move "About" or "Exit" elsewhere.
  const auto addItem = [](QWidget& owner, const MenuSpec& row) {
    // The recent files go before a separator that marks their place.
    QAction* action = row.command == MenuCommand::RecentFiles ? new QAction(&owner)
                                                              : owner.addAction(toQString(row.caption));
    if (row.command == MenuCommand::RecentFiles) {
      action->setSeparator(true);
      owner.addAction(action);
    }
    action->setObjectName(toQString(row.name));
    action->setMenuRole(QAction::NoRole);
    if (!row.shortcut.empty()) action->setShortcut(QKeySequence(toQString(row.shortcut)));
  };
  for (const MenuSpec& entry : menus) {
    if (!entry.menu.empty()) continue;
    const auto isItem = [&](const MenuSpec& item) { return item.menu == entry.name; };
    if (std::ranges::none_of(menus, isItem)) {
      addItem(menuBar, entry);
      continue;
    }
    QMenu* menu = menuBar.addMenu(toQString(entry.caption));
    menu->setObjectName(toQString(entry.name));
    for (const MenuSpec& item : menus)
      if (isItem(item)) addItem(*menu, item);
  }
}

}  // namespace pricewright
