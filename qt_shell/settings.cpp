#include "qt_shell/settings.h"

#include "qt_shell/widget_builder.h"

namespace pricewright {

std::optional<std::string> QtSettingsStore::value(std::string_view key) const {
  const QVariant stored = settings_.value(toQString(key));
  // Only text is ever written; anything else was put there by someone else.
  if (stored.typeId() != QMetaType::QString) return std::nullopt;
  return stored.toString().toStdString();
}

void QtSettingsStore::setValue(std::string_view key, const std::string& value) {
  settings_.setValue(toQString(key), QString::fromStdString(value));
}

}  // namespace pricewright
