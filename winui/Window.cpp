#include "Window.h"

#include <commctrl.h>

#include <set>

#include "Gdi.h"

namespace winui {

// One subclass of ours per window.
constexpr UINT_PTR kSubclassId = 1;

Window::~Window() {
  if (!hwnd) return;
  const HWND was = hwnd;
  if (subclassed_) {
    RemoveWindowSubclass(was, SubclassProc, kSubclassId);
  } else {
    SetWindowLongPtrW(was, GWLP_USERDATA, 0);
  }
  hwnd = nullptr;
  DestroyWindow(was);
}

bool Window::CreateOwnClass(const CreateArgs& args) {
  static std::set<std::wstring> registered;
  if (!registered.count(args.className)) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = args.classStyle;
    wc.lpfnWndProc = OwnClassProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = args.cursor ? args.cursor : LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = args.className;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    registered.insert(args.className);
  }
  const RECT& r = args.place;
  CreateWindowExW(args.exStyle, args.className, args.text.c_str(), args.style, r.left, r.top, r.right - r.left,
                  r.bottom - r.top, args.parent, args.menuOrId, GetModuleHandleW(nullptr), this);
  return hwnd != nullptr;
}

bool Window::CreateSystemClass(const CreateArgs& args) {
  const RECT& r = args.place;
  HWND created =
      CreateWindowExW(args.exStyle, args.className, args.text.c_str(), args.style, r.left, r.top, r.right - r.left,
                      r.bottom - r.top, args.parent, args.menuOrId, GetModuleHandleW(nullptr), nullptr);
  if (!created) return false;
  if (!SetWindowSubclass(created, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    DestroyWindow(created);
    return false;
  }
  hwnd = created;
  subclassed_ = true;
  return true;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

bool Window::HandlePaintMessage(UINT message, LRESULT& result) {
  if (message == WM_ERASEBKGND) {
    result = 1;
    return true;
  }
  if (message != WM_PAINT) return false;
  PaintScope paint(hwnd);
  Paint(paint.dc);
  result = 0;
  return true;
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return subclassed_ ? DefSubclassProc(hwnd, message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Window::OwnClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd = nullptr;
    self->OnDestroyed(hwnd);
    return result;
  }
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR selfData) {
  auto* self = reinterpret_cast<Window*>(selfData);
  if (message == WM_NCDESTROY) {
    // The subclass must go before the window does.
    RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    self->hwnd = nullptr;
    self->subclassed_ = false;
    self->OnDestroyed(hwnd);
    return result;
  }
  return self->HandleMessage(message, wParam, lParam);
}

}  // namespace winui
