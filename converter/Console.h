#pragma once
// Where the converter's lines go: the real console, or a recorder in tests.
#include <string_view>

class Console {
 public:
  virtual ~Console() = default;
  virtual void WriteOut(std::string_view utf8) = 0;
  virtual void WriteError(std::string_view utf8) = 0;
  // A progress line makes sense only there.
  virtual bool ErrorIsTerminal() const = 0;
  // The console was made for this process alone (a window the front end's
  // start opened): it closes with the process, so a failure waits for a key.
  virtual bool IsOwnConsole() const = 0;
  virtual void WaitForKey() = 0;
};
