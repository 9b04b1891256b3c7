#include "gamedata/game_executable.h"
#include "gamedata/region_snapshot.h"

#include <gmock/gmock.h>
#include <sys/stat.h>

#include "tests/support/game_file_fixture.h"
#include "tests/support/outcome.h"

using namespace pricewright;
using ::testing::AllOf;
using ::testing::HasSubstr;
using tests::errorOf;

// A 1000-byte file, read alone and through a snapshot of positions 900 to 1009,
// of which the file holds 900 to 1000: a read either way gives the same.
TEST(GameExecutable, ReadsUpToTheLastByteAndNoFurtherAloneOrThroughASnapshot) {
  tests::TemporaryDirectory directory;
  tests::GameFileFixture file;
  file.setBytes(1, "\x04\x03\x02\x01\x7F");
  file.setValue(898, -2);
  file.setValue(997, INT32_MIN);
  file.resize(1000);
  const GameExecutable executable(directory.write(file));
  const RegionSnapshot snapshot(executable, 900, 1010);
  const RegionSnapshot held(executable, 2, 102);  // right after one that reached the end
  const std::pair<std::int32_t, const char*> values[] = {{1, "16909060"},
                                                         {2, "2130772483"},
                                                         {898, "-2"},
                                                         {997, "-2147483648"},  // low byte first
                                                         {998, "Input past end of file (62)"},
                                                         {0, "Bad record number (63)"},
                                                         {-4203007, "Bad record number (63)"}};
  for (const auto& read : values) {
    EXPECT_EQ(tests::outcome([&] { return executable.readValue(read.first); }), read.second) << read.first;
    EXPECT_EQ(tests::outcome([&] { return snapshot.readValue(read.first); }), read.second) << read.first;
  }

  // A snapshot holds its region as it was; the rest comes from the file as it is now.
  const std::vector<std::int32_t> was{executable.readValue(2), executable.readValue(98)};
  file.setBytes(1, std::string(110, '\x11'));
  directory.write(file);
  EXPECT_EQ((std::vector{held.readValue(1), held.readValue(2), held.readValue(98), held.readValue(99)}),
            (std::vector{0x11111111, was[0], was[1], 0x11111111}));
}

TEST(GameExecutable, FilesThatCannotBeOpenedOrShrankSinceSayWhatHappened) {
  tests::TemporaryDirectory directory;
  const std::string path = directory.write(tests::GameFileFixture());
  const auto openError = [](const std::string& name) {
    return errorOf([&] { GameExecutable opened(name); });
  };
  EXPECT_EQ(openError(""), "Bad file name or number (52): No file name was given.");
  EXPECT_EQ(openError(path + "x"), "File not found (53): The file \"" + path + "x\" does not exist.");
  EXPECT_THAT(openError(directory.file("").string()), HasSubstr("Path/File access error (75)"));
#ifndef _WIN32
  // Opened for reading, a named pipe would wait for a writer and a device would never end.
  const std::string pipe = directory.file("pipe.exe").string();
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& special : {pipe, std::string("/dev/zero")})
    EXPECT_EQ(openError(special), "Path/File access error (75): \"" + special +
                                      "\" is not a regular file, not a game executable.");
#endif

  const GameExecutable executable(path);
  std::filesystem::resize_file(path, 100);
  EXPECT_THAT(
      errorOf([&] { executable.readValue(98); }),
      AllOf(HasSubstr("(62)"), HasSubstr("position 98 "), HasSubstr(path), HasSubstr("100 bytes long")));
}
