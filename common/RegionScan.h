#pragma once
// The shape of a picture as the runs of pixels that differ from its key
// colour, the colour of the top-left pixel. Each run is a one-pixel-high
// rectangle; together they cover exactly the non-key pixels, so a window
// region made of them lets everything key-coloured show through.
#include <cstdint>
#include <vector>

struct RunRect {
  int left;
  int top;
  int right;   // exclusive
  int bottom;  // exclusive, always top + 1
  bool operator==(const RunRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

// Pixels are 0x00RRGGBB (or BGR, the order does not matter as long as it is
// one order); the top byte is ignored, since 32-bit bitmaps leave it
// undefined. Rows are row-major, strideInPixels apart (width when packed).
// An empty or all-key picture gives an empty list.
std::vector<RunRect> ScanKeyColourRuns(const std::uint32_t* pixels, int width, int height, int strideInPixels);

inline std::vector<RunRect> ScanKeyColourRuns(const std::vector<std::uint32_t>& pixels, int width, int height) {
  return ScanKeyColourRuns(pixels.data(), width, height, width);
}
