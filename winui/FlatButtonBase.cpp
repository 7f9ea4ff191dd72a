#include "FlatButtonBase.h"

#include <windowsx.h>

#include "Form.h"

namespace winui {

FlatButtonBase::FlatButtonBase(Form& form, const ControlRecord& record, Control* parent, bool takesFocus)
    : Control(form, record, parent), takesFocus_(takesFocus) {}

bool FlatButtonBase::CreateWindowFor(CreateArgs args) {
  if (record().glyph) glyph_ = form().GlyphNamed(record().glyph);
  return CreateOwnClass(args);
}

void FlatButtonBase::SetHot(bool hot) {
  if (hot_ == hot) return;
  hot_ = hot;
  if (hot) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
  }
  InvalidateRect(hwnd, nullptr, FALSE);
}

void FlatButtonBase::Paint(HDC dc) {
  RECT r;
  GetClientRect(hwnd, &r);
  const bool enabled = IsWindowEnabled(hwnd);
  FillSolid(dc, r, BackgroundColour());
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const bool raised = (record().flags & flags::NotFlat) != 0;
  if (enabled && down_ && hot_) {
    Frame3D(dc, r, shadow, light);
  } else if (enabled && (hot_ || raised)) {
    Frame3D(dc, r, light, shadow);
  } else if (takesFocus_) {
    FrameSolid(dc, r, shadow);  // a flat button keeps a thin outline at rest
  }

  // Glyph and caption as one block, centred; pressed moves it by a pixel.
  const std::wstring caption = WideText();
  SelectObjectScope font(dc, this->font());
  SIZE text{};
  if (!caption.empty()) GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  const int glyphW = glyph_ ? Scale(glyph_->width()) : 0, glyphH = glyph_ ? Scale(glyph_->height()) : 0;
  const int spacing = glyph_ && !caption.empty() ? Scale(4) : 0;
  const int offset = down_ && hot_ ? 1 : 0;
  int x = (r.right - (glyphW + spacing + text.cx)) / 2 + offset;
  if (glyph_) {
    glyph_->Draw(dc, x, (r.bottom - glyphH) / 2 + offset, dpi(), !enabled);
    x += glyphW + spacing;
  }
  if (!caption.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled ? TextColour() : GetSysColor(COLOR_GRAYTEXT));
    TextOutW(dc, x, (r.bottom - text.cy) / 2 + offset, caption.c_str(), static_cast<int>(caption.size()));
  }
  if (takesFocus_ && GetFocus() == hwnd) {
    RECT focus = r;
    InflateRect(&focus, -Scale(3), -Scale(3));
    DrawFocusRect(dc, &focus);
  }
}

LRESULT FlatButtonBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandlePaintMessage(message, result) || RepaintOnStateChange(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_MOUSEMOVE: {
      RECT r;
      GetClientRect(hwnd, &r);
      const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      SetHot(PtInRect(&r, p) != 0);
      break;
    }
    case WM_MOUSELEAVE:
      hot_ = true;  // so that SetHot repaints
      SetHot(false);
      return 0;
    case WM_LBUTTONDOWN:
      if (takesFocus_) SetFocus(hwnd);
      SetCapture(hwnd);
      down_ = true;
      SetHot(true);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP:
      if (down_) {
        const bool inside = hot_;
        ReleaseCapture();  // clears down_ through WM_CAPTURECHANGED
        if (inside) FireClick();
      }
      return 0;
    case WM_CAPTURECHANGED:
      down_ = false;
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE:
      return takesFocus_ ? DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON : 0;
    case WM_KEYUP:
      if (takesFocus_ && wParam == VK_SPACE) FireClick();
      return 0;
  }
  return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace winui
