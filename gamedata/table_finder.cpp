#include "gamedata/table_finder.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "gamedata/byte_source.h"

namespace pricewright {

namespace {
// The game's compiler starts every table on a multiple of four bytes.
constexpr std::int64_t kAlignment = 4;
// A name is one to this many bytes before its zero byte.
constexpr std::int64_t kLongestName = 63;
// Fewer records than this make no table: far fewer than any release holds,
// far more than a chance run of look-alike records. In the order of kTables.
constexpr std::array<std::int32_t, 4> kFewestRecords{32, 32, 64, 16};
// The item kinds an affix may go on: misc, bow, staff, weapon, shield, armour.
constexpr std::int32_t kEveryItemKind = 0x111111;
constexpr std::int32_t kMost = std::numeric_limits<std::int32_t>::max();

// A field's plausible values in every record of a table: within its range, with no bits outside `bits`.
struct Plausible {
  std::int64_t offset;
  FieldWidth width;
  std::int32_t low;
  std::int32_t high;
  std::int32_t bits = -1;
};

template <typename Record, std::size_t N>
constexpr std::int64_t offsetOf(const std::array<RecordField<Record>, N>& fields,
                                std::int32_t Record::*member) {
  return fieldFor(fields, member).offset;
}

template <typename Record, std::size_t N>
constexpr Plausible plausible(const std::array<RecordField<Record>, N>& fields, std::int32_t Record::*member,
                              std::int32_t low, std::int32_t high, std::int32_t bits = -1) {
  return {offsetOf(fields, member), fieldFor(fields, member).width, low, high, bits};
}

// Each record kind's fields, the most telling first, so that most offsets are passed over after one or two.
constexpr std::array kAffixRanges{
    plausible(kAffixFields, &AffixRecord::doubleChance, 0, 1),
    plausible(kAffixFields, &AffixRecord::useful, 0, 1),
    plausible(kAffixFields, &AffixRecord::alignment, 0, 0x11, 0x11),
    plausible(kAffixFields, &AffixRecord::itemKinds, 0, kEveryItemKind, kEveryItemKind),
    plausible(kAffixFields, &AffixRecord::minimumLevel, 0, 127),
    // Its low byte alone: the game may keep the power in a byte.
    Plausible{offsetOf(kAffixFields, &AffixRecord::power), FieldWidth::Byte, 0, 127},
};
constexpr std::array kBaseItemRanges{
    plausible(kBaseItemFields, &BaseItemRecord::dropRate, 0, 2),
    plausible(kBaseItemFields, &BaseItemRecord::miscKind, 0, 255),
    plausible(kBaseItemFields, &BaseItemRecord::spell, 0, 255),
    plausible(kBaseItemFields, &BaseItemRecord::itemClass, 0, 15),
    plausible(kBaseItemFields, &BaseItemRecord::location, 0, 15),
    plausible(kBaseItemFields, &BaseItemRecord::itemType, -1, 31),
    plausible(kBaseItemFields, &BaseItemRecord::minimumLevel, 0, 127),
    plausible(kBaseItemFields, &BaseItemRecord::basePrice, 0, kMost),
};
constexpr std::array kSpellRanges{
    plausible(kSpellFields, &SpellRecord::chargesMin, 0, 0xFFFF),
    plausible(kSpellFields, &SpellRecord::chargesMax, 0, 0xFFFF),
    plausible(kSpellFields, &SpellRecord::bookLevel, -1, 255),
    plausible(kSpellFields, &SpellRecord::staffLevel, -1, 255),
    plausible(kSpellFields, &SpellRecord::bookCost, 0, kMost),
    plausible(kSpellFields, &SpellRecord::chargeValue, 0, kMost),
};

// The game ends the affix and base item tables with a record holding -1 in
// this field, of which only the low byte is certain.
constexpr char kEndByte = static_cast<char>(0xFF);
constexpr std::int64_t kAffixEnd = offsetOf(kAffixFields, &AffixRecord::power);
constexpr std::int64_t kBaseItemEnd = offsetOf(kBaseItemFields, &BaseItemRecord::location);
constexpr std::int64_t kSpellId = offsetOf(kSpellFields, &SpellRecord::id);

enum class Look { Named, Nameless, Unlike };

// The file's bytes, read without a failure: every offset asked for lies within them.
class FileBytes {
public:
  FileBytes(std::string_view bytes, const AddressMap& addresses) : bytes_(bytes), addresses_(addresses) {}

  std::int64_t size() const { return std::ssize(bytes_); }
  // The record value at `offset`, composed here rather than by littleEndianValue: the search reads
  // millions of them.
  std::int32_t value(std::int64_t offset) const {
    const auto at = [&](std::int64_t b) {
      return std::uint32_t{static_cast<unsigned char>(bytes_[static_cast<std::size_t>(offset + b)])};
    };
    return static_cast<std::int32_t>(at(0) | at(1) << 8 | at(2) << 16 | at(3) << 24);
  }
  // A one-byte field as the game's signed char.
  int byte(std::int64_t offset) const {
    return static_cast<signed char>(bytes_[static_cast<std::size_t>(offset)]);
  }
  int unsignedByte(std::int64_t offset) const { return byte(offset) & 0xFF; }
  std::string_view bytes() const { return bytes_; }

