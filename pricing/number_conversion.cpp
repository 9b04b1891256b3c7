#include "pricing/number_conversion.h"

#include <charconv>
#include <cstdint>
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

}  // namespace pricewright
