#pragma once
// The one flat hint window of the application: a plain box with a thin
// border that shows the hint of the control under the mouse after a pause
// and hides on a click, a key, or when the mouse leaves that control. The
// application's message loop shows it every message (Observe).
#include <windows.h>

#include <string>

#include "Description.h"
#include "Gdi.h"
#include "Window.h"

namespace winui {

class Control;

class HintWindow : public Window {
 public:
  HintWindow() = default;
  void SetFont(const FontRecord& font) { font_ = font; }
  void Observe(const MSG& message);
  // Shows a control's hint at once below the mouse (also used by tests).
  void ShowFor(Control& control);
  void Hide();
  bool Showing() const { return hwnd && IsWindowVisible(hwnd); }
  std::wstring ShownText() const { return text_; }

  static constexpr UINT kPauseMs = 500;
  static constexpr UINT kHideMs = 2500;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) override;
  bool EnsureWindow();
  static Control* HintedControlAt(POINT screen);
  void OnTimer(UINT_PTR id);

  FontRecord font_{"MS Sans Serif", 8};
  UniqueFont madeFont_;
  UINT madeDpi_ = 0;
  std::wstring text_;
  HWND tracked_ = nullptr;   // the control whose hint is pending or shown
  bool suppressed_ = false;  // a click or key hid it: not again on this control
  DWORD shownAt_ = 0;
};

}  // namespace winui
