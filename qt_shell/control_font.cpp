#include "qt_shell/control_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace pricewright {

namespace {
constexpr qreal kPointSize = 8.25;

// Closest first: the classic dialog font, its TrueType successor, then
// metric-compatible and common sans-serifs.
const QStringList& preferredFamilies() {
  static const QStringList families{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial",
                                    "DejaVu Sans"};
  return families;
}

QString installedFamily() {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : preferredFamilies())
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}
}  // namespace

QFont controlFont(FontWeight weight) {
  static const QString family = installedFamily();
  QFont font(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(kPointSize);
  font.setWeight(weight == FontWeight::Bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace pricewright
