#include "Bevel.h"

namespace winui {

// Only the edges are ours: what lies beneath (a form's picture) shows
// through, painted by the parent into our DC at our offset.
void Bevel::PaintParentBehind(HDC dc) {
  HWND parent = GetParent(hwnd);
  POINT origin{0, 0};
  MapWindowPoints(hwnd, parent, &origin, 1);
  POINT old;
  SetViewportOrgEx(dc, -origin.x, -origin.y, &old);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

LRESULT Bevel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandlePaintMessage(message, result)) return result;
  return Control::HandleMessage(message, wParam, lParam);
}

void Bevel::Paint(HDC dc) {
  RECT r;
  GetClientRect(hwnd, &r);
  if (record().flags & flags::Transparent) {
    PaintParentBehind(dc);
  } else {
    FillSolid(dc, r, BackgroundColour());
  }
  const bool lowered = record().bevelStyle == BevelStyle::Lowered;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF first = lowered ? shadow : light, second = lowered ? light : shadow;
  switch (record().bevelShape) {
    case BevelShape::Box:
      if (r.bottom - r.top < 2) {
        FillSolid(dc, r, shadow);  // too thin for two edges: one visible rule
      } else {
        Frame3D(dc, r, first, second);
      }
      break;
    case BevelShape::TopLine:
      FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, first);
      FillSolid(dc, {r.left, r.top + 1, r.right, r.top + 2}, second);
      break;
    case BevelShape::BottomLine:
      FillSolid(dc, {r.left, r.bottom - 2, r.right, r.bottom - 1}, first);
      FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, second);
      break;
  }
}

}  // namespace winui
