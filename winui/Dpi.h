#pragma once
// Screen density: the program asks to be told the real dpi of each monitor
// and scales every place and font of a description (given at 96 dpi) itself.
#include <windows.h>

namespace winui {

inline constexpr UINT kDesignDpi = 96;

// Per-monitor awareness (v2) where the system has it, else system-wide.
// Call before the first window; harmless when the manifest already asks.
void EnableDpiAwareness();

// The dpi the window is shown at (the system's dpi on older systems).
UINT DpiForWindow(HWND hwnd);

// AdjustWindowRectEx at the given dpi where the system can, else at its own.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, bool menu, UINT dpi);

inline int ScaleForDpi(int value, UINT dpi) { return MulDiv(value, static_cast<int>(dpi), kDesignDpi); }

}  // namespace winui
