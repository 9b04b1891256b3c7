#include "gamedata/error.h"

#include <utility>

namespace pricewright {

std::string_view description(ErrorNumber number) {
  switch (number) {
  case ErrorNumber::InvalidProcedureCall: return "Invalid procedure call or argument";
  case ErrorNumber::Overflow: return "Overflow";
  case ErrorNumber::TypeMismatch: return "Type mismatch";
  case ErrorNumber::BadFileName: return "Bad file name or number";
  case ErrorNumber::FileNotFound: return "File not found";
  case ErrorNumber::DeviceIoError: return "Device I/O error";
  case ErrorNumber::InputPastEndOfFile: return "Input past end of file";
  case ErrorNumber::BadRecordNumber: return "Bad record number";
  case ErrorNumber::PermissionDenied: return "Permission denied";
  case ErrorNumber::PathFileAccessError: return "Path/File access error";
  case ErrorNumber::InvalidFileFormat: return "Invalid file format";
  }
  return "Unknown error";
}

namespace {
std::string fullMessage(ErrorNumber number, const std::string& whatFailed, bool plain) {
  if (plain) return whatFailed;
  return "Run-time error '" + std::to_string(static_cast<int>(number)) +
         "': " + std::string(description(number)) + ". " + whatFailed;
}
}  // namespace

RuntimeError::RuntimeError(ErrorNumber number, std::string whatFailed, bool plain)
    : std::runtime_error(fullMessage(number, whatFailed, plain)), number_(number),
      whatFailed_(std::move(whatFailed)), plain_(plain) {}

RuntimeError::RuntimeError(ErrorNumber number, std::string whatFailed)
    : RuntimeError(number, std::move(whatFailed), false) {}

RuntimeError RuntimeError::inPlainWords(ErrorNumber number, std::string whatFailed) {
  return {number, std::move(whatFailed), true};
}

RuntimeError RuntimeError::withSentence(std::string_view sentence) const {
  return {number_, whatFailed_ + " " + std::string(sentence), plain_};
}

}  // namespace pricewright
