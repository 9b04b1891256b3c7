#include "pricing/calc_value.h"

#include <cmath>
#include <functional>
#include <limits>
#include <type_traits>

#include "pricing/number_conversion.h"

namespace pricewright {

CalcOverflow::CalcOverflow()
    : RuntimeError(ErrorNumber::Overflow, "A calculated value is beyond the range of a double.") {}

namespace {
// An operand as arithmetic sees it: empty is the 16-bit 0, text its number.
using Number = std::variant<std::int16_t, std::int32_t, double>;

Number numeric(const CalcValue& value) {
  return std::visit(
      [](const auto& v) -> Number {
        using Kind = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<Kind, CalcValue::Empty>)
          return std::int16_t{0};
        else if constexpr (std::is_same_v<Kind, TypedText>)
          return numberFromText(v.text, v.decimalSeparator, v.source);
        else
          return v;
      },
      value.variant());
}

double asDouble(const Number& number) {
  return std::visit([](auto v) { return static_cast<double>(v); }, number);
}

bool isDouble(const Number& number) { return std::holds_alternative<double>(number); }

CalcValue checkedDouble(double result) {
  if (!std::isfinite(result)) throw CalcOverflow();
  return CalcValue(result);
}

template <typename Int> bool fits(std::int64_t exact) {
  return exact >= std::numeric_limits<Int>::min() && exact <= std::numeric_limits<Int>::max();
}

// The exact integer result in the narrowest kind allowed: never narrower than
// the wider operand, a double when it does not fit 32 bits.
CalcValue widened(std::int64_t exact, bool sixteenBitAllowed) {
  if (sixteenBitAllowed && fits<std::int16_t>(exact)) return CalcValue(static_cast<std::int16_t>(exact));
  if (fits<std::int32_t>(exact)) return CalcValue(static_cast<std::int32_t>(exact));
  return CalcValue(static_cast<double>(exact));
}

template <typename IntegerOperation, typename DoubleOperation>
CalcValue combined(const Number& a, const Number& b, IntegerOperation integerOperation,
                   DoubleOperation doubleOperation) {
  if (isDouble(a) || isDouble(b)) return checkedDouble(doubleOperation(asDouble(a), asDouble(b)));
  const auto exact = [](const Number& n) {
    return std::visit([](auto v) { return static_cast<std::int64_t>(v); }, n);
  };
  const bool bothSixteenBit =
      std::holds_alternative<std::int16_t>(a) && std::holds_alternative<std::int16_t>(b);
  // 32-bit operands: the exact sum or product fits 64 bits.
  return widened(integerOperation(exact(a), exact(b)), bothSixteenBit);
}
}  // namespace

CalcValue operator+(const CalcValue& a, const CalcValue& b) {
  if (a.isEmpty()) return b;
  if (b.isEmpty()) return a;
  return combined(numeric(a), numeric(b), std::plus<std::int64_t>{}, std::plus<double>{});
}

CalcValue operator*(const CalcValue& a, const CalcValue& b) {
  return combined(numeric(a), numeric(b), std::multiplies<std::int64_t>{}, std::multiplies<double>{});
}

CalcValue operator/(const CalcValue& a, const CalcValue& b) {
  return checkedDouble(asDouble(numeric(a)) / asDouble(numeric(b)));
}

bool operator>(const CalcValue& a, const CalcValue& b) {
  // Every integer kind is exact as a double, so one comparison serves all kinds.
  return asDouble(numeric(a)) > asDouble(numeric(b));
}

}  // namespace pricewright
