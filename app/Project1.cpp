// The program's start: the application, the main window, the about window
// made hidden, the message loop; the end when the main window closes.
#include <windows.h>

#include "Application.h"
#include "Dpi.h"
#include "Unit1.h"
#include "Unit2.h"

namespace {

// DLLs from the system folder only, never from the program's or the
// current folder. Looked up: systems without the update lack it.
void LoadLibrariesFromSystemOnly() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set = reinterpret_cast<SetDirectories>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  LoadLibrariesFromSystemOnly();
  winui::EnableDpiAwareness();
  winui::Application application(instance);
  TForm1& form1 = application.CreateForm<TForm1>();
  if (!form1.built()) {
    MessageBoxW(nullptr, L"Не удалось создать главное окно.", L"Converter AMR<->WAV", MB_OK | MB_ICONERROR);
    return 1;
  }
  application.CreateForm<TForm2>();
  return application.Run();
}
