#include "Dpi.h"

#include "Gdi.h"

namespace winui {
namespace {

// The dpi functions came with later systems: look them up, never import
// them, so that the program still starts where they are missing.
template <class Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

void EnableDpiAwareness() {
  using SetContext = BOOL(WINAPI*)(HANDLE);
  const HANDLE perMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
  if (auto setContext = User32Function<SetContext>("SetProcessDpiAwarenessContext")) {
    if (setContext(perMonitorAwareV2)) return;
  }
  using SetAware = BOOL(WINAPI*)();
  if (auto setAware = User32Function<SetAware>("SetProcessDPIAware")) setAware();
}

UINT DpiForWindow(HWND hwnd) {
  using GetDpi = UINT(WINAPI*)(HWND);
  static const auto getDpi = User32Function<GetDpi>("GetDpiForWindow");
  if (getDpi && hwnd) {
    if (const UINT dpi = getDpi(hwnd)) return dpi;
  }
  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.dc, LOGPIXELSY);
  return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, bool menu, UINT dpi) {
  using Adjust = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32Function<Adjust>("AdjustWindowRectExForDpi");
  if (adjust && adjust(&rect, style, menu, exStyle, dpi)) return;
  AdjustWindowRectEx(&rect, style, menu, exStyle);
}

}  // namespace winui
