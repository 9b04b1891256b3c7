#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "gamedata/tables.h"

namespace pricewright {

// A name field cut before its first zero byte, its bytes taken as Windows-1252
// (the game's players' character set) and returned as UTF-8.
std::string nameFieldToText(std::string_view field);

// Whether `byte` continues a character that UTF-8 writes in several bytes.
constexpr bool continuesUtf8Character(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// `text` with its letters A to Z in lower case, as names are matched and spoken of.
std::string lowercased(std::string_view text);

// The whole number with a leading blank when zero or positive: " 5", " 0", "-3".
std::string blankSignedText(std::int32_t value);

// The list entry of a base item record without a name: " 12-None".
std::string placeholderEntry(ListIndex recordIndex);

}  // namespace pricewright
