#include "pricing/odds_words.h"

#include <array>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "pricing/number_text.h"

namespace pricewright {

namespace {
// Below this many, one in so many is written with a tenth; from it on, whole and grouped; from the
// second on, in exponent form, which no 64-bit whole number holds.
constexpr double kWholeFrom = 9.95;
constexpr double kGroupedBelow = 1e18;

constexpr Noun kNewItem{"new item", "new items"};
constexpr Noun kVisit{"visit", "visits"};
constexpr Noun kSix{"set of his six", "sets of his six"};

struct MakerWords {
  std::string_view name;
  std::string_view level;  // which level the maker goes by
};
// In the order of kMakers.
constexpr std::array<MakerWords, 4> kMakerWords{{
    {"Griswold (basic)", "shop level"},
    {"Griswold (premium)", "item level"},
    {"Wirt", "character level"},
    {"Adria", "shop level"},
}};
constexpr const MakerWords& wordsOf(Maker maker) { return kMakerWords[indexOf(maker)]; }

// "shop level 6", "shop levels 6 to 8", "shop levels 6, 9 to 10", for the levels where `picked` holds.
template <typename Picked>
std::string levelsWhere(const std::vector<LevelChance>& levels, int lowest, std::string_view level,
                        Picked picked) {
  std::string stretches;
  int count = 0;
  for (std::size_t at = 0; at < levels.size(); ++at) {
    if (!picked(levels[at]) || (at > 0 && picked(levels[at - 1]))) continue;
    std::size_t last = at;
    while (last + 1 < levels.size() && picked(levels[last + 1])) ++last;
    stretches += (stretches.empty() ? "" : ", ") + std::to_string(lowest + static_cast<int>(at)) +
                 (last == at ? "" : " to " + std::to_string(lowest + static_cast<int>(last)));
    count += static_cast<int>(last - at) + 1;
  }
  return std::string(level) + (count > 1 ? "s " : " ") + stretches;
}

std::string_view stallWords(Stall stall) {
  switch (stall) {
  case Stall::NoBaseItem: return "it has no base item to draw";
  case Stall::NoSpell:
    return "it has no spell to give a staff or book, and the game would look for one for ever";
  case Stall::NothingAccepted:
    return "every item it draws is above its limit, and the game would draw for ever";
  case Stall::None: break;
  }
  return "";
}

// The level with the best chance computed, the lowest of equals: its offset among `levels`.
std::optional<std::size_t> best(const std::vector<std::optional<double>>& chances) {
  std::optional<std::size_t> found;
  for (std::size_t at = 0; at < chances.size(); ++at)
    if (chances[at] && *chances[at] > 0 && (!found || *chances[at] > *chances[*found])) found = at;
  return found;
}

std::vector<std::optional<double>> chancesOf(const std::vector<LevelChance>& levels) {
  std::vector<std::optional<double>> chances(levels.size());
  std::ranges::transform(levels, chances.begin(), &LevelChance::chance);
  return chances;
}
// From which level a maker can make the item: "from character level 12, item level 11", "never".
std::string fromWords(const MakerOdds& odds) {
  const bool premium = odds.maker == Maker::GriswoldPremium;
  const FirstLevel& first = premium ? odds.firstCharacterLevel : odds.first;
  const std::string firstWord = premium ? "character level" : std::string(wordsOf(odds.maker).level);
  if (!first.known) return "first " + firstWord + " not known";
  if (!first.level) return "never";
  std::string text = "from " + firstWord + " " + std::to_string(*first.level);
  if (premium && odds.first.level)
    text += ", " + std::string(wordsOf(odds.maker).level) + " " + std::to_string(*odds.first.level);
  return text;
}
}  // namespace

std::string_view makerName(Maker maker) { return kMakerWords[indexOf(maker)].name; }

std::string oneIn(double chance, const Noun& noun) {
  if (chance >= 1) return "every " + std::string(noun.one);
  const double many = 1 / chance;
  std::ostringstream text;
  if (many < kWholeFrom)
    text << std::fixed << std::setprecision(1) << many;
  else if (many < kGroupedBelow)
    text << groupedNumber(std::llround(many));
  else
    text << std::setprecision(2) << many;
  return "1 in " + text.str() + " " + std::string(noun.many);
}

std::string oddsWords(const MakerOdds& odds) {
  const MakerWords& words = wordsOf(odds.maker);
  const int lowest = levelsOf(odds.maker).lowest;
  const bool premium = odds.maker == Maker::GriswoldPremium;
  std::string text = fromWords(odds);
  const std::vector<std::optional<double>> chances = chancesOf(odds.levels);
  if (const std::optional<std::size_t> at = best(chances)) {
    text += "; at " + std::string(premium ? words.level : "") + (premium ? " " : "") +
            std::to_string(lowest + static_cast<int>(*at)) + ", " + oneIn(*chances[*at], kNewItem);
    if (!odds.perVisit.empty()) text += ", " + oneIn(*odds.perVisit[*at], kVisit);
  }
  const std::vector<std::optional<double>> six = chancesOf(odds.perCharacterLevel);
  if (const std::optional<std::size_t> character = best(six))
    text += "; at character level " + std::to_string(*character + 1) + ", " + oneIn(*six[*character], kSix);
  const auto notComputed = [](const LevelChance& level) { return !level.chance.has_value(); };
  if (std::ranges::any_of(odds.levels, notComputed))
    text += "; not computed at " + levelsWhere(odds.levels, lowest, words.level, notComputed) +
            ", where a value is beyond the game's 32 bits";
  for (const Stall stall : {Stall::NoBaseItem, Stall::NoSpell, Stall::NothingAccepted}) {
    const auto stalls = [&](const LevelChance& level) { return level.stall == stall; };
    if (std::ranges::any_of(odds.levels, stalls))
      text += "; no item at all at " + levelsWhere(odds.levels, lowest, words.level, stalls) + ": " +
              std::string(stallWords(stall));
  }
  return text;
}

std::string oddsWordsAt(const MakerOdds& odds, int shopLevel, int characterLevel) {
  std::string text = fromWords(odds);
  if (text == "never") return text;
  const bool premium = odds.maker == Maker::GriswoldPremium;
  const bool byCharacter = premium || odds.maker == Maker::Wirt;
  const int level = byCharacter ? characterLevel : shopLevel;
  const std::string where = byCharacter ? "character level " : "shop level ";
  const LevelChance& at =
      premium ? odds.perCharacterLevel[static_cast<std::size_t>(characterLevel - 1)] : odds.at(level);
  text += "; at " + where + std::to_string(level) + ", ";
  if (at.stall != Stall::None) return text + "no item at all: " + std::string(stallWords(at.stall));
  if (!at.chance) return text + "not computed: a value is beyond the game's 32 bits";
  if (*at.chance == 0) return text + "none";
  if (premium) return text + oneIn(*at.chance, kSix);
  text += oneIn(*at.chance, kNewItem);
  if (!odds.perVisit.empty()) {
    const std::optional<double>& visit =
        odds.perVisit[static_cast<std::size_t>(level - levelsOf(odds.maker).lowest)];
    if (visit) text += ", " + oneIn(*visit, kVisit);
  }
  return text;
}

}  // namespace pricewright
