// Runs the real pricewright-cli on the worked example's game files, a case a line.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>

#include "tests/support/case_table.h"
#include "tests/support/game_file_fixture.h"

using namespace pricewright;

namespace {
struct Finished {
  int status;
  std::string output;
  std::string errors;
};

Finished run(const std::string& arguments, const std::string& directory) {
  const std::string errors = directory + "/stderr.txt";
  const std::string command =
      "cd '" + directory + "' && '" PRICEWRIGHT_CLI "' " + arguments + " 2>stderr.txt";
  // NOLINTNEXTLINE(cert-env33-c): running the built program through a shell is what this test does.
  FILE* pipe = popen(command.c_str(), "r");
  std::string output;
  for (int c = 0; (c = std::fgetc(pipe)) != EOF;) output += static_cast<char>(c);
  const int status = pclose(pipe);
  std::ifstream error(errors);
  return {WEXITSTATUS(status), output, std::string(std::istreambuf_iterator<char>(error), {})};
}
}  // namespace

TEST(Cli, AnswersEachCommandLineWithItsOutputAndExitStatus) {
  tests::TemporaryDirectory directory;
  const GameLayout hellfire = tests::hellfireLayout();
  for (const auto& [layout, name] : {std::pair{&kDiablo107, "game.exe"},
                                     {&kDiablo109, "v109.exe"},
                                     {&kDiablo109, "found.exe"},
                                     {&hellfire, "HELLFIRE.EXE"}}) {
    // found.exe and HELLFIRE.EXE carry no version text: the records' shape finds their tables.
    const bool found = std::string_view(name) == "found.exe" || layout == &hellfire;
    tests::GameFileFixture file(*layout, !found);
    if (found) file.shapeRecords();
    tests::writeExample(file);
    file.setSpell(1, {10, 20, 1250, 2});
    file.setName(Table::Suffixes, 7, "of the Fox", 16'001);
    directory.write(file, name);
  }
  const std::string folder = directory.file("").string();
  tests::forEachCase(
      "cli/cli.txt", [&](const std::string& arguments, const std::string& answer, const std::string& line) {
        const Finished result = run(arguments, folder);
        const std::string expected = answer.substr(2);
        EXPECT_EQ(result.status, std::stoi(answer.substr(0, 1))) << line << "\n" << result.errors;
        if (expected.starts_with('{'))
          EXPECT_EQ(nlohmann::ordered_json::parse(result.output, nullptr, false).dump(), expected) << line;
        else
          EXPECT_NE((result.output + result.errors).find(expected), std::string::npos) << line << "\n"
                                                                                       << result.output;
      });
}
