#pragma once

#include <QSettings>

#include "shell/settings_store.h"

namespace pricewright {

// The settings in Qt's own place for them: on Linux the user's configuration
// folder (XDG), Pricewright/Pricewright.conf. A file that is missing,
// unreadable or nonsense reads as no values.
class QtSettingsStore final : public SettingsStore {
public:
  QtSettingsStore() : settings_("Pricewright", "Pricewright") {}

  std::optional<std::string> value(std::string_view key) const override;
  void setValue(std::string_view key, const std::string& value) override;

private:
  QSettings settings_;
};

}  // namespace pricewright
