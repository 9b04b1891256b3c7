#include "pricing/aligned_text.h"

#include <algorithm>

#include "gamedata/name_text.h"

namespace pricewright {

namespace {
// Names are UTF-8: a column is as wide as its characters, not its bytes.
std::size_t width(const std::string& text) {
  return text.size() - static_cast<std::size_t>(std::ranges::count_if(text, continuesUtf8Character));
}
}  // namespace

std::string AlignedText::text() const {
  std::vector<std::size_t> widths;
  for (const auto& cells : rows_) {
    widths.resize(std::max(widths.size(), cells.size()));
    for (std::size_t c = 0; c < cells.size(); ++c) widths[c] = std::max(widths[c], width(cells[c]));
  }
  std::string text;
  for (const auto& cells : rows_) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c)
      line += cells[c] + (c + 1 < cells.size() ? std::string(widths[c] - width(cells[c]) + 2, ' ') : "");
    text += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
  }
  return text;
}

}  // namespace pricewright
