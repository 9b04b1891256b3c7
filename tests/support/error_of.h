#pragma once

#include <gtest/gtest.h>

#include "gamedata/error.h"

namespace pricewright::testing {

// Runs `operation` and returns the RuntimeError it raised; a test failure
// when it raised none.
template <typename Operation> RuntimeError errorOf(Operation operation) {
  try {
    operation();
  } catch (const RuntimeError& error) {
    return error;
  }
  ADD_FAILURE() << "expected a RuntimeError";
  return RuntimeError(ErrorNumber::Overflow, "none raised");
}

}  // namespace pricewright::testing
