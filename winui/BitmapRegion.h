#pragma once
// A window shape cut from a picture: every pixel that differs from the
// top-left one is inside, every pixel of that key colour is a hole.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "RegionScan.h"
#include "UniqueGdi.h"

namespace winui {

// The region of the picture's non-key pixels in its own pixel coordinates,
// or none when every pixel is key-coloured or the picture cannot be read
// (the window then keeps its rectangle). The caller owns the region.
UniqueRegion BitmapToRegion(HBITMAP picture);

// One region from the scan's rectangles, made in few steps; none for none.
UniqueRegion RegionFromRuns(const std::vector<RunRect>& runs);

// All pixels of a bitmap in one read, top row first, as 0x00RRGGBB.
struct BitmapPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};
bool ReadBitmapPixels(HBITMAP picture, BitmapPixels& out);

}  // namespace winui
