#include "Glyph.h"

#include "Dpi.h"

namespace winui {

bool Glyph::Load(HINSTANCE instance, const wchar_t* resourceName) {
  bitmap_.reset(static_cast<HBITMAP>(LoadImageW(instance, resourceName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap_) return false;
  BITMAP info{};
  GetObjectW(bitmap_.get(), sizeof(info), &info);
  width_ = info.bmWidth;
  height_ = info.bmHeight;
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  SelectObjectScope select(dc.get(), bitmap_.get());
  transparent_ = GetPixel(dc.get(), 0, height_ - 1);
  return true;
}

void Glyph::Draw(HDC dc, int x, int y, UINT dpi, bool disabled) const {
  if (!bitmap_) return;
  UniqueMemoryDc source(CreateCompatibleDC(dc));
  SelectObjectScope select(source.get(), bitmap_.get());
  const int w = ScaleForDpi(width_, dpi), h = ScaleForDpi(height_, dpi);
  if (!disabled) {
    TransparentBlt(dc, x, y, w, h, source.get(), 0, 0, width_, height_, transparent_);
    return;
  }
  // Greyed: every opaque pixel in the shadow colour.
  for (int row = 0; row < height_; ++row) {
    for (int column = 0; column < width_; ++column) {
      if (GetPixel(source.get(), column, row) == transparent_) continue;
      const RECT cell{x + ScaleForDpi(column, dpi), y + ScaleForDpi(row, dpi), x + ScaleForDpi(column + 1, dpi),
                      y + ScaleForDpi(row + 1, dpi)};
      FillSolid(dc, cell, GetSysColor(COLOR_BTNSHADOW));
    }
  }
}

}  // namespace winui
