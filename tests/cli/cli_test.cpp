// Runs the real pricewright-cli on the worked example's game file, a case a line.
#include <gtest/gtest.h>
#include <sys/stat.h>

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
  for (const auto& [layout, name] : {std::pair{&kDiablo107, "game.exe"}, {&kDiablo109, "v109.exe"}}) {
    tests::GameFileFixture file = tests::exampleFile(*layout);
    file.setSpell(1, {10, 20, 1250});
    file.setName(Table::Suffixes, 7, "of the Fox", 16'001);
    for (const ListIndex twin : std::initializer_list<ListIndex>{4, 5})
      file.setName(Table::BaseItems, twin, "B\xF4w \"Long\", Short", 30'000);
    file.setAffix(Table::Prefixes, 6, {1, 3, INT32_MAX, INT32_MAX, 1});
    directory.write(file, name);
  }
  const std::string folder = directory.file("").string();
  ASSERT_EQ(mkfifo(directory.file("pipe.exe").c_str(), 0600), 0);
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
