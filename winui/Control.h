#pragma once
// The base of every control: made from its record at its form's dpi, known
// by its window handle, told by its parent window of the notifications and
// colour requests that concern it (WM_COMMAND, WM_CTLCOLOR*).
#include <windows.h>

#include <string>
#include <string_view>

#include "Component.h"
#include "Description.h"
#include "Gdi.h"
#include "Window.h"

namespace winui {

class Form;

class Control : public Window, public Component {
 public:
  Control(Form& form, const ControlRecord& record, Control* parent);
  ~Control() override;

  // The control whose window this is, or none.
  static Control* FromHandle(HWND hwnd);

  bool Create(int id);
  // New place and font after the form's dpi changed.
  void ApplyDpi();

  const ControlRecord& record() const { return record_; }
  Form& form() const { return form_; }
  Control* parent() const { return parent_; }
  HWND ParentHandle() const;
  UINT dpi() const;
  int Scale(int value) const;

  virtual std::string Text() const;
  virtual void SetText(std::string_view text);
  bool Enabled() const;
  void SetEnabled(bool enabled);

  const std::string& hint() const { return hint_; }
  bool showHint() const { return showHint_; }

  // The font and colours the control draws with: its own, else its parent's.
  FontRecord EffectiveFont() const;
  HFONT font() const { return font_.get(); }
  COLORREF TextColour() const;
  COLORREF BackgroundColour() const;

  // Reflected by the parent window; true when handled.
  virtual bool OnCommand(WORD /*code*/) { return false; }
  virtual HBRUSH OnControlColour(HDC /*dc*/) { return nullptr; }

  Event onClick;
  Event onChange;
  Event onMouseMove;

 protected:
  // Makes the window; the base args carry place, parent, id and the
  // record's visibility, enabled state and tab stop.
  virtual bool CreateWindowFor(CreateArgs args) = 0;
  // Own classes paint with these; class names per kind keep them apart.
  virtual const wchar_t* ClassName() const = 0;
  virtual bool IsTabStop() const { return record_.tabOrder >= 0; }
  RECT ScaledPlace() const;
  std::wstring WideText() const;
  // For controls whose painting shows focus, enabled state and text: passes
  // such a change on, then repaints. True when the message was one of them.
  bool RepaintOnStateChange(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void FireClick() {
    if (onClick) onClick(*this);
  }

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDestroyed(HWND was) override;

 private:
  Form& form_;
  const ControlRecord& record_;
  Control* parent_;
  std::string hint_;
  bool showHint_;
  UniqueFont font_;
};

}  // namespace winui
