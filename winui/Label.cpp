#include "Label.h"

#include <algorithm>

namespace winui {

void Label::SetTextColour(COLORREF colour) {
  if (hasOwnColour_ && ownColour_ == colour) return;
  hasOwnColour_ = true;
  ownColour_ = colour;
  InvalidateRect(hwnd, nullptr, TRUE);
}

COLORREF Label::CurrentTextColour() const { return hasOwnColour_ ? ownColour_ : TextColour(); }

void Label::GrowToText() {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  WindowDc dc(hwnd);
  SelectObjectScope select(dc.dc, font());
  RECT measured{};
  DrawTextW(dc.dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  RECT place;
  GetWindowRect(hwnd, &place);
  const int width = place.right - place.left, height = place.bottom - place.top;
  const int wantW = std::max<int>(width, measured.right), wantH = std::max<int>(height, measured.bottom);
  if (wantW != width || wantH != height) {
    SetWindowPos(hwnd, nullptr, 0, 0, wantW, wantH, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintScope paint(hwnd);
      RECT client;
      GetClientRect(hwnd, &client);
      FillSolid(paint.dc, client, BackgroundColour());
      SelectObjectScope font(paint.dc, this->font());
      SetBkMode(paint.dc, TRANSPARENT);
      SetTextColor(paint.dc, IsWindowEnabled(hwnd) ? CurrentTextColour() : GetSysColor(COLOR_GRAYTEXT));
      const std::wstring text = [this] {
        std::wstring t(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
        t.resize(static_cast<size_t>(GetWindowTextW(hwnd, t.data(), static_cast<int>(t.size()))));
        return t;
      }();
      DrawTextW(paint.dc, text.c_str(), static_cast<int>(text.size()), &client,
                DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
      return 0;
    }
    case WM_SETTEXT:
    case WM_SETFONT: {
      const LRESULT result = Default(message, wParam, lParam);
      GrowToText();
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
    case WM_ENABLE:
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_LBUTTONUP:
      FireClick();
      return 0;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace winui
