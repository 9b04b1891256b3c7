#include "app/widget_builder.h"

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

#include "app/application_icon.h"
#include "app/control_font.h"

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
    palette.setColor(QPalette::WindowText, QColor(*foreground));
    palette.setColor(widget.foregroundRole(), QColor(*foreground));
  }
  if (background) {
    palette.setColor(QPalette::Window, QColor(*background));
    palette.setColor(widget.backgroundRole(), QColor(*background));
    widget.setAutoFillBackground(true);
  }
  widget.setPalette(palette);
}

QWidget* makeLabel(const ControlSpec& spec, QWidget& parent) {
  auto* label = new QLabel(toQString(spec.caption), &parent);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(spec.kind == ControlKind::WrappingLabel);
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

QWidget* makePicture(const ControlSpec& spec, QWidget& parent) {
  auto* picture = new QLabel(&parent);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(applicationIcon().pixmap(QSize(pixels(spec.width), pixels(spec.height))));
  return picture;
}

QWidget* makeControl(const ControlSpec& spec, QWidget& parent) {
  switch (spec.kind) {
  case ControlKind::Label:
  case ControlKind::WrappingLabel: return makeLabel(spec, parent);
  case ControlKind::List: return makeList(parent);
  case ControlKind::TextBox: return new QLineEdit(&parent);
  case ControlKind::Button: return new QPushButton(toQString(spec.caption), &parent);
  case ControlKind::CheckBox: return new QCheckBox(toQString(spec.caption), &parent);
  case ControlKind::Picture: return makePicture(spec, parent);
  }
  return nullptr;
}

// One member of a line array: a widget just large enough for its pen, which
// draws the line in the client area's coordinates.
class LineControl : public QWidget {
public:
  LineControl(const LineSpec& spec, QWidget& parent)
      : QWidget(&parent),
        line_(exactPixels(spec.x1), exactPixels(spec.y1), exactPixels(spec.x2), exactPixels(spec.y2)),
        pen_(QColor(spec.colour), spec.pixelWidth, Qt::SolidLine, Qt::FlatCap) {
    setObjectName(toQString(spec.name));
    setProperty("index", spec.index);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const qreal margin = spec.pixelWidth;
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

void applyWindowSpec(QWidget& window, QWidget& clientArea, const WindowSpec& spec) {
  window.setObjectName(toQString(spec.name));
  window.setWindowTitle(toQString(spec.caption));
  clientArea.setFixedSize(pixels(spec.clientWidth), pixels(spec.clientHeight));
  QPalette palette = clientArea.palette();
  palette.setColor(QPalette::Window, QColor(spec.background));
  clientArea.setPalette(palette);
  clientArea.setAutoFillBackground(true);
}

void buildControls(QWidget& clientArea, std::span<const ControlSpec> controls) {
  // Qt's tab order is the order of creation, so controls are made in tab order.
  std::vector<const ControlSpec*> inTabOrder(controls.size());
  std::ranges::transform(controls, inTabOrder.begin(), [](const ControlSpec& spec) { return &spec; });
  std::ranges::stable_sort(inTabOrder, {}, &ControlSpec::tabIndex);
  for (const ControlSpec* spec : inTabOrder) {
    QWidget* control = makeControl(*spec, clientArea);
    control->setObjectName(toQString(spec->name));
    control->setFont(controlFont(spec->weight));
    applyColours(*control, spec->foreground, spec->background);
    control->setGeometry(pixelRect(spec->left, spec->top, spec->width, spec->height));
    // A one-line label fits itself to its caption in the font at hand.
    if (spec->kind == ControlKind::Label) control->adjustSize();
  }
}

void buildLines(QWidget& clientArea, std::span<const LineSpec> lines) {
  for (const LineSpec& spec : lines) new LineControl(spec, clientArea);
}

void buildMenus(QMenuBar& menuBar, std::span<const MenuSpec> menus) {
  // Plain roles: no platform may move "About" or "Exit" elsewhere.
  const auto addItem = [](QWidget& owner, const MenuSpec& spec) {
    QAction* action = owner.addAction(toQString(spec.caption));
    action->setObjectName(toQString(spec.name));
    action->setMenuRole(QAction::NoRole);
    if (!spec.shortcut.empty()) action->setShortcut(QKeySequence(toQString(spec.shortcut)));
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
