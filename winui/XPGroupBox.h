#pragma once
// A group box in the XP style: a rounded border with the caption set into
// its top edge. It holds controls of its own and passes their notifications
// on, like the form does.
#include "Control.h"

namespace winui {

class XPGroupBox : public Control {
 public:
  using Control::Control;

 protected:
  bool CreateWindowFor(CreateArgs args) override;
  const wchar_t* ClassName() const override { return L"WinuiXPGroupBox"; }
  bool IsTabStop() const override { return false; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) override;
};

}  // namespace winui
