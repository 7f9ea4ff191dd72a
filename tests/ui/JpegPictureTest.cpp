#include <gtest/gtest.h>
#include <jpeglib.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "JpegPicture.h"

namespace {

using namespace winui;

using Bytes = std::vector<unsigned char>;

// A baseline JPEG like the logo: red top left, cyan bottom right.
Bytes EncodeTestPicture(int width, int height) {
  jpeg_compress_struct info = {};
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(width * 3);
  while (info.next_scanline < info.image_height) {
    const bool top = info.next_scanline < info.image_height / 2;
    for (int x = 0; x < width; ++x) {
      const bool left = x < width / 2;
      row[x * 3] = left ? 220 : 0;
      row[x * 3 + 1] = top ? 0 : 200;
      row[x * 3 + 2] = left ? 0 : 200;
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes bytes(out, out + size);
  std::free(out);
  return bytes;
}

struct Decoded {
  int width = 0, height = 0;
  std::uint32_t at(int x, int y) const { return pixels[y * width + x]; }
  std::vector<std::uint32_t> pixels;
};

// Reads the decoded DIB's size and pixels (0x00RRGGBB), top row first as
// DecodeJpeg promises.
Decoded Inspect(HBITMAP picture) {
  DIBSECTION dib = {};
  Decoded d;
  if (GetObjectW(picture, sizeof(dib), &dib) != sizeof(dib)) return d;
  d.width = dib.dsBm.bmWidth;
  d.height = dib.dsBm.bmHeight;
  EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
  const auto* bits = static_cast<const std::uint32_t*>(dib.dsBm.bmBits);
  d.pixels.assign(bits, bits + d.width * d.height);
  return d;
}

bool Near(std::uint32_t pixel, int r, int g, int b) {
  const int pr = (pixel >> 16) & 0xFF, pg = (pixel >> 8) & 0xFF, pb = pixel & 0xFF;
  return std::abs(pr - r) < 24 && std::abs(pg - g) < 24 && std::abs(pb - b) < 24;
}

TEST(DecodeJpeg, DecodesABaselinePictureWithItsSizeAndColours) {
  const Bytes jpeg = EncodeTestPicture(138, 49);
  UniqueBitmap picture = DecodeJpeg(jpeg.data(), jpeg.size());
  ASSERT_TRUE(picture);
  const Decoded d = Inspect(picture.get());
  EXPECT_EQ(d.width, 138);
  EXPECT_EQ(d.height, 49);
  EXPECT_TRUE(Near(d.at(10, 10), 220, 0, 0)) << std::hex << d.at(10, 10);
  EXPECT_TRUE(Near(d.at(130, 40), 0, 200, 200)) << std::hex << d.at(130, 40);
}

TEST(DecodeJpeg, DecodesTheShippedLogo) {
  UniqueBitmap picture = LoadJpegResource(GetModuleHandleW(nullptr), L"ABOUT_LOGO");
  ASSERT_TRUE(picture) << "the logo is linked into this test";
  EXPECT_FALSE(LoadJpegResource(GetModuleHandleW(nullptr), L"NO_SUCH_PICTURE"));
  const Decoded d = Inspect(picture.get());
  EXPECT_EQ(d.width, 138);
  EXPECT_EQ(d.height, 49);
}

// A damaged picture gives no picture, and we are still here to see it:
// libjpeg's own handler would have ended the process.
TEST(DecodeJpeg, RefusesDamagedPicturesAndKeepsRunning) {
  const Bytes good = EncodeTestPicture(138, 49);
  auto truncated = [&](std::size_t n) { return Bytes(good.begin(), good.begin() + n); };
  auto flipped = [&](std::size_t at, unsigned char mask) {
    Bytes b = good;
    b[at] ^= mask;
    return b;
  };
  std::mt19937 random(3);
  Bytes garbage(2000);
  for (auto& b : garbage) b = static_cast<unsigned char>(random());
  Bytes garbageAfterSoi = garbage;
  garbageAfterSoi[0] = 0xFF;
  garbageAfterSoi[1] = 0xD8;
  // The frame header's marker, for a flip that the decoder must notice.
  std::size_t sof = 0;
  for (std::size_t i = 0; i + 1 < good.size(); ++i) {
    if (good[i] == 0xFF && good[i + 1] == 0xC0) {
      sof = i;
      break;
    }
  }
  ASSERT_GT(sof, 0u);

  const struct {
    const char* what;
    Bytes data;
  } cases[] = {
      {"only the start marker", truncated(2)},
      {"cut in the headers", truncated(sof + 5)},
      {"cut in the middle of the data", truncated(good.size() / 2)},
      {"end marker missing", truncated(good.size() - 2)},
      {"garbage", garbage},
      {"garbage after a start marker", garbageAfterSoi},
      {"start marker flipped", flipped(1, 0x01)},
      {"frame marker flipped to progressive-arithmetic", flipped(sof + 1, 0x0A)},
      {"frame precision flipped", flipped(sof + 4, 0x04)},
      {"component count flipped", flipped(sof + 9, 0x80)},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(DecodeJpeg(c.data.data(), c.data.size())) << c.what;
  }
  EXPECT_FALSE(DecodeJpeg(nullptr, 100));
  EXPECT_FALSE(DecodeJpeg(good.data(), 0));
}

TEST(DecodeJpeg, SurvivesEveryByteOfThePictureFlipped) {
  // Flips in the entropy-coded data may pass unnoticed and only change
  // pixels; whatever comes back must be a sane picture or none.
  const Bytes good = EncodeTestPicture(64, 24);
  int refused = 0;
  for (std::size_t at = 0; at < good.size(); ++at) {
    Bytes damaged = good;
    damaged[at] ^= 0xFF;
    UniqueBitmap picture = DecodeJpeg(damaged.data(), damaged.size());
    if (!picture) {
      ++refused;
      continue;
    }
    BITMAP info = {};
    ASSERT_EQ(GetObjectW(picture.get(), sizeof(info), &info), static_cast<int>(sizeof(info))) << "byte " << at;
    EXPECT_GT(info.bmWidth, 0);
    EXPECT_GT(info.bmHeight, 0);
  }
  EXPECT_GT(refused, 0);
}

}  // namespace
