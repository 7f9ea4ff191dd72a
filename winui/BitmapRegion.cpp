#include "BitmapRegion.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace winui {

namespace {

// Some GDI implementations refuse ExtCreateRegion beyond about 4000
// rectangles, so large shapes are made in chunks and joined.
constexpr std::size_t kRectanglesPerChunk = 2000;

UniqueRegion RegionFromChunk(const RunRect* runs, std::size_t count) {
  const std::size_t bytes = sizeof(RGNDATAHEADER) + count * sizeof(RECT);
  std::vector<unsigned char> buffer(bytes);
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  RECT bounds = {runs[0].left, runs[0].top, runs[0].right, runs[0].bottom};
  RECT* rects = reinterpret_cast<RECT*>(data->Buffer);
  for (std::size_t i = 0; i < count; ++i) {
    const RunRect& r = runs[i];
    rects[i] = {r.left, r.top, r.right, r.bottom};
    bounds.left = std::min<LONG>(bounds.left, r.left);
    bounds.top = std::min<LONG>(bounds.top, r.top);
    bounds.right = std::max<LONG>(bounds.right, r.right);
    bounds.bottom = std::max<LONG>(bounds.bottom, r.bottom);
  }
  data->rdh.rcBound = bounds;
  return UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(bytes), data));
}

}  // namespace

bool ReadBitmapPixels(HBITMAP picture, BitmapPixels& out) {
  BITMAP info = {};
  if (picture == nullptr || GetObjectW(picture, sizeof(info), &info) != sizeof(info)) return false;
  if (info.bmWidth <= 0 || info.bmHeight <= 0) return false;

  BITMAPINFO request = {};
  request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  request.bmiHeader.biWidth = info.bmWidth;
  request.bmiHeader.biHeight = -info.bmHeight;  // top-down: row 0 first
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;  // one uint32 a pixel, rows need no padding
  request.bmiHeader.biCompression = BI_RGB;

  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * static_cast<std::size_t>(info.bmHeight));
  // Any DC will do for a 32-bit request; a memory DC spares the screen's.
  HDC surface = CreateCompatibleDC(nullptr);
  const int rows =
      GetDIBits(surface, picture, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &request, DIB_RGB_COLORS);
  DeleteDC(surface);
  if (rows != info.bmHeight) return false;

  out.width = info.bmWidth;
  out.height = info.bmHeight;
  out.pixels = std::move(pixels);
  return true;
}

UniqueRegion RegionFromRuns(const std::vector<RunRect>& runs) {
  UniqueRegion shape;
  for (std::size_t first = 0; first < runs.size(); first += kRectanglesPerChunk) {
    const std::size_t count = std::min(kRectanglesPerChunk, runs.size() - first);
    UniqueRegion chunk = RegionFromChunk(runs.data() + first, count);
    if (!chunk) return nullptr;
    if (!shape) {
      shape = std::move(chunk);
    } else if (CombineRgn(shape.get(), shape.get(), chunk.get(), RGN_OR) == ERROR) {
      return nullptr;
    }
  }
  return shape;
}

UniqueRegion BitmapToRegion(HBITMAP picture) {
  BitmapPixels grid;
  if (!ReadBitmapPixels(picture, grid)) return nullptr;
  return RegionFromRuns(ScanKeyColourRuns(grid.pixels, grid.width, grid.height));
}

}  // namespace winui
