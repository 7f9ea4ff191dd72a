// The converter's process entry: the command line as UTF-8 words.
#include <string>
#include <vector>

#include "ConverterRun.h"
#include "SystemConsole.h"
#include "TargetFile.h"

#ifdef _WIN32
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "Utf8.h"

namespace {

// No DLL from the current folder (where the user's sound files lie) may be
// loaded in our place. The call is missing before Windows 8 without its update.
void LoadDllsFromSystemOnly() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set = reinterpret_cast<SetDirectories>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (set != nullptr) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// Read as UTF-16 so that every name survives, whatever the code page.
std::vector<std::string> CommandWords() {
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 1; words != nullptr && i < count; ++i) result.push_back(Utf8FromWide(words[i]));
  LocalFree(words);
  return result;
}

}  // namespace

int main() {
  LoadDllsFromSystemOnly();
  RemoveTemporaryFileOnInterrupt();
  SystemConsole console;
  return ConverterMain(CommandWords(), console);
}

#else

int main(int argc, char** argv) {
  RemoveTemporaryFileOnInterrupt();
  SystemConsole console;
  return ConverterMain(std::vector<std::string>(argv + 1, argv + argc), console);
}

#endif
