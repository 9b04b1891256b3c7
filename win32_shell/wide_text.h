#pragma once

#include <string>
#include <string_view>

namespace pricewright {

// The window interface speaks UTF-8; Windows' wide APIs speak UTF-16.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

}  // namespace pricewright
