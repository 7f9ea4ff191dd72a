#pragma once
// A line of text painted in its own font and colours. It takes the mouse
// (clicks, moves, its cursor), as a label over a picture must. It grows to
// its text when a substituted font is wider than the one it was laid out
// for, so that no word is cut off.
#include "Control.h"

namespace winui {

class Label : public Control {
 public:
  using Control::Control;
  // A new text colour, e.g. a link turning red under the mouse.
  void SetTextColour(COLORREF colour);
  COLORREF CurrentTextColour() const;

 protected:
  bool CreateWindowFor(CreateArgs args) override { return CreateOwnClass(args); }
  const wchar_t* ClassName() const override { return L"WinuiLabel"; }
  bool IsTabStop() const override { return false; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) override;
  void GrowToText();
  bool hasOwnColour_ = false;
  COLORREF ownColour_ = 0;
};

}  // namespace winui
