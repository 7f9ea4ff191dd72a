#include "OpenDialog.h"

#include "SystemRequests.h"
#include "Utf8.h"

namespace winui {

std::wstring FilterForDialog(std::string_view filter) {
  std::wstring result = WideFromUtf8(filter);
  for (wchar_t& c : result) {
    if (c == L'|') c = L'\0';
  }
  result.push_back(L'\0');
  return result;  // the string's own terminator ends the list
}

bool OpenDialog::Execute(HWND owner) {
  const auto chosen = CurrentSystemRequests().OpenFile({owner, FilterForDialog(filter), WideFromUtf8(initialFolder)});
  if (!chosen) return false;
  fileName = Utf8FromWide(*chosen);
  return true;
}

}  // namespace winui
