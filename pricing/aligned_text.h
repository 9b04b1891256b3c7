#pragma once

#include <string>
#include <vector>

namespace pricewright {

// Rows of cells written as columns padded to their widest cell, for reading at a terminal or pasting
// into a forum post; no line ends in blanks.
class AlignedText {
public:
  void row(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
  std::string text() const;

private:
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace pricewright
