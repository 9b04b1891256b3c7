#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "window_interface/controls.h"

namespace pricewright {

enum class MessageIcon { None, Warning };

struct FileDialogSettings {
  std::string_view title;
  std::string_view filterDescription;
  std::string_view filterPattern;
};

// The one small view of the main window through which the operations read and
// write the controls. Texts are UTF-8. Each shell implements it; tests use a
// recording double.
class Window {
public:
  virtual ~Window() = default;

  virtual void clearList(ListBox list) = 0;
  // Appends at the end and selects nothing.
  virtual void appendEntry(ListBox list, const std::string& text) = 0;
  virtual ListIndex selectedIndex(ListBox list) const = 0;
  // Setting the selection from the program runs no selection operation.
  virtual void setSelectedIndex(ListBox list, ListIndex index) = 0;

  virtual std::string text(TextBox box) const = 0;
  virtual void setText(TextBox box, const std::string& text) = 0;

  // The value of "Normal Item Only": 1 when checked, 0 when not.
  virtual std::int16_t chkBaseValue() const = 0;

  // Shows the file-open dialog modally. A confirmed pick becomes the chosen
  // file name; a cancel leaves it as it was.
  virtual void showFileOpenDialog(const FileDialogSettings& settings) = 0;
  // The full path the dialog holds between uses; empty until the first pick.
  virtual std::string chosenFileName() const = 0;
  // Makes `path` the chosen file name without the dialog, as a file named on
  // the command line or dropped on the window.
  virtual void setChosenFileName(const std::string& path) = 0;

  // A modal message box with an OK button; returns when the user closes it.
  virtual void showMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;

  // The decimal separator of the user's locale, for reading and writing numbers.
  virtual std::string decimalSeparator() const = 0;
};

}  // namespace pricewright
