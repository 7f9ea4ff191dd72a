#include "HintWindow.h"

#include "Control.h"
#include "Dpi.h"
#include "Font.h"
#include "Utf8.h"

namespace winui {
namespace {

constexpr UINT_PTR kPauseTimer = 1;
constexpr UINT_PTR kWatchTimer = 2;
constexpr UINT kWatchMs = 100;

}  // namespace

bool HintWindow::EnsureWindow() {
  if (hwnd) return true;
  CreateArgs args;
  args.className = L"WinuiHintWindow";
  args.style = WS_POPUP;
  args.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  return CreateOwnClass(args);
}

// The deepest control under the point, disabled ones included (the system
// sends their mouse messages to the parent), walked up to one with a hint.
Control* HintWindow::HintedControlAt(POINT screen) {
  HWND window = WindowFromPoint(screen);
  if (!window) return nullptr;
  for (;;) {
    POINT client = screen;
    ScreenToClient(window, &client);
    HWND child = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == window) break;
    window = child;
  }
  for (; window; window = GetParent(window)) {
    Control* control = Control::FromHandle(window);
    if (control && control->showHint() && !control->hint().empty()) return control;
  }
  return nullptr;
}

void HintWindow::Observe(const MSG& message) {
  switch (message.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE: {
      if (message.hwnd == hwnd) return;
      POINT screen;
      GetCursorPos(&screen);
      Control* control = HintedControlAt(screen);
      HWND over = control ? control->hwnd : nullptr;
      if (over == tracked_) return;
      Hide();
      tracked_ = over;
      suppressed_ = false;
      if (over && EnsureWindow()) SetTimer(hwnd, kPauseTimer, kPauseMs, nullptr);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (tracked_) suppressed_ = true;
      Hide();
      return;
  }
}

void HintWindow::ShowFor(Control& control) {
  if (!EnsureWindow()) return;
  text_ = WideFromUtf8(control.hint());
  tracked_ = control.hwnd;
  const UINT dpi = DpiForWindow(control.hwnd);
  if (!madeFont_ || madeDpi_ != dpi) {
    madeFont_ = CreateFontForDpi(font_, dpi);
    madeDpi_ = dpi;
  }
  RECT box{0, 0, ScaleForDpi(400, dpi), 0};
  {
    WindowDc screen(nullptr);
    SelectObjectScope font(screen.dc, madeFont_.get());
    DrawTextW(screen.dc, text_.c_str(), static_cast<int>(text_.size()), &box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  }
  const int pad = ScaleForDpi(3, dpi);
  POINT at;
  GetCursorPos(&at);
  at.y += ScaleForDpi(20, dpi);  // below the pointer's arrow
  SetWindowTextW(hwnd, text_.c_str());
  SetWindowPos(hwnd, HWND_TOPMOST, at.x, at.y, box.right + 2 * pad, box.bottom + 2 * pad,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd, nullptr, TRUE);
  shownAt_ = GetTickCount();
  SetTimer(hwnd, kWatchTimer, kWatchMs, nullptr);
}

void HintWindow::Hide() {
  if (!hwnd) return;
  KillTimer(hwnd, kPauseTimer);
  KillTimer(hwnd, kWatchTimer);
  if (IsWindowVisible(hwnd)) ShowWindow(hwnd, SW_HIDE);
}

void HintWindow::OnTimer(UINT_PTR id) {
  POINT screen;
  GetCursorPos(&screen);
  Control* control = HintedControlAt(screen);
  const bool stillOver = control && control->hwnd == tracked_;
  if (id == kPauseTimer) {
    KillTimer(hwnd, kPauseTimer);
    if (stillOver && !suppressed_) ShowFor(*control);
    return;
  }
  if (!stillOver) tracked_ = nullptr;
  if (!stillOver || GetTickCount() - shownAt_ >= kHideMs) Hide();
}

void HintWindow::Paint(HDC dc) {
  RECT r;
  GetClientRect(hwnd, &r);
  FillSolid(dc, r, GetSysColor(COLOR_INFOBK));
  FrameSolid(dc, r, GetSysColor(COLOR_WINDOWFRAME));
  const int pad = ScaleForDpi(3, madeDpi_ ? madeDpi_ : kDesignDpi);
  InflateRect(&r, -pad, -pad);
  SelectObjectScope font(dc, madeFont_.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r, DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT HintWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandlePaintMessage(message, result)) return result;
  switch (message) {
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace winui
