#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "RegionScan.h"

// Readable failures: gtest finds this beside RunRect.
void PrintTo(const RunRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// A picture drawn as text, one string a row: '.' white, '#' dark, 'g' grey.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

Picture Draw(const std::vector<std::string>& rows) {
  Picture p;
  p.height = static_cast<int>(rows.size());
  p.width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
  for (const auto& row : rows) {
    for (char c : row) p.pixels.push_back(c == '.' ? 0xFFFFFF : c == '#' ? 0x202020 : 0x808080);
  }
  return p;
}

std::vector<RunRect> Scan(const Picture& p) { return ScanKeyColourRuns(p.pixels, p.width, p.height); }

struct ScanCase {
  const char* what;
  std::vector<std::string> rows;
  std::vector<RunRect> expected;
};

TEST(ScanKeyColourRuns, FindsTheRunsOfNonKeyPixels) {
  const ScanCase cases[] = {
      {"all key", {"...", "..."}, {}},
      {"one pixel", {"#"}, {}},
      {"run to the right edge", {"...##"}, {{3, 0, 5, 1}}},
      {"single pixel", {"...", ".#.", "..."}, {{1, 1, 2, 2}}},
      {"two runs, one-pixel gap", {".##.##."}, {{1, 0, 3, 1}, {4, 0, 6, 1}}},
      {"hole in the artwork",
       {".....", ".###.", ".#.#.", ".###."},
       {{1, 1, 4, 2}, {1, 2, 2, 3}, {3, 2, 4, 3}, {1, 3, 4, 4}}},
      {"run from the left edge of a lower row", {"...", "##."}, {{0, 1, 2, 2}}},
      {"differing colours make one run", {".#g#g."}, {{1, 0, 5, 1}}},
      {"dark key: the top-left pixel is never inside", {"#..", "..#"}, {{1, 0, 3, 1}, {0, 1, 2, 2}}},
      {"whole row but the corner", {".###", "####"}, {{1, 0, 4, 1}, {0, 1, 4, 2}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Scan(Draw(c.rows)), c.expected) << c.what;
  }
}

TEST(ScanKeyColourRuns, IgnoresTheTopByteAndHonoursTheStride) {
  // Row stride 4 for a 3-wide picture; the padding column is dark and must
  // not count, and an undefined top byte does not make a colour.
  const std::vector<std::uint32_t> pixels = {
      0x00FFFFFF, 0xFFFFFFFF, 0x00202020, 0x00202020,  //
      0x7FFFFFFF, 0x00202020, 0xAB202020, 0x00202020,
  };
  const std::vector<RunRect> expected = {{2, 0, 3, 1}, {1, 1, 3, 2}};
  EXPECT_EQ(ScanKeyColourRuns(pixels.data(), 3, 2, 4), expected);
}

TEST(ScanKeyColourRuns, RefusesEmptyOrInconsistentGrids) {
  const std::vector<std::uint32_t> pixels(4, 0x202020);
  EXPECT_TRUE(ScanKeyColourRuns(pixels.data(), 0, 2, 0).empty());
  EXPECT_TRUE(ScanKeyColourRuns(pixels.data(), 2, 0, 2).empty());
  EXPECT_TRUE(ScanKeyColourRuns(pixels.data(), 2, 2, 1).empty());
  EXPECT_TRUE(ScanKeyColourRuns(nullptr, 2, 2, 2).empty());
}

TEST(ScanKeyColourRuns, CoversExactlyTheNonKeyPixelsOfARandomPicture) {
  std::mt19937 random(5);
  const int width = 97, height = 41;
  std::vector<std::uint32_t> pixels(width * height);
  for (auto& p : pixels) p = (random() % 3 == 0) ? 0xFFFFFF : (random() % 2 ? 0x202020 : 0x808080);
  pixels[0] = 0xFFFFFF;

  std::vector<int> covered(pixels.size(), 0);
  for (const RunRect& r : ScanKeyColourRuns(pixels, width, height)) {
    ASSERT_EQ(r.bottom, r.top + 1);
    ASSERT_LT(r.left, r.right);
    ASSERT_TRUE(r.left >= 0 && r.right <= width && r.top >= 0 && r.top < height);
    for (int x = r.left; x < r.right; ++x) ++covered[r.top * width + x];
  }
  for (int i = 0; i < width * height; ++i) {
    ASSERT_EQ(covered[i], pixels[i] == 0xFFFFFF ? 0 : 1) << "pixel " << i % width << ", " << i / width;
  }
}

}  // namespace
