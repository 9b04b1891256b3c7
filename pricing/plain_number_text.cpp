#include "pricing/plain_number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <type_traits>

namespace pricewright {

namespace {
constexpr int kSignificantDigits = 15;
// Magnitudes from 1E-04 up to below 1E+15 are written without an exponent.
constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = kSignificantDigits - 1;

struct RoundedDecimal {
  std::string digits;  // significant digits, no trailing zeros, at least one
  int exponent = 0;    // the power of ten of the first digit
};

RoundedDecimal rounded(double magnitude) {
  // "d.dddddddddddddde+XX": std::to_chars rounds correctly and ignores the C locale.
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                    kSignificantDigits - 1);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = text.find('e');
  RoundedDecimal decimal;
  decimal.digits.push_back(text[0]);
  decimal.digits.append(text.substr(2, e - 2));
  decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
  const std::string_view exponent = text.substr(e + (text[e + 1] == '+' ? 2 : 1));
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.exponent);
  return decimal;
}

std::string exponentForm(const RoundedDecimal& decimal, std::string_view separator) {
  std::string text(1, decimal.digits[0]);
  if (decimal.digits.size() > 1) text.append(separator).append(decimal.digits, 1);
  const int exponent = std::abs(decimal.exponent);
  text += decimal.exponent < 0 ? "E-" : "E+";
  if (exponent < 10) text += '0';
  return text + std::to_string(exponent);
}

std::string plainForm(const RoundedDecimal& decimal, std::string_view separator) {
  const std::string& digits = decimal.digits;
  if (decimal.exponent < 0)
    return "0" + std::string(separator) + std::string(static_cast<std::size_t>(-decimal.exponent - 1), '0') +
           digits;
  const auto integerDigits = static_cast<std::size_t>(decimal.exponent) + 1;
  if (digits.size() <= integerDigits) return digits + std::string(integerDigits - digits.size(), '0');
  return digits.substr(0, integerDigits) + std::string(separator) + digits.substr(integerDigits);
}
}  // namespace

std::string plainNumberText(double value, std::string_view decimalSeparator) {
  if (value == 0) return "0";  // -0.0 included
  const RoundedDecimal decimal = rounded(std::abs(value));
  const bool plain = decimal.exponent >= kLowestPlainExponent && decimal.exponent <= kHighestPlainExponent;
  return (value < 0 ? "-" : "") +
         (plain ? plainForm(decimal, decimalSeparator) : exponentForm(decimal, decimalSeparator));
}

std::string plainNumberText(const CalcValue& value, std::string_view decimalSeparator) {
  return std::visit(
      [&](const auto& v) -> std::string {
        using Kind = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<Kind, CalcValue::Empty>)
          return "";
        else if constexpr (std::is_same_v<Kind, TypedText>)
          return v.text;
        else if constexpr (std::is_same_v<Kind, double>)
          return plainNumberText(v, decimalSeparator);
        else
          return std::to_string(v);
      },
      value.variant());
}

}  // namespace pricewright
