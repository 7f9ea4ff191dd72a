#pragma once
// What the flat button and the flat speed button share: a flat face that
// rises under the mouse and sinks while pressed, a glyph left of the
// caption (or centred alone), and a click when the button comes up inside.
#include "Control.h"
#include "Glyph.h"

namespace winui {

class FlatButtonBase : public Control {
 public:
  FlatButtonBase(Form& form, const ControlRecord& record, Control* parent, bool takesFocus);
  bool hot() const { return hot_; }
  bool down() const { return down_; }
  // As if clicked: for keyboard use and for tests.
  void Click() { FireClick(); }

 protected:
  bool CreateWindowFor(CreateArgs args) override;
  bool IsTabStop() const override { return takesFocus_ && Control::IsTabStop(); }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc) override;
  void SetHot(bool hot);
  bool takesFocus_;
  bool hot_ = false;
  bool down_ = false;
  const Glyph* glyph_ = nullptr;
};

}  // namespace winui
