#include "Image.h"

#include <algorithm>

#include "JpegPicture.h"
#include "Utf8.h"

namespace winui {

void DrawPicture(HDC dc, HBITMAP picture, int x, int y, const RECT& clip) {
  BITMAP info{};
  if (!picture || !GetObjectW(picture, sizeof(info), &info)) return;
  RECT target{x, y, x + info.bmWidth, y + info.bmHeight};
  if (!IntersectRect(&target, &target, &clip)) return;
  UniqueMemoryDc source(CreateCompatibleDC(dc));
  SelectObjectScope selected(source.get(), picture);
  BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source.get(),
         target.left - x, target.top - y, SRCCOPY);
}

SIZE Image::PictureSize() const {
  BITMAP info{};
  if (!picture_ || !GetObjectW(picture_.get(), sizeof(info), &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

bool Image::CreateWindowFor(CreateArgs args) {
  if (record().picture) {
    const std::wstring name = WideFromUtf8(record().picture);
    HINSTANCE module = GetModuleHandleW(nullptr);
    picture_.reset(static_cast<HBITMAP>(LoadImageW(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!picture_) picture_ = LoadJpegResource(module, name.c_str());
  }
  // A picture that cannot be had leaves the holder empty; the form works on.
  return CreateOwnClass(args);
}

void Image::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd, &client);
  FillSolid(dc, client, BackgroundColour());
  DrawPicture(dc, picture_.get(), 0, 0, client);
}

LRESULT Image::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandlePaintMessage(message, result)) return result;
  return Control::HandleMessage(message, wParam, lParam);
}

}  // namespace winui
