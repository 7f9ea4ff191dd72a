#include "JpegPicture.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE declared first

namespace winui {

namespace {

// Limit on what a damaged header may make us allocate (about 64 MiB).
constexpr unsigned long long kMaxPixels = 16ull * 1024 * 1024;

// libjpeg's default error handler calls exit(); ours jumps back into
// DecodeJpeg instead. Warnings (corrupt or missing entropy data, which
// libjpeg would paper over with grey) count as damage too.
struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
};

[[noreturn]] void EscapeOnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorTrap*>(info->err)->escape, 1); }

void EscapeOnWarning(j_common_ptr info, int level) {
  if (level < 0) EscapeOnError(info);  // level >= 0 are trace messages
}

void StayQuiet(j_common_ptr) {}

// No object with a destructor may live in this frame: longjmp skips them.
HBITMAP Decode(const unsigned char* data, unsigned long size) {
  ErrorTrap trap;
  jpeg_decompress_struct info = {};
  info.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = EscapeOnError;
  trap.manager.emit_message = EscapeOnWarning;
  trap.manager.output_message = StayQuiet;

  HBITMAP volatile bitmap = nullptr;
  if (setjmp(trap.escape)) {
    jpeg_destroy_decompress(&info);
    if (bitmap != nullptr) DeleteObject(bitmap);
    return nullptr;
  }

  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, const_cast<unsigned char*>(data), size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);

  const unsigned long long width = info.output_width, height = info.output_height;
  if (info.output_components != 3 || width == 0 || height == 0 || width * height > kMaxPixels) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }

  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = static_cast<LONG>(width);
  format.bmiHeader.biHeight = -static_cast<LONG>(height);
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }

  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             static_cast<JDIMENSION>(width * 3), 1);
  auto* pixels = static_cast<unsigned char*>(bits);
  while (info.output_scanline < info.output_height) {
    unsigned char* out = pixels + static_cast<std::size_t>(info.output_scanline) * width * 4;
    jpeg_read_scanlines(&info, row, 1);
    const unsigned char* in = row[0];
    for (unsigned long long x = 0; x < width; ++x, in += 3, out += 4) {
      out[0] = in[2];  // DIBs store blue, green, red
      out[1] = in[1];
      out[2] = in[0];
      out[3] = 0;
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  GdiFlush();  // the bits were written behind GDI's back
  return bitmap;
}

}  // namespace

UniqueBitmap DecodeJpeg(const void* data, std::size_t size) {
  if (data == nullptr || size == 0) return nullptr;
  return UniqueBitmap(Decode(static_cast<const unsigned char*>(data), static_cast<unsigned long>(size)));
}

UniqueBitmap LoadJpegResource(HMODULE module, const wchar_t* name) {
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (found == nullptr) return nullptr;
  HGLOBAL loaded = LoadResource(module, found);  // resources are never freed
  if (loaded == nullptr) return nullptr;
  return DecodeJpeg(LockResource(loaded), SizeofResource(module, found));
}

}  // namespace winui
