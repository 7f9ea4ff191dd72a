#pragma once
// The system's single-line edit with a flat one-pixel border drawn by us:
// at rest it takes the flat colour (the parent's, unless described), while
// it has the focus the window colour. Disabled and read-only are settings.
#include "Control.h"

namespace winui {

class FlatEdit : public Control {
 public:
  using Control::Control;
  bool ReadOnly() const;
  COLORREF CurrentBackground() const;

 protected:
  bool CreateWindowFor(CreateArgs args) override;
  const wchar_t* ClassName() const override { return L"EDIT"; }
  bool OnCommand(WORD code) override;
  HBRUSH OnControlColour(HDC dc) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PaintBorder();
  int Inset() const { return Scale(3); }
  UniqueBrush brush_;
  COLORREF brushColour_ = CLR_INVALID;
};

}  // namespace winui
