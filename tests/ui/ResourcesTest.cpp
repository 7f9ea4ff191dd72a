// Under Wine: this program links the application's resources, so it loads
// each one the way the program will and checks what the windows rely on.
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <windows.h>

#include <csetjmp>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "resource_ids.h"

namespace {

HMODULE Self() { return GetModuleHandleW(nullptr); }

// The layout of an RT_GROUP_ICON resource.
#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bits;
  DWORD bytes;
  WORD id;
};
struct GroupIconHeader {
  WORD reserved, type, count;
  GroupIconEntry entries[1];
};
#pragma pack(pop)

const void* ResourceData(const wchar_t* name, const wchar_t* type, DWORD* size = nullptr) {
  HRSRC found = FindResourceW(Self(), name, type);
  if (!found) return nullptr;
  if (size) *size = SizeofResource(Self(), found);
  return LockResource(LoadResource(Self(), found));
}

TEST(MainIcon, HoldsEverySizeAsA32BitImageWithSoftEdges) {
  const int sizes[] = {16, 24, 32, 48, 64, 72, 128};
  auto group = static_cast<const GroupIconHeader*>(ResourceData(RES_MAINICON, RT_GROUP_ICON));
  ASSERT_NE(group, nullptr);
  ASSERT_EQ(group->count, std::size(sizes));

  for (int size : sizes) {
    SCOPED_TRACE(size);
    // The entry Windows itself picks for this size must be exactly this size.
    const int id = LookupIconIdFromDirectoryEx(reinterpret_cast<BYTE*>(const_cast<GroupIconHeader*>(group)), TRUE, size,
                                               size, LR_DEFAULTCOLOR);
    ASSERT_NE(id, 0);
    DWORD bytes = 0;
    auto image = static_cast<const BYTE*>(ResourceData(MAKEINTRESOURCEW(id), RT_ICON, &bytes));
    ASSERT_NE(image, nullptr);
    auto header = reinterpret_cast<const BITMAPINFOHEADER*>(image);
    ASSERT_EQ(header->biSize, sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(header->biWidth, size);
    EXPECT_EQ(header->biHeight, 2 * size);  // colour plus the AND mask
    ASSERT_EQ(header->biBitCount, 32);
    ASSERT_GE(bytes, sizeof(BITMAPINFOHEADER) + 4u * size * size + (size + 31) / 32 * 4 * size);

    int clear = 0, solid = 0, partial = 0;
    const BYTE* pixels = image + header->biSize;
    for (int i = 0; i < size * size; ++i) {
      const BYTE alpha = pixels[4 * i + 3];
      (alpha == 0 ? clear : alpha == 255 ? solid : partial)++;
    }
    EXPECT_GT(clear, 0);
    EXPECT_GT(solid, size * size / 4);
    EXPECT_GT(partial, 0) << "no antialiased edge";

    HICON made = CreateIconFromResourceEx(const_cast<BYTE*>(image), bytes, TRUE, 0x00030000, size, size, 0);
    EXPECT_NE(made, nullptr);
    DestroyIcon(made);

    auto loaded = static_cast<HICON>(LoadImageW(Self(), RES_MAINICON, IMAGE_ICON, size, size, 0));
    ASSERT_NE(loaded, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(loaded, &info));
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, size);
    EXPECT_EQ(colour.bmHeight, size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(loaded);
  }
}

// A loaded bitmap's size, depth and pixels (0xRRGGBB, top row first).
struct Picture {
  int width = 0, height = 0, bits = 0;
  std::vector<DWORD> pixels;
  DWORD At(int x, int y) const { return pixels[y * width + x] & 0xFFFFFF; }
};

Picture LoadPicture(const wchar_t* name) {
  Picture picture;
  auto bitmap = static_cast<HBITMAP>(LoadImageW(Self(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return picture;
  DIBSECTION section{};
  GetObjectW(bitmap, sizeof section, &section);
  picture.width = section.dsBm.bmWidth;
  picture.height = section.dsBm.bmHeight;
  picture.bits = section.dsBmih.biBitCount;

  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  request.bmiHeader.biWidth = picture.width;
  request.bmiHeader.biHeight = -picture.height;  // top row first
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  picture.pixels.resize(picture.width * picture.height);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, picture.height, picture.pixels.data(), &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  return picture;
}

struct BitmapCase {
  const char* label;
  const wchar_t* name;
  int width, height, bits;
};

class Glyph : public testing::TestWithParam<BitmapCase> {};

TEST_P(Glyph, HasItsSizeAndDepthAndTheKeyColourInEveryCorner) {
  const BitmapCase& expected = GetParam();
  const Picture glyph = LoadPicture(expected.name);
  ASSERT_FALSE(glyph.pixels.empty());
  EXPECT_EQ(glyph.width, expected.width);
  EXPECT_EQ(glyph.height, expected.height);
  EXPECT_EQ(glyph.bits, expected.bits);
  // The buttons key on the bottom-left pixel: it has to be background.
  const DWORD key = glyph.At(0, glyph.height - 1);
  EXPECT_EQ(glyph.At(0, 0), key);
  EXPECT_EQ(glyph.At(glyph.width - 1, 0), key);
  EXPECT_EQ(glyph.At(glyph.width - 1, glyph.height - 1), key);
}

INSTANTIATE_TEST_SUITE_P(Resources, Glyph,
                         testing::Values(BitmapCase{"ChooseFile", RES_GLYPH_CHOOSE_FILE, 18, 16, 24},
                                         BitmapCase{"OpenFolder", RES_GLYPH_OPEN_FOLDER, 18, 19, 4},
                                         BitmapCase{"Convert", RES_GLYPH_CONVERT, 16, 16, 4},
                                         BitmapCase{"MenuAbout", RES_MENU_ABOUT, 16, 16, 4}),
                         [](const testing::TestParamInfo<BitmapCase>& info) { return info.param.label; });

TEST(AboutBackground, IsWhiteOutsideAndSilverUnderTheLabelsOnItsTabs) {
  const Picture background = LoadPicture(RES_ABOUT_BACKGROUND);
  ASSERT_FALSE(background.pixels.empty());
  EXPECT_EQ(background.width, 518);
  EXPECT_EQ(background.height, 181);
  EXPECT_EQ(background.bits, 24);
  EXPECT_EQ(background.At(0, 0), 0xFFFFFFu);  // the colour cut away

  // "About", the web address and the close button sit on the three tabs.
  const RECT onTabs[] = {{16, 16, 50, 29}, {248, 16, 374, 30}, {485, 10, 504, 29}};
  for (const RECT& r : onTabs)
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) ASSERT_EQ(background.At(x, y), 0xC0C0C0u) << x << "," << y;

  // Inside the frame nothing is white, or the window would have holes there.
  for (int y = 40; y < 170; ++y)
    for (int x = 12; x < 506; ++x) ASSERT_NE(background.At(x, y), 0xFFFFFFu) << x << "," << y;
}

struct JpegFailure {
  jpeg_error_mgr manager;
  std::jmp_buf resume;
  char message[JMSG_LENGTH_MAX];
};

struct JpegFacts {
  bool jfif = false, progressive = true;
  unsigned width = 0, height = 0, rows = 0;
  std::string error;
};

// Reads the header and every row; libjpeg's errors come back as text.
JpegFacts DecodeJpeg(const unsigned char* data, unsigned long size) {
  JpegFacts facts;
  jpeg_decompress_struct jpeg{};
  JpegFailure failure{};
  jpeg.err = jpeg_std_error(&failure.manager);
  failure.manager.error_exit = [](j_common_ptr info) {
    auto f = reinterpret_cast<JpegFailure*>(info->err);
    f->manager.format_message(info, f->message);
    std::longjmp(f->resume, 1);
  };
  if (setjmp(failure.resume)) {
    jpeg_destroy_decompress(&jpeg);
    facts.error = failure.message;
    return facts;
  }
  jpeg_create_decompress(&jpeg);
  jpeg_mem_src(&jpeg, data, size);
  jpeg_read_header(&jpeg, TRUE);
  facts.jfif = jpeg.saw_JFIF_marker;
  facts.progressive = jpeg.progressive_mode;
  facts.width = jpeg.image_width;
  facts.height = jpeg.image_height;
  jpeg_start_decompress(&jpeg);
  std::vector<JSAMPLE> row(jpeg.output_width * jpeg.output_components);
  JSAMPROW rows[] = {row.data()};
  while (jpeg.output_scanline < jpeg.output_height) facts.rows += jpeg_read_scanlines(&jpeg, rows, 1);
  jpeg_finish_decompress(&jpeg);
  jpeg_destroy_decompress(&jpeg);
  return facts;
}

TEST(AboutLogo, IsABaselineJfifPictureThatDecodesWhole) {
  DWORD size = 0;
  auto data = static_cast<const unsigned char*>(ResourceData(RES_ABOUT_LOGO, RT_RCDATA, &size));
  ASSERT_NE(data, nullptr);
  const JpegFacts logo = DecodeJpeg(data, size);
  EXPECT_EQ(logo.error, "");
  EXPECT_TRUE(logo.jfif);
  EXPECT_FALSE(logo.progressive);
  EXPECT_EQ(logo.width, 138u);
  EXPECT_EQ(logo.height, 49u);
  EXPECT_EQ(logo.rows, 49u);
}

std::wstring VersionString(const std::vector<BYTE>& info, const std::wstring& key) {
  wchar_t* value = nullptr;
  UINT length = 0;
  const std::wstring path = L"\\StringFileInfo\\041904E3\\" + key;
  if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return L"<missing>";
  return std::wstring(value, wcsnlen(value, length));
}

TEST(VersionRecord, IsRussianWithTheVersionsAndOurMakersFields) {
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  std::vector<BYTE> info(GetFileVersionInfoSizeW(path, nullptr));
  ASSERT_FALSE(info.empty());
  ASSERT_TRUE(GetFileVersionInfoW(path, 0, info.size(), info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000003u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00000003u);

  WORD* translation = nullptr;
  ASSERT_TRUE(
      VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation[0], 0x0419);  // Russian
  EXPECT_EQ(translation[1], 1251);

  const std::wstring maker = L"Converter AMR<->WAV project";
  const std::pair<const wchar_t*, std::wstring> fields[] = {
      {L"FileVersion", L"1.0.0.3"}, {L"ProductVersion", L"1.0.0.0"},
      {L"CompanyName", maker},      {L"LegalCopyright", maker},
      {L"LegalTrademarks", maker},  {L"FileDescription", L"http://converter.example.org/"},
      {L"ProductName", L""},        {L"InternalName", L""},
      {L"OriginalFilename", L""},
  };
  for (const auto& [key, value] : fields) EXPECT_EQ(VersionString(info, key), value) << key;
}

TEST(Manifest, GivesTheProgramVersion6CommonControlsAndDpiAwareness) {
  // The manifest is active from the start, so the comctl32 this process
  // gets is the side-by-side version 6, not the system folder's 5. (Wine's
  // DllGetVersion says 5.81 for both, so the module's place tells them apart.)
  HMODULE comctl = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(comctl, path, MAX_PATH), 0u);
  std::wstring place(path);
  CharLowerW(place.data());
  EXPECT_NE(place.find(L"\\winsxs\\x86_microsoft.windows.common-controls_6595b64144ccf1df_6."), std::wstring::npos)
      << "comctl32 loaded from " << path;

  // What the system read from the manifest's window settings.
  const auto setting = [](const wchar_t* space, const wchar_t* name) {
    wchar_t value[64] = L"";
    SIZE_T written = 0;
    if (!QueryActCtxSettingsW(0, nullptr, space, name, value, std::size(value), &written)) return std::wstring();
    return std::wstring(value);
  };
  EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true");
  EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"), L"PerMonitorV2");
  EXPECT_TRUE(IsProcessDPIAware());
}

}  // namespace
