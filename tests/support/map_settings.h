#pragma once

#include <map>
#include <string>

#include "shell/settings_store.h"

namespace pricewright::tests {

// Settings in memory, as a shell's store would keep them.
class MapSettings final : public SettingsStore {
public:
  std::map<std::string, std::string, std::less<>> values;

  std::optional<std::string> value(std::string_view key) const override {
    const auto found = values.find(key);
    return found == values.end() ? std::nullopt : std::optional(found->second);
  }
  void setValue(std::string_view key, const std::string& value) override { values[std::string(key)] = value; }
};

}  // namespace pricewright::tests
