#include "gamedata/name_text.h"

#include <algorithm>
#include <array>
#include <string>

namespace pricewright {

namespace {
// Windows-1252 at 0x80 to 0x9F; the five bytes it leaves undefined map to the
// C1 controls of the same value, as Windows itself maps them. 0xA0 to 0xFF are
// the Latin-1 characters of the same value.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char16_t c) {
  if (c <= 0x7F) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}
}  // namespace

std::string nameFieldToText(std::string_view field) {
  field = field.substr(0, field.find('\0'));
  std::string text;
  text.reserve(field.size());
  for (char byte : field) {
    const auto code = static_cast<unsigned char>(byte);
    appendUtf8(text, code >= 0x80 && code < 0xA0 ? kHighControls[code - 0x80] : char16_t{code});
  }
  return text;
}

std::string lowercased(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(),
                         [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return lower;
}

std::string blankSignedText(std::int32_t value) { return (value >= 0 ? " " : "") + std::to_string(value); }

std::string placeholderEntry(ListIndex recordIndex) { return blankSignedText(recordIndex) + "-None"; }

}  // namespace pricewright