  // Whether every field of the record at `record` is plausible.
  template <std::size_t N> bool within(std::int64_t record, const std::array<Plausible, N>& ranges) const {
    return std::ranges::all_of(ranges, [&](const Plausible& range) {
      const std::int32_t v =
          range.width == FieldWidth::Byte ? byte(record + range.offset) : value(record + range.offset);
      return v >= range.low && v <= range.high && (v & ~range.bits) == 0;
    });
  }

  // Whether the record at `record` of `table` points to a short name (printable bytes, then a zero byte
  // within a name field the reader can take whole), has none (NameAddress 0), or points anywhere else.
  Look nameOf(std::int64_t record, Table table) const {
    const std::int32_t address = value(record + shapeOf(table).nameAddress.offset);
    if (address == 0) return Look::Nameless;
    const std::optional<std::int64_t> offset = addresses_.offsetOf(address);
    if (!offset || *offset < 0 || *offset + kNameFieldSize > size()) return Look::Unlike;
    const std::string_view text = bytes_.substr(static_cast<std::size_t>(*offset), kLongestName + 1);
    const std::size_t end = text.find('\0');
    const bool printable = std::ranges::none_of(text.substr(0, end), [](char c) {
      const auto code = static_cast<unsigned char>(c);
      return code < 0x20 || code == 0x7F;
    });
    return end != 0 && end != std::string_view::npos && printable ? Look::Named : Look::Unlike;
  }

private:
  std::string_view bytes_;
  const AddressMap& addresses_;
};

Look affixLook(const FileBytes& file, std::int64_t o) {
  if (!file.within(o, kAffixRanges)) return Look::Unlike;
  return file.nameOf(o, Table::Prefixes) == Look::Named ? Look::Named : Look::Unlike;
}

Look baseItemLook(const FileBytes& file, std::int64_t o) {
  return file.within(o, kBaseItemRanges) ? file.nameOf(o, Table::BaseItems) : Look::Unlike;
}

bool isEmptySpell(const FileBytes& file, std::int64_t o) {
  return file.byte(o + kSpellId) == 0 && file.nameOf(o, Table::Spells) == Look::Nameless;
}

// Spell `row` of a table: its id is its row.
bool isSpell(const FileBytes& file, std::int64_t o, std::int32_t row) {
  return file.unsignedByte(o + kSpellId) == row && file.within(o, kSpellRanges) &&
         file.nameOf(o, Table::Spells) == Look::Named;
}

// A run of records: the first one's offset and how many.
struct Run {
  std::int64_t first = 0;
  std::int32_t count = 0;
  std::int32_t named = 0;
};

// The offset after the run's records and the one that ends them.
std::int64_t afterEnd(const Run& run, std::int64_t recordSize) {
  return run.first + (std::int64_t{run.count} + 1) * recordSize;
}

bool countable(const Run& run, Table table) {
  return run.count >= kFewestRecords[indexOf(table)] && run.count <= std::numeric_limits<ListIndex>::max();
}

// Calls `visit` with each aligned record offset whose field at `field` holds
// `byte`. Only the bytes that could end or begin a table are looked at, so
// the search takes time by how often they occur rather than by the file's
// size.
template <typename Visit>
void forEachHolding(const FileBytes& file, char byte, std::int64_t field, Visit visit) {
  for (std::size_t at = file.bytes().find(byte); at != std::string_view::npos;
       at = file.bytes().find(byte, at + 1)) {
    const std::int64_t record = static_cast<std::int64_t>(at) - field;
    if (record >= 0 && record % kAlignment == 0) visit(record);
  }
}

// Every run of `table`'s records that begins with a named one and that a
// record holding -1 in its `end` field ends: walked back from each such end.
template <typename LookAt>
std::vector<Run> endedRuns(const FileBytes& file, Table table, LookAt look, std::int64_t end) {
  const std::int64_t size = shapeOf(table).recordSize;
  std::vector<Run> runs;
  forEachHolding(file, kEndByte, end, [&](std::int64_t ending) {
    if (ending + size > file.size()) return;
    Run run{ending, 0, 0};
    std::int32_t walked = 0;
    for (std::int64_t o = ending - size; o >= 0; o -= size) {
      const Look seen = look(file, o);
      if (seen == Look::Unlike) break;
      ++walked;
      if (seen == Look::Nameless) continue;
      // A run begins with a named record: nameless ones before it belong to none.
      run.first = o;
      run.count = walked;
      ++run.named;
    }
    if (countable(run, table)) runs.push_back(run);
  });
  return runs;
}

// Every run of spells after an empty spell, found by the id of its first row.
std::vector<Run> spellRuns(const FileBytes& file) {
  const std::int64_t size = shapeOf(Table::Spells).recordSize;
  std::vector<Run> runs;
  forEachHolding(file, 1, size + kSpellId, [&](std::int64_t empty) {
    if (!isEmptySpell(file, empty)) return;
    Run run{empty + size, 0, 0};
    while (run.first + (run.count + 1) * size <= file.size() && run.count < 0xFF &&
           isSpell(file, run.first + run.count * size, run.count + 1))
      ++run.count;
    run.named = run.count;
    if (countable(run, Table::Spells)) runs.push_back(run);
  });
  return runs;
}

// The runs that the most records make, by `score`: one, or two equally good, or none.
template <typename Candidate, typename Score>
std::vector<const Candidate*> best(const std::vector<Candidate>& candidates, Score score) {
  std::vector<const Candidate*> winners;
  for (const Candidate& candidate : candidates) {
    if (!winners.empty() && score(candidate) < score(*winners.front())) continue;
    if (!winners.empty() && score(candidate) > score(*winners.front())) winners.clear();
    winners.push_back(&candidate);
  }
  return winners;
}

std::string position(std::int64_t offset) { return std::to_string(offset + 1); }

// "prefix", "prefix or spell", "prefix, suffix or spell".
std::string named(const std::vector<Table>& tables) {
  std::string text;
  for (std::size_t t = 0; t < tables.size(); ++t)
    text += (t == 0 ? "" : t + 1 == tables.size() ? " or " : ", ") + std::string(shapeOf(tables[t]).name);
  return text;
}

struct Finding {
  std::array<TableLayout, 4> tables{};
  std::vector<Table> missing;
  std::string ambiguous;

