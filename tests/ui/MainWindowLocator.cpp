// Tells the end-to-end test where a top-level window is (it runs inside the
// test's Wine desktop, so its answer goes to a file, whole, by a rename):
//   main_window_locator OUT find CAPTION  -> "wl wt wr wb cl ct" (window rectangle, client origin) | "none"
//   main_window_locator OUT text CAPTION  -> the source field's text, UTF-8 | "none"
//   main_window_locator OUT close CAPTION -> "closed" | "none"
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "Utf8.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 4) return 2;
  const std::wstring out = arguments[1], question = arguments[2], caption = arguments[3];
  LocalFree(arguments);
  std::string answer = "none";
  if (HWND window = FindWindowW(L"WinuiForm", caption.c_str())) {
    if (question == L"find" && IsWindowVisible(window)) {
      RECT r;
      GetWindowRect(window, &r);
      POINT origin{0, 0};
      ClientToScreen(window, &origin);
      char text[128];
      std::snprintf(text, sizeof(text), "%ld %ld %ld %ld %ld %ld", r.left, r.top, r.right, r.bottom, origin.x,
                    origin.y);
      answer = text;
    } else if (question == L"text") {
      // The source field is the form's first edit.
      if (HWND edit = FindWindowExW(window, nullptr, L"Edit", nullptr)) {
        wchar_t text[1024] = L"";
        DWORD_PTR length = 0;  // GetWindowText does not ask another process's controls
        SendMessageTimeoutW(edit, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &length);
        answer = "text:" + Utf8FromWide(text);
      }
    } else if (question == L"close") {
      PostMessageW(window, WM_CLOSE, 0, 0);
      answer = "closed";
    }
  }
  answer += "\n";
  const std::wstring partial = out + L".part";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, answer.data(), static_cast<DWORD>(answer.size()), &written, nullptr);
  CloseHandle(file);
  return MoveFileExW(partial.c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
