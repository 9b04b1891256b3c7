#pragma once

#include <cstdint>
#include <limits>
#include <optional>

namespace pricewright {

// Fixed-width integer arithmetic that never wraps: a result outside the type's
// range is no result, and the caller raises Overflow naming what it computed.
// Every operand is at most 32 bits wide, so the exact result fits 64 bits.

template <typename Int> constexpr std::optional<Int> narrowTo(std::int64_t exact) {
  static_assert(sizeof(Int) <= 4, "operands must fit 32 bits");
  if (exact < std::numeric_limits<Int>::min() || exact > std::numeric_limits<Int>::max()) return std::nullopt;
  return static_cast<Int>(exact);
}

template <typename Int> constexpr std::optional<Int> checkedAdd(Int a, Int b) {
  return narrowTo<Int>(std::int64_t{a} + std::int64_t{b});
}

template <typename Int> constexpr std::optional<Int> checkedSub(Int a, Int b) {
  return narrowTo<Int>(std::int64_t{a} - std::int64_t{b});
}

template <typename Int> constexpr std::optional<Int> checkedMul(Int a, Int b) {
  return narrowTo<Int>(std::int64_t{a} * std::int64_t{b});
}

}  // namespace pricewright
