#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace pricewright {

// The numbers are the classic run-time error numbers that players of Windows
// programs of the game's era know from their message boxes.
enum class ErrorNumber : int {
  InvalidProcedureCall = 5,
  Overflow = 6,
  TypeMismatch = 13,
  BadFileName = 52,
  FileNotFound = 53,
  DeviceIoError = 57,
  InputPastEndOfFile = 62,
  BadRecordNumber = 63,
  PermissionDenied = 70,
  PathFileAccessError = 75,
  InvalidFileFormat = 321,
};

std::string_view description(ErrorNumber number);

// A failure of an operation. It never ends the program: the shell shows it and
// the operation that raised it has left the state clean.
class RuntimeError : public std::runtime_error {
public:
  // Shown as "Run-time error '13': Type mismatch. " and then what failed.
  RuntimeError(ErrorNumber number, std::string whatFailed);
  // Shown as what failed alone, for a failure that plain words explain better than a number.
  static RuntimeError inPlainWords(ErrorNumber number, std::string whatFailed);

  ErrorNumber number() const { return number_; }
  std::string_view description() const { return pricewright::description(number_); }
  // What failed, in words a player understands.
  const std::string& whatFailed() const { return whatFailed_; }
  // The same error with `sentence` added to what failed.
  RuntimeError withSentence(std::string_view sentence) const;

private:
  RuntimeError(ErrorNumber number, std::string whatFailed, bool plain);

  ErrorNumber number_;
  std::string whatFailed_;
  bool plain_;
};

}  // namespace pricewright
