#pragma once

#include <QDialog>

namespace pricewright {

// The About window: modeless, ownerless and without a task-bar button; OK is
// both its default and its cancel button, so Enter and Esc close it as well.
class AboutWindow : public QDialog {
  Q_OBJECT

public:
  AboutWindow();
};

}  // namespace pricewright
