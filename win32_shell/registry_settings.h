#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/settings_store.h"

namespace pricewright {

// The key the Windows program keeps its settings under, in HKEY_CURRENT_USER.
inline constexpr wchar_t kSettingsKey[] = L"Software\\Pricewright";

// Settings as REG_SZ values under kSettingsKey. A value that is missing,
// unreadable or of another type reads as none; a failed write is let go.
class RegistrySettings final : public SettingsStore {
public:
  std::optional<std::string> value(std::string_view key) const override;
  void setValue(std::string_view key, const std::string& value) override;
};

}  // namespace pricewright
