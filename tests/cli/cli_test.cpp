// Runs the real pricewright-cli on the worked example's game file, a case a line.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>

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
  tests::GameFileFixture file = tests::exampleFile();
  file.setField(kSpellTable, kChargesMin, 1, 10);
  file.setField(kSpellTable, kChargesMax, 1, 20);
  file.setField(kSpellTable, kChargeValue, 1, 1250);
  file.setName(kSuffixTable, 7, "of the Fox", 16'001);
  directory.write(file, "game.exe");
  const std::string folder = directory.file("").string();
  std::ifstream cases(PRICEWRIGHT_TEST_DATA "/cli/cli.txt");
  ASSERT_TRUE(cases.is_open());
  for (std::string line; std::getline(cases, line);) {
    if (line.starts_with('#')) continue;
    const std::size_t arrow = line.find(" => ");
    const Finished result = run(line.substr(0, arrow), folder);
    const std::string expected = line.substr(arrow + 6);
    EXPECT_EQ(result.status, std::stoi(line.substr(arrow + 4, 1))) << line << "\n" << result.errors;
    if (expected.starts_with('{'))
      EXPECT_EQ(nlohmann::ordered_json::parse(result.output, nullptr, false).dump(), expected) << line;
    else
      EXPECT_NE((result.output + result.errors).find(expected), std::string::npos) << line << "\n"
                                                                                   << result.output;
  }
}
