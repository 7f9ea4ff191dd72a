#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <functional>
#include <random>

#include "BitmapRegion.h"
#include "PerPixelRegion.h"

namespace {

using namespace winui;

// A 24-bit DIB section like the shipped background, painted pixel by pixel.
UniqueBitmap MakePicture(int width, int height, const std::function<COLORREF(int, int)>& colourAt) {
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 24;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap picture(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  const int stride = (width * 3 + 3) & ~3;
  auto* rows = static_cast<unsigned char*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF c = colourAt(x, y);
      unsigned char* p = rows + y * stride + x * 3;
      p[0] = GetBValue(c);
      p[1] = GetGValue(c);
      p[2] = GetRValue(c);
    }
  }
  GdiFlush();
  return picture;
}

constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(BitmapToRegion, MatchesThePerPixelMethodOnABusyPicture) {
  // Odd width (padded 24-bit rows), runs to the right edge, one-pixel holes
  // and gaps, near-white pixels that must not count as white, and more runs
  // than one ExtCreateRegion chunk takes.
  std::mt19937 random(7);
  std::uniform_int_distribution<int> pick(0, 5);
  UniqueBitmap picture = MakePicture(301, 120, [&](int x, int y) -> COLORREF {
    if (x == 0 && y == 0) return kWhite;
    switch (pick(random)) {
      case 0:
      case 1:
        return kWhite;
      case 2:
        return RGB(255, 255, 254);
      case 3:
        return RGB(40, 40, 40);
      default:
        return RGB(128, 128, 128);
    }
  });
  ASSERT_TRUE(picture);
  UniqueRegion bulk = BitmapToRegion(picture.get());
  UniqueRegion literal = PerPixelRegion(picture.get());
  ASSERT_TRUE(bulk);
  ASSERT_TRUE(literal);
  EXPECT_TRUE(EqualRgn(bulk.get(), literal.get()));
  EXPECT_FALSE(PtInRegion(bulk.get(), 0, 0));
}

TEST(BitmapToRegion, CutsHolesAndKeepsRunsToTheEdge) {
  // A dark frame with a white pixel in its middle and a white corner.
  UniqueBitmap picture =
      MakePicture(5, 3, [](int x, int y) { return (x == 0 && y == 0) || (x == 2 && y == 1) ? kWhite : RGB(0, 0, 0); });
  UniqueRegion shape = BitmapToRegion(picture.get());
  ASSERT_TRUE(shape);
  EXPECT_FALSE(PtInRegion(shape.get(), 0, 0));
  EXPECT_FALSE(PtInRegion(shape.get(), 2, 1));
  EXPECT_TRUE(PtInRegion(shape.get(), 4, 0));
  EXPECT_TRUE(PtInRegion(shape.get(), 1, 1));
  EXPECT_TRUE(PtInRegion(shape.get(), 3, 1));
  EXPECT_FALSE(PtInRegion(shape.get(), 5, 0));
  RECT box;
  GetRgnBox(shape.get(), &box);
  EXPECT_EQ(box.right, 5);
  EXPECT_EQ(box.bottom, 3);
}

TEST(BitmapToRegion, GivesNoRegionForAnAllKeyPictureOrNoPicture) {
  UniqueBitmap plain = MakePicture(40, 30, [](int, int) { return RGB(10, 20, 30); });
  EXPECT_FALSE(BitmapToRegion(plain.get()));
  EXPECT_FALSE(PerPixelRegion(plain.get()));
  UniqueBitmap dot = MakePicture(1, 1, [](int, int) { return RGB(0, 0, 0); });
  EXPECT_FALSE(BitmapToRegion(dot.get()));
  EXPECT_FALSE(BitmapToRegion(nullptr));
}

TEST(BitmapToRegion, MatchesThePerPixelMethodOnTheShippedBackground) {
  HBITMAP picture = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), L"ABOUT_BACKGROUND", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(picture, nullptr) << "the background picture is linked into this test";
  BITMAP info = {};
  GetObjectW(picture, sizeof(info), &info);
  EXPECT_EQ(info.bmWidth, 518);
  EXPECT_EQ(info.bmHeight, 181);
  EXPECT_EQ(info.bmBitsPixel, 24);

  UniqueRegion bulk = BitmapToRegion(picture);
  UniqueRegion literal = PerPixelRegion(picture);
  ASSERT_TRUE(bulk);
  ASSERT_TRUE(literal);
  EXPECT_TRUE(EqualRgn(bulk.get(), literal.get()));
  EXPECT_FALSE(PtInRegion(bulk.get(), 0, 0));
  DeleteObject(picture);
}

}  // namespace
