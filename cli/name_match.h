#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "gamedata/tables.h"

namespace pricewright {

// A command line that asks for something the program cannot do: exit status 1.
class UsageError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The list entry that `name` names: "#N" for index N, otherwise the one entry
// equal to it regardless of case. An unknown or ambiguous name raises
// UsageError listing the close matches. `what` names the list: "prefix".
ListIndex matchEntry(const std::vector<std::string>& entries, std::string_view name, std::string_view what);

}  // namespace pricewright
