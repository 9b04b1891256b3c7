#include "pricing/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "gamedata/error.h"

namespace pricewright {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The text rewritten for std::from_chars, which knows neither the locale's
// separator nor a leading '+', and what decides between overflow and underflow
// when from_chars finds the value out of range.
struct DecimalNumber {
  std::string chars;
  bool negative = false;
  // The power of ten of the first significant digit plus one: from_chars finds
  // a huge value and a tiny one alike out of range, and this tells them apart.
  std::int64_t magnitude = 0;
};

std::optional<DecimalNumber> parsed(std::string_view text, std::string_view separator) {
  DecimalNumber number;
  std::size_t i = 0;
  const auto at = [&](std::size_t index) { return index < text.size() ? text[index] : '\0'; };

  if (at(i) == '+' || at(i) == '-') {
    number.negative = at(i) == '-';
    if (number.negative) number.chars.push_back('-');
    ++i;
  }
  std::size_t mantissaDigits = 0;
  bool significant = false;        // a digit other than 0 has been seen
  std::int64_t integerDigits = 0;  // from the first significant one
  std::int64_t fractionZeros = 0;  // after the separator, before the first significant digit
  for (; isDigit(at(i)); ++i, ++mantissaDigits) {
    number.chars.push_back(text[i]);
    significant = significant || text[i] != '0';
    if (significant) ++integerDigits;
  }
  if (!separator.empty() && text.substr(i).starts_with(separator)) {
    number.chars.push_back('.');
    for (i += separator.size(); isDigit(at(i)); ++i, ++mantissaDigits) {
      number.chars.push_back(text[i]);
      significant = significant || text[i] != '0';
      if (!significant) ++fractionZeros;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;

  std::int64_t exponent = 0;
  if (at(i) == 'e' || at(i) == 'E') {
    number.chars.push_back('e');
    ++i;
    const bool negativeExponent = at(i) == '-';
    if (at(i) == '+' || at(i) == '-') number.chars.push_back(text[i++]);
    if (!isDigit(at(i))) return std::nullopt;
    for (; isDigit(at(i)); ++i) {
      number.chars.push_back(text[i]);
      if (exponent < 1'000'000) exponent = exponent * 10 + (text[i] - '0');
    }
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;
  number.magnitude = (integerDigits > 0 ? integerDigits : -fractionZeros) + exponent;
  return number;
}

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

double numberFromText(std::string_view text, std::string_view decimalSeparator, std::string_view source) {
  const auto described = [&](std::string_view verdict) {
    return std::string(source) + " \"" + std::string(text) + "\" " + std::string(verdict);
  };
  const std::optional<DecimalNumber> number = parsed(trimmed(text), decimalSeparator);
  if (!number) throw RuntimeError(ErrorNumber::TypeMismatch, described("is not a number."));

  double value = 0;
  const char* const end = number->chars.data() + number->chars.size();
  const auto [stop, error] = std::from_chars(number->chars.data(), end, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    if (number->magnitude <= 0) return number->negative ? -0.0 : 0.0;
    throw RuntimeError(ErrorNumber::Overflow, described("is beyond the range of a number."));
  }
  if (error != std::errc{} || stop != end)
    throw RuntimeError(ErrorNumber::TypeMismatch, described("is not a number."));
  return value;
}

std::string plainNumberText(double value, std::string_view decimalSeparator) {
  if (value == 0) return "0";  // -0.0 included
  const RoundedDecimal decimal = rounded(std::abs(value));
  const bool plain = decimal.exponent >= kLowestPlainExponent && decimal.exponent <= kHighestPlainExponent;
  return (value < 0 ? "-" : "") +
         (plain ? plainForm(decimal, decimalSeparator) : exponentForm(decimal, decimalSeparator));
}

std::string groupedNumber(std::int64_t value) {
  std::string digits =
      std::to_string(value < 0 ? -static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value));
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), ",");
  return (value < 0 ? "-" : "") + digits;
}

}  // namespace pricewright
