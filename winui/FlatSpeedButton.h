#pragma once
// A flat button that never takes the focus: for tool rows and the like.
#include "FlatButtonBase.h"

namespace winui {

class FlatSpeedButton : public FlatButtonBase {
 public:
  FlatSpeedButton(Form& form, const ControlRecord& record, Control* parent)
      : FlatButtonBase(form, record, parent, false) {}

 protected:
  const wchar_t* ClassName() const override { return L"WinuiFlatSpeedButton"; }
};

}  // namespace winui
