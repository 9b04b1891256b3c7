#include "cli/name_match.h"

#include <algorithm>
#include <charconv>

#include "gamedata/name_text.h"

namespace pricewright {

namespace {
constexpr std::size_t kMostMatchesListed = 8;

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos
             ? ""
             : std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Edits (insert, delete, replace) between two texts, for typos.
std::size_t editDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> previous(b.size() + 1);
  std::vector<std::size_t> current(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    current[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j)
      current[j] =
          std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
    std::swap(previous, current);
  }
  return previous[b.size()];
}

std::string listed(const std::vector<std::string>& entries, const std::vector<std::size_t>& indices) {
  std::string text;
  for (std::size_t n = 0; n < indices.size() && n < kMostMatchesListed; ++n)
    text += (n ? ", #" : "#") + std::to_string(indices[n]) + " \"" + entries[indices[n]] + "\"";
  return text + (indices.size() > kMostMatchesListed ? ", ..." : "");
}

ListIndex byNumber(const std::vector<std::string>& entries, std::string_view digits, std::string_view what) {
  int index = -1;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (error != std::errc() || end != digits.data() + digits.size() || index < 0 ||
      static_cast<std::size_t>(index) >= entries.size())
    throw UsageError("There is no " + std::string(what) + " #" + std::string(digits) +
                     ": they run from #0 to #" + std::to_string(static_cast<int>(entries.size()) - 1) + ".");
  return static_cast<ListIndex>(index);
}
}  // namespace

ListIndex matchEntry(const std::vector<std::string>& entries, std::string_view name, std::string_view what) {
  if (name.starts_with('#')) return byNumber(entries, name.substr(1), what);
  const std::string wanted = lowercased(trimmed(name));
  std::vector<std::size_t> equal;
  std::vector<std::size_t> close;
  for (std::size_t index = 0; index < entries.size(); ++index) {
    const std::string entry = lowercased(trimmed(entries[index]));
    if (entry == wanted)
      equal.push_back(index);
    else if (entry.find(wanted) != std::string::npos || editDistance(entry, wanted) <= 2)
      close.push_back(index);
  }
  if (equal.size() == 1) return static_cast<ListIndex>(equal.front());
  const std::string quotedName = "\"" + std::string(name) + "\"";
  if (equal.size() > 1)
    throw UsageError("The " + std::string(what) + " " + quotedName +
                     " is ambiguous: " + listed(entries, equal) + ". Name one by its number (#N).");
  throw UsageError("There is no " + std::string(what) + " named " + quotedName + "." +
                   (close.empty() ? "" : " Close matches: " + listed(entries, close) + "."));
}

}  // namespace pricewright
