// Stands in for converter.exe in the end-to-end test: writes the folder it
// was started in and each of its arguments, one a line in UTF-8, to
// received.txt beside itself (whole, by a rename), and ends.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <string>

#include "Utf8.h"
#include "ZarvoUnit1.h"

int main() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  wchar_t folder[MAX_PATH * 4] = L"";
  GetCurrentDirectoryW(MAX_PATH * 4, folder);
  std::string text = Utf8FromWide(folder) + "\n";
  for (int i = 1; i < count; ++i) text += Utf8FromWide(arguments[i]) + "\n";
  LocalFree(arguments);

  const std::wstring own = WideFromUtf8(ProgramFolder());
  const std::wstring partial = own + L"received.part", whole = own + L"received.txt";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
  CloseHandle(file);
  if (!ok || !MoveFileExW(partial.c_str(), whole.c_str(), MOVEFILE_REPLACE_EXISTING)) return 1;
  return 0;
}
