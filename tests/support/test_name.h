#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace pricewright::testing {

// A readable GoogleTest parameter name from a case description: "file ends
// early" becomes "FileEndsEarly".
inline std::string testName(std::string_view description) {
  std::string result;
  bool upper = true;
  for (char c : description) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      result.push_back(upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c);
      upper = false;
    } else {
      upper = true;
    }
  }
  return result;
}

}  // namespace pricewright::testing
