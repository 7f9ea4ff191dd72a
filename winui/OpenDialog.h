#pragma once
// The open-file dialog: one object for a window's life, run modally.
#include <windows.h>

#include <string>
#include <string_view>

namespace winui {

class OpenDialog {
 public:
  // "caption|patterns|caption|patterns...", as descriptions write filters.
  std::string filter;
  std::string initialFolder;
  // The chosen file's full path after a successful Execute.
  std::string fileName;

  // True when the user chose a file; false (fileName untouched) on cancel.
  bool Execute(HWND owner);
};

// "A|*.a;*.b" as the dialog takes it: "A\0*.a;*.b\0" (and one more NUL).
std::wstring FilterForDialog(std::string_view filter);

}  // namespace winui
