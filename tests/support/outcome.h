#pragma once

#include <string>
#include <type_traits>

#include "gamedata/error.h"

namespace pricewright::tests {

// An error as the tests compare it: "Overflow (6)", then what failed.
inline std::string errorText(const RuntimeError& error, bool withWhatFailed = true) {
  return std::string(error.description()) + " (" + std::to_string(static_cast<int>(error.number())) + ")" +
         (withWhatFailed ? ": " + error.whatFailed() : "");
}

// What `operation` returns, as text, or the error it raised without what failed.
template <typename Operation> std::string outcome(Operation operation) {
  try {
    if constexpr (std::is_same_v<decltype(operation()), std::string>)
      return operation();
    else
      return std::to_string(operation());
  } catch (const RuntimeError& error) {
    return errorText(error, false);
  }
}

// The whole error that `operation` raised, or "no error".
template <typename Operation> std::string errorOf(Operation operation) {
  try {
    operation();
  } catch (const RuntimeError& error) {
    return errorText(error);
  }
  return "no error";
}

}  // namespace pricewright::tests
