// Feeds arbitrary bytes as the game executable, loads the lists, then makes
// selections, types texts and presses the buttons as a user could, in an order
// the input chooses. Anything but a RuntimeError, a crash or a broken
// invariant is a finding.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "gamedata/error.h"
#include "gamedata/file_open.h"
#include "pricing/get_costs.h"
#include "pricing/range_hints.h"
#include "tests/support/recording_window.h"

namespace pricewright {
namespace {

// Texts a user might type or leave standing, besides random ones.
constexpr std::array<const char*, 20> kTypedTexts{
    "25",  "",    " 21- 30", "-10--5", "1e308", "-1e308", "1e309",      "25.5",        "25,5",     "0x10",
    "inf", "nan", "  7  ",   "-0",     "+3E+2", "1,000",  "2147483648", "-2147483649", "4.9e-324", "."};

void check(bool holds, const char* what) {
  if (!holds) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
  }
}

void checkListsAfterOpen(const OpenExecutable& executable, const testing::RecordingWindow& window) {
  if (!executable) {
    for (const auto& list : window.entries) check(list.empty(), "lists filled while no file is open");
    return;
  }
  check(window.list(ListBox::cboPrefix).size() == 83 && window.list(ListBox::cboSuffix).size() == 95 &&
            window.list(ListBox::cboBase).size() == 156 && window.list(ListBox::cboSpell).size() == 36,
        "a completed load has 83, 95, 156 and 36 entries");
}

const std::filesystem::path& gameFilePath() {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("pricewright-fuzz-" + std::to_string(::getpid()) + ".exe");
  return path;
}

template <typename Operation> void run(Operation operation) {
  try {
    operation();
  } catch (const RuntimeError&) {
    // The typed errors are the expected way to fail.
  }
}

}  // namespace
}  // namespace pricewright

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pricewright;
  {
    std::ofstream file(gameFilePath(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  // The actions are drawn from the input's last bytes, which the layout never reads.
  FuzzedDataProvider actions(data, size);
  testing::RecordingWindow window;
  OpenExecutable executable;
  window.separator = actions.ConsumeBool() ? "." : ",";
  window.dialogAnswers.emplace_back(gameFilePath().string());
  run([&] { fileOpen(executable, window); });
  checkListsAfterOpen(executable, window);

  for (int step = 0; step < 12 && actions.remaining_bytes() > 0; ++step) {
    switch (actions.ConsumeIntegralInRange(0, 7)) {
    case 0: {
      const auto list = static_cast<ListBox>(actions.ConsumeIntegralInRange(0, 3));
      const auto count = static_cast<int>(window.list(list).size());
      window.selected(list) = static_cast<ListIndex>(actions.ConsumeIntegralInRange(-1, count - 1));
      if (list == ListBox::cboPrefix) run([&] { prefixSelected(executable, window); });
      if (list == ListBox::cboSuffix) run([&] { suffixSelected(executable, window); });
      if (list == ListBox::cboSpell) run([&] { spellSelected(executable, window); });
      break;
    }
    case 1:
    case 2: {
      const auto box = static_cast<TextBox>(actions.ConsumeIntegralInRange(0, 2));
      window.box(box) =
          actions.ConsumeBool()
              ? kTypedTexts[actions.ConsumeIntegralInRange<std::size_t>(0, kTypedTexts.size() - 1)]
              : actions.ConsumeRandomLengthString(24);
      break;
    }
    case 3:
      window.chkBase = static_cast<std::int16_t>(1 - window.chkBase);
      plainItemChosen(window);
      break;
    case 4:
    case 5: run([&] { getCosts(executable, window); }); break;
    case 6:
      window.dialogAnswers.emplace_back(std::nullopt);  // a cancel reloads the same file
      run([&] { fileOpen(executable, window); });
      checkListsAfterOpen(executable, window);
      break;
    case 7:  // a list index typed or set out of the list's range
      window.selected(static_cast<ListBox>(actions.ConsumeIntegralInRange(0, 3))) =
          actions.ConsumeIntegral<ListIndex>();
      break;
    }
  }
  return 0;
}
