#pragma once
// A flat radio button. The radio buttons of one parent exclude each other;
// only the checked one is a tab stop, the arrow keys move between them.
// onClick fires whenever the button becomes checked.
#include "Control.h"

namespace winui {

class FlatRadioButton : public Control {
 public:
  using Control::Control;
  bool Checked() const { return checked_; }
  // Checks this one and clears its siblings; fires onClick when it changed.
  void Check();

 protected:
  bool CreateWindowFor(CreateArgs args) override;
  const wchar_t* ClassName() const override { return L"WinuiFlatRadioButton"; }
  bool IsTabStop() const override { return checked_; }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetChecked(bool checked);
  void Paint(HDC dc) override;
  FlatRadioButton* Sibling(bool next) const;
  bool checked_ = false;
  bool hot_ = false;
};

}  // namespace winui
