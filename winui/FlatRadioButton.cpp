#include "FlatRadioButton.h"

#include <windowsx.h>

namespace winui {

bool FlatRadioButton::CreateWindowFor(CreateArgs args) {
  checked_ = (record().flags & flags::Checked) != 0;
  if (checked_) args.style |= WS_TABSTOP;
  return CreateOwnClass(args);
}

void FlatRadioButton::SetChecked(bool checked) {
  checked_ = checked;
  LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  style = checked ? style | WS_TABSTOP : style & ~WS_TABSTOP;
  SetWindowLongW(hwnd, GWL_STYLE, style);
  InvalidateRect(hwnd, nullptr, FALSE);
}

void FlatRadioButton::Check() {
  if (checked_) return;
  for (HWND child = GetWindow(GetParent(hwnd), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    auto* other = dynamic_cast<FlatRadioButton*>(Control::FromHandle(child));
    if (other && other != this && other->checked_) other->SetChecked(false);
  }
  SetChecked(true);
  FireClick();
}

FlatRadioButton* FlatRadioButton::Sibling(bool next) const {
  HWND child = hwnd;
  for (;;) {
    child = GetWindow(child, next ? GW_HWNDNEXT : GW_HWNDPREV);
    if (!child) child = GetWindow(hwnd, next ? GW_HWNDFIRST : GW_HWNDLAST);
    if (child == hwnd) return nullptr;
    auto* other = dynamic_cast<FlatRadioButton*>(Control::FromHandle(child));
    if (other && IsWindowEnabled(child) && IsWindowVisible(child)) return other;
  }
}

void FlatRadioButton::Paint(HDC dc) {
  RECT r;
  GetClientRect(hwnd, &r);
  FillSolid(dc, r, BackgroundColour());
  const bool enabled = IsWindowEnabled(hwnd);
  const int size = Scale(12);
  const int top = (r.bottom - size) / 2;
  {
    UniquePen pen(CreatePen(PS_SOLID, 1, GetSysColor(hot_ ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW)));
    UniqueBrush fill(CreateSolidBrush(GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE)));
    SelectObjectScope selectPen(dc, pen.get());
    SelectObjectScope selectBrush(dc, fill.get());
    Ellipse(dc, 0, top, size, top + size);
    if (checked_) {
      UniqueBrush dot(CreateSolidBrush(enabled ? TextColour() : GetSysColor(COLOR_GRAYTEXT)));
      UniquePen none(CreatePen(PS_NULL, 0, 0));
      SelectObjectScope dotPen(dc, none.get());
      SelectObjectScope dotBrush(dc, dot.get());
      const int inset = Scale(3);
      Ellipse(dc, inset, top + inset, size - inset + 1, top + size - inset + 1);
    }
  }
  const std::wstring caption = WideText();
  SelectObjectScope font(dc, this->font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? TextColour() : GetSysColor(COLOR_GRAYTEXT));
  RECT text{size + Scale(5), 0, r.right, r.bottom};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (GetFocus() == hwnd) {
    RECT measured = text;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
              DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    RECT focus{text.left - 1, (r.bottom - (measured.bottom - measured.top)) / 2 - 1, measured.right + 1, 0};
    focus.bottom = focus.top + (measured.bottom - measured.top) + 2;
    DrawFocusRect(dc, &focus);
  }
}

LRESULT FlatRadioButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandlePaintMessage(message, result) || RepaintOnStateChange(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_LBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_LBUTTONUP: {
      RECT r;
      GetClientRect(hwnd, &r);
      const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (PtInRect(&r, p)) Check();
      return 0;
    }
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      hot_ = false;
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_RADIOBUTTON | DLGC_WANTARROWS;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) {
        Check();
        return 0;
      }
      if (wParam == VK_UP || wParam == VK_LEFT || wParam == VK_DOWN || wParam == VK_RIGHT) {
        if (FlatRadioButton* other = Sibling(wParam == VK_DOWN || wParam == VK_RIGHT)) {
          SetFocus(other->hwnd);
          other->Check();
        }
        return 0;
      }
      break;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace winui
