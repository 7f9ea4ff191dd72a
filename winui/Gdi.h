#pragma once
// Scoped GDI state for painting: owned fonts, brushes and pens, an object
// selected into a DC for the scope, a paint pass and a screen DC.
#include <windows.h>

#include <memory>
#include <type_traits>

#include "UniqueGdi.h"

namespace winui {

using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniquePen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;

class SelectObjectScope {
 public:
  SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectObjectScope() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectObjectScope(const SelectObjectScope&) = delete;
  SelectObjectScope& operator=(const SelectObjectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc = BeginPaint(hwnd, &ps); }
  ~PaintScope() { EndPaint(hwnd_, &ps); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  PAINTSTRUCT ps{};
  HDC dc = nullptr;

 private:
  HWND hwnd_;
};

// GetDC/ReleaseDC of a window (nullptr: the screen).
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc(GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc) ReleaseDC(hwnd_, dc);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

 private:
  HWND hwnd_;

 public:
  HDC dc;
};

struct MemoryDcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

inline void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  const COLORREF old = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

inline void FrameSolid(HDC dc, const RECT& r, COLORREF colour) {
  FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, colour);
  FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, colour);
  FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, colour);
  FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, colour);
}

// Top and left edge in one colour, bottom and right in the other.
inline void Frame3D(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, topLeft);
  FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
  FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

}  // namespace winui
