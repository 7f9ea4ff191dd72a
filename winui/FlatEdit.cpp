#include "FlatEdit.h"

namespace winui {

bool FlatEdit::CreateWindowFor(CreateArgs args) {
  args.style |= ES_AUTOHSCROLL | ES_LEFT;
  if (record().flags & flags::ReadOnly) args.style |= ES_READONLY;
  if (!CreateSystemClass(args)) return false;
  // Our border replaces the system's: have the non-client area recomputed.
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  return true;
}

bool FlatEdit::ReadOnly() const { return (GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY) != 0; }

COLORREF FlatEdit::CurrentBackground() const {
  return GetFocus() == hwnd ? GetSysColor(COLOR_WINDOW) : BackgroundColour();
}

bool FlatEdit::OnCommand(WORD code) {
  switch (code) {
    case EN_CHANGE:
      if (onChange) onChange(*this);
      return true;
    case EN_SETFOCUS:
    case EN_KILLFOCUS:
      RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return true;
  }
  return false;
}

HBRUSH FlatEdit::OnControlColour(HDC dc) {
  const COLORREF background = CurrentBackground();
  if (!brush_ || brushColour_ != background) {
    brush_.reset(CreateSolidBrush(background));
    brushColour_ = background;
  }
  SetBkColor(dc, background);
  SetTextColor(dc, IsWindowEnabled(hwnd) ? TextColour() : GetSysColor(COLOR_GRAYTEXT));
  return brush_.get();
}

void FlatEdit::PaintBorder() {
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  RECT r;
  GetWindowRect(hwnd, &r);
  OffsetRect(&r, -r.left, -r.top);
  const int inset = Inset();
  const COLORREF background = CurrentBackground();
  FillSolid(dc, {r.left, r.top, r.right, r.top + inset}, background);
  FillSolid(dc, {r.left, r.bottom - inset, r.right, r.bottom}, background);
  FillSolid(dc, {r.left, r.top, r.left + inset, r.bottom}, background);
  FillSolid(dc, {r.right - inset, r.top, r.right, r.bottom}, background);
  FrameSolid(dc, r, GetSysColor(COLOR_BTNSHADOW));
  ReleaseDC(hwnd, dc);
}

LRESULT FlatEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCALCSIZE: {
      auto* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
      InflateRect(r, -Inset(), -Inset());
      return 0;
    }
    case WM_NCPAINT:
      PaintBorder();
      return 0;
    case WM_ENABLE: {
      const LRESULT result = Default(message, wParam, lParam);
      RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return result;
    }
  }
  return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace winui
