#include "gamedata/error.h"

#include <utility>

namespace pricewright {

std::string_view description(ErrorNumber number) {
  switch (number) {
  case ErrorNumber::Overflow: return "Overflow";
  case ErrorNumber::TypeMismatch: return "Type mismatch";
  case ErrorNumber::BadFileName: return "Bad file name or number";
  case ErrorNumber::FileNotFound: return "File not found";
  case ErrorNumber::DeviceIoError: return "Device I/O error";
  case ErrorNumber::InputPastEndOfFile: return "Input past end of file";
  case ErrorNumber::BadRecordNumber: return "Bad record number";
  case ErrorNumber::PermissionDenied: return "Permission denied";
  case ErrorNumber::PathFileAccessError: return "Path/File access error";
  }
  return "Unknown error";
}

namespace {
std::string fullMessage(ErrorNumber number, const std::string& whatFailed) {
  return "Run-time error '" + std::to_string(static_cast<int>(number)) +
         "': " + std::string(description(number)) + ". " + whatFailed;
}
}  // namespace

RuntimeError::RuntimeError(ErrorNumber number, std::string whatFailed)
    : std::runtime_error(fullMessage(number, whatFailed)), number_(number),
      whatFailed_(std::move(whatFailed)) {}

}  // namespace pricewright
