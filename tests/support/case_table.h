#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gamedata/game_records.h"

namespace pricewright::tests {

// Runs `check(input, expected, line)` for each case of a table in the tests'
// source folder: a case a line, "input => expected"; '#' starts a comment line.
template <typename Check> void forEachCase(const std::string& table, Check check) {
  std::ifstream cases(PRICEWRIGHT_TEST_DATA "/" + table);
  ASSERT_TRUE(cases.is_open()) << table;
  for (std::string line; std::getline(cases, line);) {
    if (line.empty() || line.starts_with('#')) continue;
    const std::size_t arrow = line.find(" =>");
    check(line.substr(0, arrow), line.substr(std::min(arrow + 4, line.size())), line);
  }
}

// One clause of a case's input, "prefix 21 30 1000 2000 2 "25"": a word, its
// numbers, then a quoted text.
struct Clause {
  std::string word;
  std::vector<double> numbers;
  std::string text;
  std::int32_t whole(std::size_t at) const { return static_cast<std::int32_t>(numbers.at(at)); }
  // "prefix EffectMin EffectMax CostMin CostMax PriceMultiplier ..."
  AffixRecord affix() const { return {whole(0), whole(1), whole(2), whole(3), whole(4)}; }
};

// The input's clauses, which ';' separates.
inline std::vector<Clause> clauses(const std::string& input) {
  std::vector<Clause> all;
  std::istringstream separated(input);
  for (std::string clause; std::getline(separated, clause, ';');) {
    std::istringstream in(clause);
    Clause& parsed = all.emplace_back();
    in >> parsed.word;
    for (double number = 0; in >> number;) parsed.numbers.push_back(number);
    in.clear();
    in >> std::quoted(parsed.text);
  }
  return all;
}

}  // namespace pricewright::tests
