#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

#include "gamedata/error.h"

namespace pricewright {

// Typed text that stays text until arithmetic needs its number; it carries what
// reading it as a number needs and what to name when it is not one.
struct TypedText {
  std::string text;
  std::string decimalSeparator;
  std::string source;  // "The Spell Charges"

  bool operator==(const TypedText&) const = default;
};

// A value that carries its kind through the price arithmetic: empty, 16-bit
// integer, 32-bit integer, double or text. Integer results widen instead of
// overflowing (16-bit to 32-bit to double); doubles never leave the range of a
// double. Equal values have the same kind and the same value.
class CalcValue {
public:
  using Empty = std::monostate;
  using Variant = std::variant<Empty, std::int16_t, std::int32_t, double, TypedText>;

  CalcValue() = default;
  explicit CalcValue(std::int16_t value) : value_(value) {}
  explicit CalcValue(std::int32_t value) : value_(value) {}
  explicit CalcValue(double value) : value_(value) {}
  explicit CalcValue(TypedText text) : value_(std::move(text)) {}

  const Variant& variant() const { return value_; }
  bool isEmpty() const { return std::holds_alternative<Empty>(value_); }

  bool operator==(const CalcValue&) const = default;

private:
  Variant value_;
};

// A double result beyond the range of a double. The price calculation catches
// it to name the quantity that overflowed; uncaught it is still an Overflow.
class CalcOverflow : public RuntimeError {
public:
  CalcOverflow();
};

// Empty is 0: a sum with one empty operand is the other operand, kind included;
// in the other operations it is the 16-bit integer 0. A text operand is read as
// a double first (Type mismatch when it is not a number). Two integers give the
// wider integer kind, widened further when the exact result does not fit; a
// double operand gives a double; a quotient is always a double. A double result
// out of range raises CalcOverflow, and so does a zero divisor, which no price
// formula has.
CalcValue operator+(const CalcValue& a, const CalcValue& b);
CalcValue operator*(const CalcValue& a, const CalcValue& b);
CalcValue operator/(const CalcValue& a, const CalcValue& b);
// Compares the numeric values, whatever their kinds.
bool operator>(const CalcValue& a, const CalcValue& b);

}  // namespace pricewright
