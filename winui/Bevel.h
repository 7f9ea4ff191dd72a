#pragma once
// A sunken or raised box or rule; a box one pixel high is a plain rule.
// Transparent: only the edges are drawn, the parent shows through inside.
#include "Control.h"

namespace winui {

class Bevel : public Control {
 public:
  using Control::Control;

 protected:
  bool CreateWindowFor(CreateArgs args) override { return CreateOwnClass(args); }
  const wchar_t* ClassName() const override { return L"WinuiBevel"; }
  bool IsTabStop() const override { return false; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) override;
  void PaintParentBehind(HDC dc);
};

}  // namespace winui
