#pragma once
// A small picture from a BITMAP resource, drawn with its transparent colour
// (the colour of its bottom-left pixel) left out.
#include <windows.h>

#include "Gdi.h"

namespace winui {

class Glyph {
 public:
  bool Load(HINSTANCE instance, const wchar_t* resourceName);
  bool Loaded() const { return bitmap_ != nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }
  COLORREF transparentColour() const { return transparent_; }
  // At (x, y), scaled by dpi / 96; greyed when disabled.
  void Draw(HDC dc, int x, int y, UINT dpi, bool disabled = false) const;

 private:
  UniqueBitmap bitmap_;
  int width_ = 0;
  int height_ = 0;
  COLORREF transparent_ = 0;
};

}  // namespace winui