  void found(Table table, const Run& run) {
    tables[indexOf(table)] = {static_cast<std::int32_t>(run.first), static_cast<std::int16_t>(run.count)};
  }
  void tied(std::string_view what, std::int64_t first, std::int64_t second) {
    ambiguous += " Pricewright finds two equally good " + std::string(what) + " in this file, at positions " +
                 position(std::min(first, second)) + " and " + position(std::max(first, second)) +
                 ", and reads neither.";
  }
};

// The prefixes are the run whose end the suffixes follow at once.
void findAffixes(const FileBytes& file, Finding& finding) {
  std::vector<Run> runs = endedRuns(file, Table::Prefixes, affixLook, kAffixEnd);
  std::ranges::sort(runs, {}, &Run::first);
  const std::int64_t size = shapeOf(Table::Prefixes).recordSize;
  std::vector<std::pair<Run, Run>> pairs;
  for (const Run& prefixes : runs) {
    const auto suffixes = std::ranges::lower_bound(runs, afterEnd(prefixes, size), {}, &Run::first);
    if (suffixes != runs.end() && suffixes->first == afterEnd(prefixes, size) &&
        countable(*suffixes, Table::Suffixes))
      pairs.emplace_back(prefixes, *suffixes);
  }
  const auto chosen = best(pairs, [](const auto& pair) { return pair.first.count + pair.second.count; });
  if (chosen.empty()) {
    finding.missing.insert(finding.missing.end(), {Table::Prefixes, Table::Suffixes});
  } else if (chosen.size() > 1) {
    finding.tied("pairs of prefix and suffix tables", chosen[0]->first.first, chosen[1]->first.first);
  } else {
    finding.found(Table::Prefixes, chosen[0]->first);
    finding.found(Table::Suffixes, chosen[0]->second);
  }
}

void findLongest(const std::vector<Run>& runs, Table table, Finding& finding) {
  const auto chosen = best(runs, [](const Run& run) { return run.count; });
  if (chosen.empty())
    finding.missing.push_back(table);
  else if (chosen.size() > 1)
    finding.tied(std::string(shapeOf(table).name) + " tables", chosen[0]->first, chosen[1]->first);
  else
    finding.found(table, *chosen[0]);
}
}  // namespace

TableSearch findTables(std::string_view bytes, const AddressMap& addresses) {
  const FileBytes file(bytes, addresses);
  Finding finding;
  findAffixes(file, finding);
  std::vector<Run> baseItems = endedRuns(file, Table::BaseItems, baseItemLook, kBaseItemEnd);
  // Most base items have a name; a run mostly of nameless ones is no table.
  std::erase_if(baseItems, [](const Run& run) { return run.named * 2 < run.count; });
  findLongest(baseItems, Table::BaseItems, finding);
  findLongest(spellRuns(file), Table::Spells, finding);

  if (finding.missing.empty() && finding.ambiguous.empty()) return {finding.tables, ""};
  std::string failure;
  if (!finding.missing.empty())
    failure =
        "Pricewright finds no " + named(finding.missing) + " table in this file by the shape of its records.";
  failure += finding.ambiguous;
  if (failure.starts_with(' ')) failure.erase(0, 1);
  return {std::nullopt, failure};
}

}  // namespace pricewright
