#pragma once
// The one seam through which every request to the shell, every message box
// and every open-file dialog goes. The program uses the system's; a test puts
// a recorder in its place (ScopedSystemRequests) and sees exactly what would
// have gone out.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace winui {

// ShellExecuteW's six fields; none means NULL, not an empty text.
struct ShellRequest {
  HWND owner = nullptr;
  std::optional<std::wstring> operation;
  std::optional<std::wstring> file;
  std::optional<std::wstring> parameters;
  std::optional<std::wstring> directory;
  int show = SW_SHOWNORMAL;
};

struct MessageRequest {
  HWND owner = nullptr;
  std::wstring text;
  std::wstring caption;
  UINT type = MB_OK;
};

struct OpenFileRequest {
  HWND owner = nullptr;
  std::wstring filter;  // pairs of caption and patterns, each ended by NUL
  std::wstring initialFolder;
};

class SystemRequests {
 public:
  virtual ~SystemRequests() = default;
  // Fire-and-forget: the shell's answer is not passed on.
  virtual void Shell(const ShellRequest& request);
  virtual int Message(const MessageRequest& request);
  // The chosen file's full path, or none when the user cancelled.
  virtual std::optional<std::wstring> OpenFile(const OpenFileRequest& request);
};

// The requests in force: the system's unless a test has put its own.
SystemRequests& CurrentSystemRequests();

// The plain message box, through the seam; texts are UTF-8.
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type = MB_OK);

class ScopedSystemRequests {
 public:
  explicit ScopedSystemRequests(SystemRequests& replacement);
  ~ScopedSystemRequests();
  ScopedSystemRequests(const ScopedSystemRequests&) = delete;
  ScopedSystemRequests& operator=(const ScopedSystemRequests&) = delete;

 private:
  SystemRequests* previous_;
};

}  // namespace winui
