// Runs the real pricewright-cli on the worked example's game files, a case a line.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

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

// A row's text with each backslash-n a line break, so that a row can pin where a line starts and ends.
std::string lines(std::string text) {
  for (std::size_t at; (at = text.find("\\n")) != std::string::npos;) text.replace(at, 2, "\n");
  return text;
}

// The worked example's files, written into `directory` (see the case table).
void writeGameFiles(const tests::TemporaryDirectory& directory) {
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
    for (const ListIndex twin : std::initializer_list<ListIndex>{4, 5})
      file.setName(Table::BaseItems, twin, "B\xF4w \"Long\", Short", 30'000);
    file.setAffix(Table::Prefixes, 6, {1, 3, INT32_MAX, INT32_MAX, 1});
    directory.write(file, name);
  }
}
}  // namespace

TEST(Cli, AnswersEachCommandLineWithItsOutputAndExitStatus) {
  tests::TemporaryDirectory directory;
  writeGameFiles(directory);
  const std::string folder = directory.file("").string();
  ASSERT_EQ(mkfifo(directory.file("pipe.exe").c_str(), 0600), 0);
  tests::forEachCase("cli/cli.txt", [&](const std::string& arguments, const std::string& answer,
                                        const std::string& line) {
    const Finished result = run(arguments, folder);
    const std::string expected = answer.substr(2);
    EXPECT_EQ(result.status, std::stoi(answer.substr(0, 1))) << line << "\n" << result.errors;
    if (expected.starts_with('{'))
      EXPECT_EQ(nlohmann::ordered_json::parse(result.output, nullptr, false).dump(), expected) << line;
    else
      EXPECT_NE((result.output + result.errors).find(lines(expected)), std::string::npos) << line << "\n"
                                                                                          << result.output;
  });
}

// One batch answers every request line of its case table, in order, each
// as the single command answers the same request, or with the error's number.
TEST(Cli, BatchAnswersEachLineAsTheSingleCommandWould) {
  tests::TemporaryDirectory directory;
  writeGameFiles(directory);
  const std::string folder = directory.file("").string();
  std::ofstream requests(directory.file("requests.txt"), std::ios::binary);
  std::vector<std::pair<std::string, std::string>>
      asked;  // each request line with a line of its own, and its check
  tests::forEachCase("cli/batch.txt",
                     [&](const std::string& request, const std::string& check, const std::string&) {
                       const std::string line = request == "LONG"    ? std::string(70'000, ' ') + "{}"
                                                : request == "EMPTY" ? ""
                                                                     : request;
                       requests << line << "\n";
                       if (request != "EMPTY") asked.emplace_back(line, check);
                     });
  requests.close();
  const Finished batch = run("batch game.exe <requests.txt", folder);
  EXPECT_EQ(batch.status, 0) << batch.errors;
  std::istringstream answers(batch.output);
  std::string answer;
  std::getline(answers, answer);
  const auto single = [&](const std::string& arguments) {
    return nlohmann::ordered_json::parse(run(arguments + " --json", folder).output, nullptr, false);
  };
  EXPECT_EQ(nlohmann::ordered_json::parse(answer)["game_file"],
            single("stock game.exe --base '#2'")["game_file"]);
  for (const auto& [request, check] : asked) {
    ASSERT_TRUE(std::getline(answers, answer)) << request;
    const nlohmann::ordered_json got = nlohmann::ordered_json::parse(answer, nullptr, false);
    const nlohmann::ordered_json sent = nlohmann::ordered_json::parse(request, nullptr, false);
    const bool hasId = sent.is_object() && sent.contains("id");
    EXPECT_EQ(got["id"], hasId ? sent["id"] : nlohmann::ordered_json()) << request;
    if (check.starts_with("error ")) {
      EXPECT_EQ(got["error"]["number"], std::stoi(check.substr(6))) << request << "\n" << answer;
      continue;
    }
    nlohmann::ordered_json expected = single(check);
    expected.erase("game_file");
    EXPECT_EQ(got["command"], sent["command"]) << request;
    EXPECT_EQ(got["result"].dump(), expected.dump()) << request;
  }
  EXPECT_FALSE(std::getline(answers, answer)) << answer;
}
