#include "SystemRequests.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

#include "Utf8.h"

namespace winui {
namespace {

const wchar_t* OrNull(const std::optional<std::wstring>& text) { return text ? text->c_str() : nullptr; }

SystemRequests*& Current() {
  static SystemRequests system;
  static SystemRequests* current = &system;
  return current;
}

}  // namespace

void SystemRequests::Shell(const ShellRequest& r) {
  ShellExecuteW(r.owner, OrNull(r.operation), OrNull(r.file), OrNull(r.parameters), OrNull(r.directory), r.show);
}

int SystemRequests::Message(const MessageRequest& r) {
  return MessageBoxW(r.owner, r.text.c_str(), r.caption.c_str(), r.type);
}

std::optional<std::wstring> SystemRequests::OpenFile(const OpenFileRequest& r) {
  // Room for long paths: the dialog fails rather than cutting a name short.
  std::vector<wchar_t> name(32768, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = r.owner;
  ofn.lpstrFilter = r.filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = r.initialFolder.empty() ? nullptr : r.initialFolder.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (!GetOpenFileNameW(&ofn)) return std::nullopt;
  return std::wstring(name.data());
}

SystemRequests& CurrentSystemRequests() { return *Current(); }

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
  return CurrentSystemRequests().Message({owner, WideFromUtf8(text), WideFromUtf8(caption), type});
}

ScopedSystemRequests::ScopedSystemRequests(SystemRequests& replacement) : previous_(Current()) {
  Current() = &replacement;
}

ScopedSystemRequests::~ScopedSystemRequests() { Current() = previous_; }

}  // namespace winui
