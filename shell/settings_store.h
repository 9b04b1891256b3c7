#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pricewright {

// Where a shell keeps the little Pricewright remembers between runs: Qt's
// settings in the user's configuration folder on Linux, the registry under
// HKEY_CURRENT_USER\Software\Pricewright on Windows. Values are UTF-8 texts.
// Reading never fails: a value missing or unreadable comes back as none.
class SettingsStore {
public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> value(std::string_view key) const = 0;
  // Writing may fail unseen: settings are a convenience, never worth an error.
  virtual void setValue(std::string_view key, const std::string& value) = 0;
};

}  // namespace pricewright
