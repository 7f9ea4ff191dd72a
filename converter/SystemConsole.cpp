#include "SystemConsole.h"

#ifdef _WIN32
#include <windows.h>

#include <string>

#include "Utf8.h"
#else
#include <unistd.h>

#include <cerrno>
#endif

#ifdef _WIN32

namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

void WriteTo(DWORD which, std::string_view utf8) {
  const HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  DWORD done;
  if (IsConsole(handle)) {
    const std::wstring wide = WideFromUtf8(utf8);
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
  } else {
    WriteFile(handle, utf8.data(), static_cast<DWORD>(utf8.size()), &done, nullptr);
  }
}

}  // namespace

SystemConsole::SystemConsole() : errorIsTerminal_(IsConsole(GetStdHandle(STD_ERROR_HANDLE))) {}

void SystemConsole::WriteOut(std::string_view utf8) { WriteTo(STD_OUTPUT_HANDLE, utf8); }
void SystemConsole::WriteError(std::string_view utf8) { WriteTo(STD_ERROR_HANDLE, utf8); }

bool SystemConsole::IsOwnConsole() const {
  DWORD processes[2];
  return GetConsoleProcessList(processes, 2) == 1;
}

void SystemConsole::WaitForKey() {
  HANDLE input = CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
  if (input == INVALID_HANDLE_VALUE) return;
  FlushConsoleInputBuffer(input);
  for (;;) {
    INPUT_RECORD record;
    DWORD count = 0;
    if (!ReadConsoleInputW(input, &record, 1, &count) || count == 0) break;
    if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) break;
  }
  CloseHandle(input);
}

#else

namespace {

void WriteTo(int fd, std::string_view utf8) {
  while (!utf8.empty()) {
    const ssize_t done = write(fd, utf8.data(), utf8.size());
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return;
    utf8.remove_prefix(static_cast<size_t>(done));
  }
}

}  // namespace

SystemConsole::SystemConsole() : errorIsTerminal_(isatty(STDERR_FILENO) == 1) {}

void SystemConsole::WriteOut(std::string_view utf8) { WriteTo(STDOUT_FILENO, utf8); }
void SystemConsole::WriteError(std::string_view utf8) { WriteTo(STDERR_FILENO, utf8); }

// A terminal outlives its programs: nothing to keep open.
bool SystemConsole::IsOwnConsole() const { return false; }
void SystemConsole::WaitForKey() {}

#endif
