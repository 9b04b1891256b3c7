#include "gamedata/game_executable.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "gamedata/error.h"
#include "gamedata/layout.h"
#include "tests/support/error_of.h"
#include "tests/support/game_file_fixture.h"

namespace pricewright {
namespace {

using ::testing::AllOf;
using testing::errorOf;
using testing::GameFileFixture;
using ::testing::HasSubstr;
using testing::TemporaryDirectory;

class GameExecutableTest : public ::testing::Test {
protected:
  void write() { fixture.writeTo(path); }
  TemporaryDirectory directory;
  std::filesystem::path path = directory.file("DIABLO.EXE");
  GameFileFixture fixture;
};

TEST_F(GameExecutableTest, ReadsLittleEndianSignedValuesAndUncutNameFields) {
  fixture.setLimit(kGriswoldLimit, 0x12345678);  // not 4-byte aligned
  fixture.setLimit(kAdriaLimit, INT32_MIN);
  fixture.setValue(1, 0x01020304);
  fixture.setBytes(1001, std::string("Abc\0", 4));
  write();
  const GameExecutable executable(path.string());
  EXPECT_EQ(executable.readValue(kGriswoldLimit.position), 0x12345678);
  EXPECT_EQ(executable.readValue(kAdriaLimit.position), INT32_MIN);
  EXPECT_EQ(executable.readValue(1), 0x01020304);
  // One byte later reads the next four bytes, not the same value.
  EXPECT_EQ(static_cast<std::uint32_t>(executable.readValue(2)) & 0xFFFFFF, 0x010203u);

  const std::string field = executable.readNameField(1001);
  ASSERT_EQ(field.size(), 30u);
  EXPECT_EQ(field.substr(0, 4), std::string("Abc\0", 4));
  EXPECT_EQ(static_cast<std::uint8_t>(field[29]), fixture.patternByteAt(1000 + 29));
}

TEST_F(GameExecutableTest, ReadsUpToTheLastByteAndNoFurtherAloneOrInABurst) {
  fixture.setValue(1, 123456);
  fixture.resize(1000);
  write();
  const GameExecutable executable(path.string());
  for (const bool inBurst : {false, true}) {
    SCOPED_TRACE(inBurst ? "in a burst" : "alone");
    std::optional<ReadBurst> burst;
    if (inBurst) burst.emplace(executable);
    EXPECT_NO_THROW(executable.readValue(997));
    EXPECT_NO_THROW(executable.readNameField(971));

    for (std::int32_t position : {998, 1000, 1001, 5000, INT32_MAX}) {
      const RuntimeError error = errorOf([&] { executable.readValue(position); });
      EXPECT_EQ(error.number(), ErrorNumber::InputPastEndOfFile) << position;
      EXPECT_THAT(error.whatFailed(), AllOf(HasSubstr("position " + std::to_string(position)),
                                            HasSubstr("1000 bytes long"), HasSubstr(path.string())));
    }
    EXPECT_EQ(errorOf([&] { executable.readNameField(972); }).number(), ErrorNumber::InputPastEndOfFile);
    // A failed read leaves the reader usable.
    EXPECT_EQ(executable.readValue(1), 123456);
  }
}

TEST_F(GameExecutableTest, ABurstReadsAcrossBlockEdgesAndEndsWithItsOperation) {
  const std::string name = "A name field across two blocks";
  fixture.setValue(65535, 0x0A0B0C0D);  // bytes 65535 to 65538 straddle the first two 64 KiB blocks
  fixture.setBytes(131060, name);
  write();
  const GameExecutable executable(path.string());
  {
    const ReadBurst burst(executable);
    EXPECT_EQ(executable.readValue(65535), 0x0A0B0C0D);
    EXPECT_EQ(executable.readNameField(131060), name);
  }
  // More blocks than a burst keeps, twice round: each read still finds its own bytes.
  for (std::int32_t block = 0; block <= 10; ++block) fixture.setValue(block * 65536 + 100, block);
  write();
  {
    const ReadBurst burst(executable);
    for (int round = 0; round < 2; ++round)
      for (std::int32_t block = 0; block <= 10; ++block)
        EXPECT_EQ(executable.readValue(block * 65536 + 100), block) << "block " << block;
  }
  // After the burst every read asks the file as it is now.
  fixture.setValue(65535, 77);
  write();
  EXPECT_EQ(executable.readValue(65535), 77);
}

TEST_F(GameExecutableTest, PositionsBelowOneAreNotRead) {
  write();
  const GameExecutable executable(path.string());
  for (std::int32_t position : {0, -1, -4203007, INT32_MIN}) {
    EXPECT_EQ(errorOf([&] { executable.readValue(position); }).number(), ErrorNumber::BadRecordNumber);
    EXPECT_EQ(errorOf([&] { executable.readNameField(position); }).number(), ErrorNumber::BadRecordNumber);
  }
}

TEST_F(GameExecutableTest, FileTruncatedWhileOpenFailsCleanlyOnTheNextRead) {
  fixture.setLimit(kAdriaLimit, 77);
  write();
  const GameExecutable executable(path.string());
  EXPECT_EQ(executable.readValue(kAdriaLimit.position), 77);
  std::filesystem::resize_file(path, 100);
  const RuntimeError error = errorOf([&] { executable.readValue(kAdriaLimit.position); });
  EXPECT_EQ(error.number(), ErrorNumber::InputPastEndOfFile);
  EXPECT_THAT(error.whatFailed(), HasSubstr("100 bytes long"));
}

TEST_F(GameExecutableTest, FileDeletedOrMovedWhileOpenIsReported) {
  write();
  const GameExecutable executable(path.string());
  EXPECT_NO_THROW(executable.checkStillInPlace());
  std::filesystem::rename(path, directory.file("moved.exe"));
  const RuntimeError error = errorOf([&] { executable.checkStillInPlace(); });
  EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
  EXPECT_THAT(error.whatFailed(), HasSubstr(path.string()));
}

TEST_F(GameExecutableTest, OpenFailuresNameTheFile) {
  write();
  const RuntimeError missing = errorOf([&] { GameExecutable opened(directory.file("gone.exe").string()); });
  EXPECT_EQ(missing.number(), ErrorNumber::FileNotFound);
  EXPECT_THAT(missing.whatFailed(), HasSubstr("gone.exe"));

  EXPECT_EQ(errorOf([&] { GameExecutable opened(directory.path().string()); }).number(),
            ErrorNumber::PathFileAccessError);
  EXPECT_EQ(errorOf([&] { GameExecutable opened(""); }).number(), ErrorNumber::BadFileName);
}

}  // namespace
}  // namespace pricewright
