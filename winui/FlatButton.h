#pragma once
// A flat button that takes the focus and answers the space key.
#include "FlatButtonBase.h"

namespace winui {

class FlatButton : public FlatButtonBase {
 public:
  FlatButton(Form& form, const ControlRecord& record, Control* parent) : FlatButtonBase(form, record, parent, true) {}

 protected:
  const wchar_t* ClassName() const override { return L"WinuiFlatButton"; }
};

}  // namespace winui
