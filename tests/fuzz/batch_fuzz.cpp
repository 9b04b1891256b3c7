// Feeds arbitrary bytes to a batch as its request lines, on a fixed game file.
// A crash, a sanitizer report, or an answer that is not one JSON object a line
// of the batch's shape is a finding.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/batch_command.h"
#include "tests/support/game_file_fixture.h"

using namespace pricewright;

namespace {
const OpenedFile& exampleGame() {
  static const std::string path = "/tmp/pricewright-batch-fuzz-" + std::to_string(::getpid()) + ".exe";
  static const OpenedFile opened = [] {
    tests::exampleFile().writeTo(path);
    return openedFile(path);
  }();
  return opened;
}

bool answersAsABatchDoes(const nlohmann::json& answer, bool first) {
  if (!answer.is_object()) return false;
  if (first) return answer.size() == 1 && answer.contains("game_file");
  if (!answer.contains("id")) return false;
  return answer.size() == 2 ? answer.contains("error") : answer.size() == 3 && answer.contains("result");
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::istringstream in(input);
  std::ostringstream out;
  runBatch(exampleGame(), size % 2 == 0 ? Players::Single : Players::Multi, in, out);
  std::istringstream answers(out.str());
  std::size_t lines = 0;
  for (std::string line; std::getline(answers, line); ++lines)
    if (!answersAsABatchDoes(nlohmann::json::parse(line, nullptr, false), lines == 0)) std::abort();
  if (lines == 0 || lines > 1 + static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n')) + 1)
    std::abort();
  return 0;
}
