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
  const std::wstring text = WideText();
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

void Label::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillSolid(dc, client, BackgroundColour());
  SelectObjectScope font(dc, this->font());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsWindowEnabled(hwnd) ? CurrentTextColour() : GetSysColor(COLOR_GRAYTEXT));
  const std::wstring text = WideText();
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandlePaintMessage(message, result)) return result;
  switch (message) {
    case WM_SETTEXT:
    case WM_SETFONT: {
      result = Default(message, wParam, lParam);
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
