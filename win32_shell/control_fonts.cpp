#include "win32_shell/control_fonts.h"

#include <cmath>
#include <iterator>
#include <map>
#include <utility>

namespace pricewright {

namespace {
constexpr double kPointSize = 8.25;
constexpr int kPointsPerInch = 72;
// Where neither Sans Serif is installed (Wine without its sserife.fon), a
// stand-in is drawn instead: Wine's, Liberation Sans, shows its bold as the
// regular weight in black on white at this size. Tahoma, the dialog face of
// Windows since 2000 and one of Wine's own, keeps it bold.
constexpr const wchar_t* kFamilies[] = {L"MS Sans Serif", L"Microsoft Sans Serif", L"Tahoma"};

bool installed(const wchar_t* family) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(wanted.lfFaceName, family, LF_FACESIZE - 1);
  HDC dc = GetDC(nullptr);
  bool found = false;
  EnumFontFamiliesExW(
      dc, &wanted,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}

const wchar_t* installedFamily() {
  for (const wchar_t* family : kFamilies)
    if (installed(family)) return family;
  return kFamilies[std::size(kFamilies) - 1];
}
}  // namespace

HFONT controlFont(FontWeight weight, UINT dpi) {
  // Fonts are few (two weights a dpi) and live as long as the program.
  static std::map<std::pair<FontWeight, UINT>, HFONT> fonts;
  static const wchar_t* const family = installedFamily();
  HFONT& font = fonts[{weight, dpi}];
  if (!font) {
    const int height = -static_cast<int>(std::lround(kPointSize * dpi / kPointsPerInch));
    font = CreateFontW(height, 0, 0, 0, weight == FontWeight::Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, family);
  }
  return font;
}

}  // namespace pricewright
