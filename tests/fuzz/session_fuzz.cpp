// Feeds arbitrary bytes as the game executable, opens it, then picks, types and
// presses as a user could, in an order the input's last bytes choose (the
// layout never reads them). A crash, a sanitizer report, an error box that is
// neither a run-time error nor says what Pricewright reads, or a load that
// leaves the lists half full is a finding.
#include <fcntl.h>
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <array>
#include <cstdlib>

#include "gamedata/releases.h"
#include "shell/session.h"
#include "tests/support/recording_window.h"

using namespace pricewright;

namespace {
constexpr std::array kLists{cboPrefix, cboSuffix, cboBase, cboSpell};
constexpr std::array kBoxes{txtPreEff, txtSufEff, txtCharge};
constexpr std::array kTypedTexts{"25",   "",    " 21- 30", "-1e308",     "1e309",
                                 "25,5", "nan", "  7  ",   "2147483648", "4.9e-324"};

// A list for each record of the open file's layout, wherever its tables were found; none without a file.
void checkLists(const Session& session, tests::RecordingWindow& window) {
  std::size_t entries = 0;
  std::size_t records = 0;
  for (const ListBox list : kLists) entries += window.entries[std::string(list.name)].size();
  if (const OpenGame* game = session.game())
    for (const TableLayout& table : game->version.layout.tables)
      records += static_cast<std::size_t>(table.recordCount);
  if (entries != records) std::abort();
}

// The session shows anything that escapes an operation; only run-time errors may, and the plain words
// that say what a file is not.
void checkErrors(tests::RecordingWindow& window) {
  for (std::size_t at = 0; (at = window.shown.find("Error!: ", at)) != std::string::npos; ++at) {
    const std::string_view error = std::string_view(window.shown).substr(at + 8);
    const std::string_view line = error.substr(0, error.find(" | "));
    if (!error.starts_with("Run-time error '") && !error.starts_with("File Not Loaded!!") &&
        !line.ends_with(kWhatPricewrightReads))
      std::abort();
  }
  window.shown.clear();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/pricewright-fuzz-" + std::to_string(::getpid()) + ".exe";
  // One descriptor for every run, rewritten in place: opening the file anew each time costs more than
  // most runs.
  static const int file = ::open(path.c_str(), O_RDWR | O_CREAT, 0600);
  if (::pwrite(file, data, size, 0) != static_cast<ssize_t>(size) ||
      ::ftruncate(file, static_cast<off_t>(size)) != 0)
    std::abort();
  FuzzedDataProvider actions(data, size);
  tests::RecordingWindow window;
  Session session(window);
  window.separator = actions.ConsumeBool() ? "." : ",";
  window.dialogAnswers.emplace_back(path);
  session.open();
  checkLists(session, window);
  checkErrors(window);
  for (int step = 0; step < 12 && actions.remaining_bytes() > 0; ++step) {
    const ListBox list = actions.PickValueInArray(kLists);
    const TextBox box = actions.PickValueInArray(kBoxes);
    switch (actions.ConsumeIntegralInRange(0, 5)) {
    case 0: window.select(list, actions.ConsumeIntegral<ListIndex>()), session.picked(list); break;
    case 1: window.type(box, actions.PickValueInArray(kTypedTexts)); break;
    case 2: window.type(box, actions.ConsumeRandomLengthString(24)); break;
    case 3: session.normalItemOnlyClicked(); break;
    case 4: session.open(), checkLists(session, window); break;  // a cancel reloads the same file
    default: session.getCostsPressed(); break;
    }
    checkErrors(window);
  }
  return 0;
}
