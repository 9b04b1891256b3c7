#include "gamedata/game_executable.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "gamedata/error.h"
#include "gamedata/layout.h"

namespace pricewright {

namespace {
std::filesystem::path toPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

[[noreturn]] void throwCannotOpen(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(toPath(path), error);
  if (path.empty()) throw RuntimeError(ErrorNumber::BadFileName, "No file name was given.");
  if (!fs::exists(status))
    throw RuntimeError(ErrorNumber::FileNotFound, "The file " + quoted(path) + " does not exist.");
  if (fs::is_directory(status))
    throw RuntimeError(ErrorNumber::PathFileAccessError,
                       quoted(path) + " is a folder, not a game executable.");
  throw RuntimeError(ErrorNumber::PermissionDenied, "The file " + quoted(path) + " may not be read.");
}
}  // namespace

GameExecutable::GameExecutable(const std::string& path) : path_(path) {
  const std::filesystem::path fsPath = toPath(path);
  std::error_code error;
  if (path.empty() || std::filesystem::is_directory(fsPath, error)) throwCannotOpen(path);
  // Unbuffered, so that every read asks the file as it is now.
  stream_.rdbuf()->pubsetbuf(nullptr, 0);
  stream_.open(fsPath, std::ios::in | std::ios::binary);
  if (!stream_.is_open()) throwCannotOpen(path);
}

void GameExecutable::readBytes(std::int32_t position, std::span<char> bytes) const {
  if (position < 1)
    throw RuntimeError(ErrorNumber::BadRecordNumber, "Position " + std::to_string(position) +
                                                         " lies before the start of the file " +
                                                         quoted(path_) + ".");
  const std::int64_t offset = static_cast<std::int64_t>(position) - 1;
  if (burst_ && readFromBurst(offset, bytes)) return;
  readFromFile(offset, bytes);
}

void GameExecutable::readFromFile(std::int64_t offset, std::span<char> bytes) const {
  const auto count = static_cast<std::streamsize>(bytes.size());
  stream_.clear();
  stream_.seekg(offset);
  stream_.read(bytes.data(), count);
  if (stream_.gcount() == count) return;

  stream_.clear();
  stream_.seekg(0, std::ios::end);
  const std::streamoff length = stream_.tellg();
  stream_.clear();
  const std::string position = std::to_string(offset + 1);
  if (length < 0)
    throw RuntimeError(ErrorNumber::DeviceIoError,
                       "The file " + quoted(path_) + " could not be read at position " + position + ".");
  throw RuntimeError(ErrorNumber::InputPastEndOfFile,
                     "Reading " + std::to_string(count) + " bytes at position " + position +
                         " reaches past the end of the file " + quoted(path_) + ", which is " +
                         std::to_string(length) + " bytes long.");
}

namespace {
constexpr std::int64_t kBurstBlockSize = std::int64_t{64} * 1024;
// Enough for the four tables and their names; a file whose names lie scattered
// costs more reads, not more memory.
constexpr std::size_t kBurstBlocksKept = 8;
}  // namespace

bool GameExecutable::readFromBurst(std::int64_t offset, std::span<char> bytes) const {
  std::size_t copied = 0;
  while (copied < bytes.size()) {
    const std::int64_t at = offset + static_cast<std::int64_t>(copied);
    const std::string& block = burstBlock(at / kBurstBlockSize);
    const auto within = static_cast<std::size_t>(at % kBurstBlockSize);
    // Short of the bytes: the file ended when the block was read, and a read
    // of the file itself reports it as it is now.
    if (within >= block.size()) return false;
    const std::size_t count = std::min(bytes.size() - copied, block.size() - within);
    std::copy_n(block.data() + within, count, bytes.data() + copied);
    copied += count;
  }
  return true;
}

const std::string& GameExecutable::burstBlock(std::int64_t index) const {
  const auto kept = std::find_if(burst_->begin(), burst_->end(),
                                 [index](const Block& block) { return block.index == index; });
  if (kept != burst_->end()) return kept->bytes;
  if (burst_->size() == kBurstBlocksKept) burst_->erase(burst_->begin());

  std::string bytes(static_cast<std::size_t>(kBurstBlockSize), '\0');
  stream_.clear();
  stream_.seekg(index * kBurstBlockSize);
  stream_.read(bytes.data(), kBurstBlockSize);
  bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(stream_.gcount(), 0)));
  return burst_->emplace_back(Block{index, std::move(bytes)}).bytes;
}

void GameExecutable::checkStillInPlace() const {
  std::error_code error;
  if (!std::filesystem::exists(toPath(path_), error))
    throw RuntimeError(ErrorNumber::FileNotFound, "The game executable " + quoted(path_) +
                                                      " has been moved or deleted since it was opened. "
                                                      "Open it again with File > Open.");
}

std::int32_t GameExecutable::readValue(std::int32_t position) const {
  char bytes[kRecordValueSize];
  readBytes(position, bytes);
  std::uint32_t value = 0;
  for (int i = kRecordValueSize - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return static_cast<std::int32_t>(value);
}

std::string GameExecutable::readNameField(std::int32_t position) const {
  std::string field(kNameFieldSize, '\0');
  readBytes(position, field);
  return field;
}

}  // namespace pricewright
