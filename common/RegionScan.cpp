#include "RegionScan.h"

namespace {
constexpr std::uint32_t kColourBits = 0x00FFFFFF;
}

std::vector<RunRect> ScanKeyColourRuns(const std::uint32_t* pixels, int width, int height, int strideInPixels) {
  std::vector<RunRect> runs;
  if (pixels == nullptr || width <= 0 || height <= 0 || strideInPixels < width) return runs;
  const std::uint32_t key = pixels[0] & kColourBits;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(strideInPixels);
    int start = -1;
    for (int x = 0; x < width; ++x) {
      const bool isKey = (row[x] & kColourBits) == key;
      if (start < 0 && !isKey) {
        start = x;
      } else if (start >= 0 && isKey) {
        runs.push_back({start, y, x, y + 1});
        start = -1;
      }
    }
    if (start >= 0) runs.push_back({start, y, width, y + 1});
  }
  return runs;
}
