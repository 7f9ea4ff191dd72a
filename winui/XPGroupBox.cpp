#include "XPGroupBox.h"

#include "Form.h"

namespace winui {
namespace {

// The colours of the XP theme's group box.
constexpr COLORREF kBorder = RGB(208, 208, 191);
constexpr COLORREF kCaption = RGB(0, 70, 213);

}  // namespace

bool XPGroupBox::CreateWindowFor(CreateArgs args) {
  args.style |= WS_CLIPCHILDREN;
  args.exStyle |= WS_EX_CONTROLPARENT;  // tab and arrow keys go into it
  return CreateOwnClass(args);
}

void XPGroupBox::Paint(HDC dc) {
  RECT r;
  GetClientRect(hwnd, &r);
  FillSolid(dc, r, BackgroundColour());
  const std::wstring caption = WideText();
  SelectObjectScope font(dc, this->font());
  SIZE text{};
  GetTextExtentPoint32W(dc, caption.empty() ? L" " : caption.c_str(),
                        caption.empty() ? 1 : static_cast<int>(caption.size()), &text);
  {
    UniquePen pen(CreatePen(PS_SOLID, 1, kBorder));
    SelectObjectScope selectPen(dc, pen.get());
    SelectObjectScope selectBrush(dc, GetStockObject(NULL_BRUSH));
    const int round = Scale(8);
    RoundRect(dc, r.left, r.top + text.cy / 2, r.right, r.bottom, round, round);
  }
  if (caption.empty()) return;
  const int x = Scale(8);
  FillSolid(dc, {x, r.top, x + text.cx, r.top + text.cy}, BackgroundColour());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, IsWindowEnabled(hwnd) ? kCaption : GetSysColor(COLOR_GRAYTEXT));
  TextOutW(dc, x, r.top, caption.c_str(), static_cast<int>(caption.size()));
}

LRESULT XPGroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (Form::ReflectToControl(message, wParam, lParam, result) || HandlePaintMessage(message, result)) return result;
  return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace winui
