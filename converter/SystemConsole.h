#pragma once
// The process's own standard output and error. On Windows a console gets
// wide text (so Cyrillic shows whatever the code page), a pipe or a file
// gets UTF-8; elsewhere UTF-8 throughout.
#include "Console.h"

class SystemConsole : public Console {
 public:
  SystemConsole();
  void WriteOut(std::string_view utf8) override;
  void WriteError(std::string_view utf8) override;
  bool ErrorIsTerminal() const override { return errorIsTerminal_; }
  bool IsOwnConsole() const override;
  void WaitForKey() override;

 private:
  bool errorIsTerminal_;
};
