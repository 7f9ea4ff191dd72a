#include "PerPixelRegion.h"

#include <utility>

namespace {

using winui::UniqueRegion;

void AddRun(UniqueRegion& shape, int left, int top, int right, int bottom) {
  UniqueRegion run(CreateRectRgn(left, top, right, bottom));
  if (!shape) {
    shape = std::move(run);
  } else {
    CombineRgn(shape.get(), shape.get(), run.get(), RGN_OR);
  }
}

}  // namespace

UniqueRegion PerPixelRegion(HBITMAP picture) {
  BITMAP info = {};
  if (GetObjectW(picture, sizeof(info), &info) != sizeof(info)) return nullptr;
  HDC surface = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(surface, picture);

  UniqueRegion shape;
  const COLORREF key = GetPixel(surface, 0, 0);
  for (int y = 0; y < info.bmHeight; ++y) {
    int start = -1;
    for (int x = 0; x < info.bmWidth; ++x) {
      const COLORREF colour = GetPixel(surface, x, y);
      if (start < 0) {
        if (colour != key) start = x;
      } else if (colour == key) {
        AddRun(shape, start, y, x, y + 1);
        start = -1;
      }
    }
    if (start >= 0) AddRun(shape, start, y, info.bmWidth, y + 1);
  }

  SelectObject(surface, previous);
  DeleteDC(surface);
  return shape;
}
