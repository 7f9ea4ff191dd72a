// Time to cut the about window's shape from its 518 x 181 background, our
// bulk way (one GetDIBits read, ExtCreateRegion) against the literal one
// (GetPixel a pixel, CombineRgn a run). Medians of repeated runs.
//   region_bench [picture.bmp]   (default: the linked ABOUT_BACKGROUND)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "BitmapRegion.h"
#include "PerPixelRegion.h"

namespace {

using namespace winui;

template <typename Build>
double MedianMilliseconds(int runs, Build build) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    UniqueRegion shape = build();
    QueryPerformanceCounter(&stop);
    times.push_back(1000.0 * static_cast<double>(stop.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  HBITMAP picture = argc > 1 ? static_cast<HBITMAP>(LoadImageW(nullptr, argv[1], IMAGE_BITMAP, 0, 0,
                                                               LR_LOADFROMFILE | LR_CREATEDIBSECTION))
                             : static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), L"ABOUT_BACKGROUND",
                                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (picture == nullptr) {
    std::fprintf(stderr, "region_bench: cannot load the picture\n");
    return 2;
  }
  BITMAP info = {};
  GetObjectW(picture, sizeof(info), &info);

  BitmapPixels grid;
  ReadBitmapPixels(picture, grid);
  const std::size_t rectangles = ScanKeyColourRuns(grid.pixels, grid.width, grid.height).size();
  UniqueRegion bulk = BitmapToRegion(picture);
  UniqueRegion literal = PerPixelRegion(picture);
  if (!bulk || !literal || !EqualRgn(bulk.get(), literal.get())) {
    std::fprintf(stderr, "region_bench: the two methods give different regions\n");
    return 1;
  }

  const int bulkRuns = 101, literalRuns = 21;
  const double bulkMs = MedianMilliseconds(bulkRuns, [&] { return BitmapToRegion(picture); });
  const double literalMs = MedianMilliseconds(literalRuns, [&] { return PerPixelRegion(picture); });
  // The bulk way's three steps on their own.
  const double readMs = MedianMilliseconds(bulkRuns, [&] {
    BitmapPixels again;
    ReadBitmapPixels(picture, again);
    return UniqueRegion();
  });
  const double scanMs = MedianMilliseconds(bulkRuns, [&] {
    volatile std::size_t count = ScanKeyColourRuns(grid.pixels, grid.width, grid.height).size();
    (void)count;
    return UniqueRegion();
  });
  const std::vector<RunRect> runs = ScanKeyColourRuns(grid.pixels, grid.width, grid.height);
  const double makeMs = MedianMilliseconds(bulkRuns, [&] { return RegionFromRuns(runs); });
  std::printf("picture %ld x %ld, %u rectangles, same region both ways\n", info.bmWidth, info.bmHeight,
              static_cast<unsigned>(rectangles));
  std::printf("bulk (GetDIBits + ExtCreateRegion):  median %8.3f ms of %d runs\n", bulkMs, bulkRuns);
  std::printf("  of which read %.3f ms, scan %.3f ms, make region %.3f ms\n", readMs, scanMs, makeMs);
  std::printf("per pixel (GetPixel + CombineRgn):   median %8.3f ms of %d runs\n", literalMs, literalRuns);
  std::printf("ratio: per pixel / bulk = %.1f\n", literalMs / bulkMs);
  DeleteObject(picture);
  return 0;
}
