#pragma once
// A picture holder: a bitmap drawn unscaled from its top-left corner and
// cut at the holder's edges. The picture comes from the record's picture
// resource, a BITMAP or a JPEG stored as RCDATA. A hidden holder only keeps
// its picture for the form to use. Like any control it takes the mouse.
#include "Control.h"
#include "UniqueGdi.h"

namespace winui {

class Image : public Control {
 public:
  using Control::Control;
  // None when the resource is missing or cannot be decoded.
  HBITMAP picture() const { return picture_.get(); }
  SIZE PictureSize() const;

 protected:
  bool CreateWindowFor(CreateArgs args) override;
  const wchar_t* ClassName() const override { return L"WinuiImage"; }
  bool IsTabStop() const override { return false; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) override;
  UniqueBitmap picture_;
};

// Draws picture unscaled with its top-left corner at (x, y), cut to clip.
void DrawPicture(HDC dc, HBITMAP picture, int x, int y, const RECT& clip);

}  // namespace winui
