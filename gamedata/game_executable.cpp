#include "gamedata/game_executable.h"

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <string>
#include <system_error>

#include "gamedata/error.h"
#include "gamedata/game_file_layout.h"
#include "gamedata/shared_read_file.h"

namespace pricewright {

namespace {
std::filesystem::path toPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

// Record values are stored low byte first.
std::int32_t littleEndianValue(std::string_view bytes) {
  return static_cast<std::int32_t>(
      std::accumulate(bytes.rbegin(), bytes.rend(), std::uint32_t{0}, [](std::uint32_t value, char byte) {
        return value << 8 | static_cast<unsigned char>(byte);
      }));
}

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
  file_ = openSharedForReading(fsPath);
  if (!file_) throwCannotOpen(path);
}

std::streamsize GameExecutable::readAt(std::streamoff offset, char* bytes, std::streamsize count) const {
  if (file_->pubseekpos(offset, std::ios::in) != std::streampos(offset)) return 0;
  return std::max<std::streamsize>(file_->sgetn(bytes, count), 0);
}

void GameExecutable::readBytes(std::int32_t position, std::span<char> bytes) const {
  if (position < 1)
    throw RuntimeError(ErrorNumber::BadRecordNumber, "Position " + std::to_string(position) +
                                                         " lies before the start of the file " +
                                                         quoted(path_) + ".");
  const auto count = static_cast<std::streamsize>(bytes.size());
  if (readAt(std::streamoff{position} - 1, bytes.data(), count) == count) return;

  const std::streamoff length = file_->pubseekoff(0, std::ios::end, std::ios::in);
  if (length < 0)
    throw RuntimeError(ErrorNumber::DeviceIoError, "The file " + quoted(path_) +
                                                       " could not be read at position " +
                                                       std::to_string(position) + ".");
  throw RuntimeError(ErrorNumber::InputPastEndOfFile,
                     "Reading " + std::to_string(count) + " bytes at position " + std::to_string(position) +
                         " reaches past the end of the file " + quoted(path_) + ", which is " +
                         std::to_string(length) + " bytes long.");
}

std::string GameExecutable::readAvailable(std::int32_t position, std::int32_t count) const {
  std::string bytes(static_cast<std::size_t>(count), '\0');
  bytes.resize(static_cast<std::size_t>(readAt(std::streamoff{position} - 1, bytes.data(), count)));
  return bytes;
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
  return littleEndianValue({bytes, kRecordValueSize});
}

std::string GameExecutable::readNameField(std::int32_t position) const {
  std::string field(kNameFieldSize, '\0');
  readBytes(position, field);
  return field;
}

RegionSnapshot::RegionSnapshot(const GameExecutable& executable, std::int32_t firstPosition,
                               std::int32_t endPosition)
    : executable_(executable), firstPosition_(firstPosition),
      bytes_(executable.readAvailable(firstPosition, endPosition - firstPosition)) {}

std::optional<std::string_view> RegionSnapshot::held(std::int32_t position, std::int32_t count) const {
  const std::int64_t offset = std::int64_t{position} - firstPosition_;
  if (offset < 0 || offset + count > static_cast<std::int64_t>(bytes_.size())) return std::nullopt;
  return std::string_view(bytes_).substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
}

std::int32_t RegionSnapshot::readValue(std::int32_t position) const {
  if (const auto bytes = held(position, kRecordValueSize)) return littleEndianValue(*bytes);
  return executable_.readValue(position);
}

std::string RegionSnapshot::readNameField(std::int32_t position) const {
  if (const auto bytes = held(position, kNameFieldSize)) return std::string(*bytes);
  return executable_.readNameField(position);
}

}  // namespace pricewright
