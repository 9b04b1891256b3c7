#include "gamedata/game_executable.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

#include "gamedata/error.h"
#include "platform/shared_read_file.h"

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
  if (!fs::is_regular_file(status))
    throw RuntimeError(ErrorNumber::PathFileAccessError,
                       quoted(path) + " is not a regular file, not a game executable.");
  throw RuntimeError(ErrorNumber::PermissionDenied, "The file " + quoted(path) + " may not be read.");
}
}  // namespace

GameExecutable::GameExecutable(const std::string& path) : path_(path) {
  const std::filesystem::path fsPath = toPath(path);
  // Only a regular file is opened: opening a named pipe for reading waits for
  // a writer, and a device never ends.
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(fsPath, error)) throwCannotOpen(path);
  // Unbuffered, so that every read asks the file as it is now.
  file_ = openSharedForReading(fsPath);
  if (!file_) throwCannotOpen(path);
}

std::string GameExecutable::fileName() const {
  const std::u8string name = toPath(path_).filename().u8string();
  return {name.begin(), name.end()};
}

std::streamsize GameExecutable::readAt(std::streamoff offset, char* bytes, std::streamsize count) const {
  if (file_->pubseekpos(offset, std::ios::in) != std::streampos(offset)) return 0;
  return std::max<std::streamsize>(file_->sgetn(bytes, count), 0);
}

std::streamoff GameExecutable::length() const { return file_->pubseekoff(0, std::ios::end, std::ios::in); }

void GameExecutable::readBytes(std::int32_t position, std::span<char> bytes) const {
  if (position < 1)
    throw RuntimeError(ErrorNumber::BadRecordNumber, "Position " + std::to_string(position) +
                                                         " lies before the start of the file " +
                                                         quoted(path_) + ".");
  const auto count = static_cast<std::streamsize>(bytes.size());
  if (readAt(std::streamoff{position} - 1, bytes.data(), count) == count) return;

  const std::streamoff fileLength = length();
  if (fileLength < 0)
    throw RuntimeError(ErrorNumber::DeviceIoError, "The file " + quoted(path_) +
                                                       " could not be read at position " +
                                                       std::to_string(position) + ".");
  throw RuntimeError(ErrorNumber::InputPastEndOfFile,
                     "Reading " + std::to_string(count) + " bytes at position " + std::to_string(position) +
                         " reaches past the end of the file " + quoted(path_) + ", which is " +
                         std::to_string(fileLength) + " bytes long.");
}

std::string GameExecutable::readAvailable(std::int32_t position, std::int32_t count) const {
  const std::streamoff offset = std::streamoff{position} - 1;
  const std::streamoff held = std::clamp<std::streamoff>(length() - offset, 0, count);
  std::string bytes(static_cast<std::size_t>(held), '\0');
  bytes.resize(static_cast<std::size_t>(readAt(offset, bytes.data(), held)));
  return bytes;
}

void GameExecutable::checkStillInPlace() const {
  std::error_code error;
  if (!std::filesystem::exists(toPath(path_), error))
    throw RuntimeError(ErrorNumber::FileNotFound, "The game executable " + quoted(path_) +
                                                      " has been moved or deleted since it was opened. "
                                                      "Open it again with File > Open.");
}

}  // namespace pricewright
