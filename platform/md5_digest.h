#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pricewright {

using Md5Digest = std::array<std::uint8_t, 16>;

// The MD5 digest of `bytes`, by the system's own implementation (nettle on
// Linux, the Windows cryptography API on Windows).
Md5Digest md5Digest(std::string_view bytes);

// The MD5 of `bytes` as lowercase hexadecimal digits, as release lists write it.
std::string md5Text(std::string_view bytes);

}  // namespace pricewright
