#pragma once
// The system's status bar with one simple panel, at the place described
// rather than docked by the system.
#include "Control.h"

namespace winui {

class StatusBar : public Control {
 public:
  using Control::Control;
  std::string Text() const override;
  void SetText(std::string_view text) override;

 protected:
  bool CreateWindowFor(CreateArgs args) override;
  const wchar_t* ClassName() const override;
  bool IsTabStop() const override { return false; }

 private:
  std::string text_;  // not every system answers SB_GETTEXT for the simple panel
};

}  // namespace winui
