#include "qt_shell/application_icon.h"

#include <QDir>

// Resources of a static library are registered by hand, outside any namespace.
static void registerIconResources() { Q_INIT_RESOURCE(icons); }

namespace pricewright {

QIcon applicationIcon() {
  registerIconResources();
  QIcon icon;
  for (const char* size : {"16", "32"}) icon.addFile(QString(":/pricewright-%1.png").arg(size));
  return icon;
}

}  // namespace pricewright
