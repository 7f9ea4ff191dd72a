#pragma once
// A form: a top-level window built from its description (FormRecord), with
// its controls, menu and right-click menu. A derived form binds the
// handler names of the description to its methods (Handler) and may paint
// and take the mouse on its bare surface (OnPaint, OnMouse*).
//
// Building on this for other windows: a frameless window is BorderStyle::None
// (then cut it with SetWindowRgn); labels carry their own fonts, colours,
// hand cursor, onClick and onMouseMove (Label::SetTextColour for hovering);
// bevels, a flat speed button (NotFlat for a raised face), a popupMenu table
// for the right click; mouse capture for dragging is SetCapture(hwnd) in
// OnMouseDown and ReleaseCapture in OnMouseUp. A picture control would be
// one more small file beside Label. Forms other than the main one hide on
// close; closing the main one ends the application.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Component.h"
#include "Control.h"
#include "Description.h"
#include "Dpi.h"
#include "Glyph.h"
#include "Window.h"
#include "XPMenu.h"

namespace winui {

class Application;

enum class MouseButton { Left, Right, Middle };

class Form : public Window, public Component {
 public:
  Form(Application& application, const char* name);
  ~Form() override;

  // Makes the window (hidden) and everything in it, then runs the
  // description's creation handler. False when a part could not be made or
  // a handler name has no method.
  bool Build(const FormRecord& record);
  bool built() const { return built_; }

  // Visible and in front (centred the first time, if so described).
  void Show();
  void Hide();
  // As the user's close: the main form ends the application, others hide.
  void Close();
  bool Visible() const { return hwnd && IsWindowVisible(hwnd); }

  Control* FindControl(std::string_view name) const;
  template <class T>
  T* Find(std::string_view name) const {
    return dynamic_cast<T*>(FindControl(name));
  }
  MenuItem* FindMenuItem(std::string_view name) const;
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  XPMenu* menu() const { return menu_.get(); }
  XPMenu* popupMenu() const { return popupMenu_.get(); }

  Application& application() const { return application_; }
  const FormRecord& record() const { return *record_; }
  FontRecord font() const { return record_->font; }
  COLORREF colour() const { return record_->colour.Resolve(); }
  UINT dpi() const { return dpi_; }
  int Scale(int value) const;
  // Lays the form out as if at this dpi; before Build (tests of scaling).
  void OverrideDpi(UINT dpi) { dpiOverride_ = dpi; }
  const Glyph* GlyphNamed(const char* resourceName);

  // WM_COMMAND and WM_CTLCOLOR* on to the control they concern; for the
  // form and for controls that hold controls.
  static bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
  // The form's method for a handler name of its description, or none.
  virtual Event Handler(std::string_view name);
  virtual void OnPaint(HDC /*dc*/, const RECT& /*dirty*/) {}
  virtual void OnMouseDown(MouseButton /*button*/, WPARAM /*keys*/, int /*x*/, int /*y*/) {}
  virtual void OnMouseMove(WPARAM /*keys*/, int /*x*/, int /*y*/) {}
  virtual void OnMouseUp(MouseButton /*button*/, WPARAM /*keys*/, int /*x*/, int /*y*/) {}
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool Bind(const char* handlerName, Event& event);
  bool CreateControls(const char* parentName, Control* parent);
  void FitClientArea();
  void ApplyDpi(UINT dpi, const RECT* suggested);
  void Centre();
  void PaintMenuBarRest();
  bool IsMain() const;

  Application& application_;
  const FormRecord* record_ = nullptr;
  bool built_ = false;
  bool shownOnce_ = false;
  UINT dpi_ = 96;
  UINT dpiOverride_ = 0;
  int nextId_ = 100;
  HWND savedFocus_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  std::unique_ptr<XPMenu> menu_;
  std::unique_ptr<XPMenu> popupMenu_;
  std::map<std::string, std::unique_ptr<Glyph>> glyphs_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
};

}  // namespace winui
