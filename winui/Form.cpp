#include "Form.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "Application.h"
#include "ControlFactory.h"
#include "Dpi.h"
#include "FlatButtonBase.h"
#include "Utf8.h"

namespace winui {
namespace {

constexpr UINT kFirstMenuId = 1000;  // clear of IDOK and IDCANCEL
constexpr UINT kFirstPopupId = 2000;

bool SameName(const char* a, const char* b) {
  if (!a || !b) return a == b;
  return std::strcmp(a, b) == 0;
}

DWORD StyleFor(const FormRecord& record) {
  DWORD style = WS_CLIPCHILDREN;
  switch (record.border) {
    case BorderStyle::Single:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
      break;
    case BorderStyle::None:
      style |= WS_POPUP;
      break;
    case BorderStyle::Sizeable:
      style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
      break;
  }
  if (record.border != BorderStyle::None) {
    if (record.minimizeBox) style |= WS_MINIMIZEBOX;
    if (record.maximizeBox) style |= WS_MAXIMIZEBOX;
  }
  return style;
}

}  // namespace

Form::Form(Application& application, const char* name) : Component(name), application_(application) {}

Form::~Form() {
  // The window (and with it every control's) goes while this object and
  // its controls are still whole.
  if (hwnd) DestroyWindow(hwnd);
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

int Form::Scale(int value) const { return ScaleForDpi(value, dpi_); }

Event Form::Handler(std::string_view) { return nullptr; }

bool Form::Bind(const char* handlerName, Event& event) {
  if (!handlerName) return true;
  event = Handler(handlerName);
  return static_cast<bool>(event);
}

const Glyph* Form::GlyphNamed(const char* resourceName) {
  auto& glyph = glyphs_[resourceName];
  if (!glyph) {
    glyph = std::make_unique<Glyph>();
    glyph->Load(application_.instance(), WideFromUtf8(resourceName).c_str());
  }
  return glyph->Loaded() ? glyph.get() : nullptr;
}

bool Form::Build(const FormRecord& record) {
  record_ = &record;
  Form* main = application_.MainForm();
  CreateArgs args;
  args.className = L"WinuiForm";
  args.text = WideFromUtf8(record.caption ? record.caption : "");
  args.style = StyleFor(record);
  args.exStyle = WS_EX_CONTROLPARENT;
  args.place = {0, 0, 100, 100};
  args.parent = main && main != this ? main->hwnd : nullptr;  // owned: above it, gone with it
  args.classStyle = CS_DBLCLKS;
  if (!CreateOwnClass(args)) return false;
  if (!dpiOverride_) dpiOverride_ = application_.dpiOverride();
  dpi_ = dpiOverride_ ? dpiOverride_ : DpiForWindow(hwnd);

  if (record.icon) {
    const std::wstring icon = WideFromUtf8(record.icon);
    bigIcon_ = static_cast<HICON>(LoadImageW(application_.instance(), icon.c_str(), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(application_.instance(), icon.c_str(), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    if (bigIcon_) SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    if (smallIcon_) SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  }

  const XPMenu::Binder bind = [this](const char* name, Event& event) { return Bind(name, event); };
  const XPMenu::GlyphSource glyphs = [this](const char* name) { return GlyphNamed(name); };
  if (record.menu.count) {
    menu_ = std::make_unique<XPMenu>();
    if (!menu_->Build(record.menu, record.menuStyle, false, kFirstMenuId, bind, glyphs)) return false;
    menu_->SetDpi(dpi_);
    if (!menu_->AttachTo(hwnd)) return false;
  }
  if (record.popupMenu.count) {
    popupMenu_ = std::make_unique<XPMenu>();
    if (!popupMenu_->Build(record.popupMenu, record.menuStyle, true, kFirstPopupId, bind, glyphs)) return false;
    popupMenu_->SetDpi(dpi_);
  }

  if (!CreateControls(nullptr, nullptr)) return false;
  FitClientArea();

  Event onCreate;
  if (!Bind(record.onCreate, onCreate)) return false;
  built_ = true;
  if (onCreate) onCreate(*this);
  return true;
}

// Children of one parent in their tab order (those without one after), so
// that the window order the keyboard follows is the description's.
bool Form::CreateControls(const char* parentName, Control* parent) {
  std::vector<const ControlRecord*> children;
  for (const ControlRecord& r : record_->controls) {
    if (SameName(r.parent, parentName)) children.push_back(&r);
  }
  std::stable_sort(children.begin(), children.end(), [](const ControlRecord* a, const ControlRecord* b) {
    return (a->tabOrder < 0 ? INT_MAX : a->tabOrder) < (b->tabOrder < 0 ? INT_MAX : b->tabOrder);
  });
  for (const ControlRecord* r : children) {
    std::unique_ptr<Control> control = MakeControl(*this, *r, parent);
    if (!control) return false;
    if (!Bind(r->onClick, control->onClick) || !Bind(r->onChange, control->onChange) ||
        !Bind(r->onMouseMove, control->onMouseMove))
      return false;
    if (!control->Create(nextId_++)) return false;
    Control* raw = control.get();
    controls_.push_back(std::move(control));
    if (!CreateControls(r->name, raw)) return false;
  }
  return true;
}

void Form::FitClientArea() {
  const int width = Scale(record_->clientWidth), height = Scale(record_->clientHeight);
  const DWORD style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
  RECT want{0, 0, width, height};
  AdjustWindowRectForDpi(want, style, exStyle, GetMenu(hwnd) != nullptr, dpi_);
  int outerW = want.right - want.left, outerH = want.bottom - want.top;
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(hwnd, nullptr, 0, 0, outerW, outerH, flags);
  // The menu bar's real height (ours is drawn by us) decides the rest.
  RECT got;
  GetClientRect(hwnd, &got);
  if (got.right != width || got.bottom != height) {
    outerW += width - got.right;
    outerH += height - got.bottom;
    SetWindowPos(hwnd, nullptr, 0, 0, outerW, outerH, flags);
  }
}

void Form::ApplyDpi(UINT dpi, const RECT* suggested) {
  if (dpiOverride_) return;
  dpi_ = dpi;
  for (const auto& control : controls_) control->ApplyDpi();
  if (menu_) menu_->SetDpi(dpi);
  if (popupMenu_) popupMenu_->SetDpi(dpi);
  if (suggested) {
    SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FitClientArea();
  if (menu_) DrawMenuBar(hwnd);
}

void Form::Centre() {
  RECT window;
  GetWindowRect(hwnd, &window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& screen = monitor.rcMonitor;
  const int w = window.right - window.left, h = window.bottom - window.top;
  SetWindowPos(hwnd, nullptr, screen.left + (screen.right - screen.left - w) / 2,
               screen.top + (screen.bottom - screen.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
  if (!hwnd) return;
  const bool first = !shownOnce_;
  shownOnce_ = true;
  if (first && record_->screenCentre) Centre();
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  BringWindowToTop(hwnd);
  if (first && record_->activeControl) {
    if (Control* control = FindControl(record_->activeControl)) {
      savedFocus_ = control->hwnd;
      SetFocus(control->hwnd);
    }
  }
}

void Form::Hide() {
  if (hwnd) ShowWindow(hwnd, SW_HIDE);
}

void Form::Close() {
  if (hwnd) SendMessageW(hwnd, WM_CLOSE, 0, 0);
}

// Some systems fill the bar right of the last item in their own menu
// colour whatever the menu's background says; paint it in the bar's.
void Form::PaintMenuBarRest() {
  if (!menu_) return;
  MENUBARINFO bar{};
  bar.cbSize = sizeof(bar);
  const int count = GetMenuItemCount(menu_->handle());
  RECT last{};
  if (count <= 0 || !GetMenuBarInfo(hwnd, OBJID_MENU, 0, &bar) ||
      !GetMenuItemRect(hwnd, menu_->handle(), static_cast<UINT>(count - 1), &last))
    return;
  RECT window;
  GetWindowRect(hwnd, &window);
  RECT rest{last.right, bar.rcBar.top, bar.rcBar.right, bar.rcBar.bottom};
  OffsetRect(&rest, -window.left, -window.top);
  if (rest.right <= rest.left) return;
  HDC dc = GetWindowDC(hwnd);
  if (!dc) return;
  FillSolid(dc, rest, menu_->style().menuBarColour.Resolve());
  ReleaseDC(hwnd, dc);
}

bool Form::IsMain() const { return application_.MainForm() == this; }

Control* Form::FindControl(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->name() == name) return control.get();
  }
  return nullptr;
}

MenuItem* Form::FindMenuItem(std::string_view name) const {
  MenuItem* item = menu_ ? menu_->Find(name) : nullptr;
  if (!item && popupMenu_) item = popupMenu_->Find(name);
  return item;
}

bool Form::ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      if (!lParam) return false;
      if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam))) {
        if (control->OnCommand(HIWORD(wParam))) {
          result = 0;
          return true;
        }
      }
      return false;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam))) {
        if (HBRUSH brush = control->OnControlColour(reinterpret_cast<HDC>(wParam))) {
          result = reinterpret_cast<LRESULT>(brush);
          return true;
        }
      }
      return false;
  }
  return false;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (ReflectToControl(message, wParam, lParam, result)) return result;
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_COMMAND:
      if (!lParam && HIWORD(wParam) == 0) {
        const UINT id = LOWORD(wParam);
        MenuItem* item = menu_ ? menu_->FromId(id) : nullptr;
        if (!item && popupMenu_) item = popupMenu_->FromId(id);
        if (item) {
          item->Click();
          return 0;
        }
      }
      if (LOWORD(wParam) == IDOK) {  // Enter, sent by IsDialogMessage: press the focused button
        if (auto* button = dynamic_cast<FlatButtonBase*>(Control::FromHandle(GetFocus()))) button->Click();
        return 0;
      }
      break;
    case WM_MEASUREITEM: {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if ((menu_ && menu_->Measure(hwnd, measure)) || (popupMenu_ && popupMenu_->Measure(hwnd, measure))) return TRUE;
      break;
    }
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if ((menu_ && menu_->Draw(draw)) || (popupMenu_ && popupMenu_->Draw(draw))) return TRUE;
      break;
    }
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd, &r);
      FillSolid(reinterpret_cast<HDC>(wParam), r, colour());
      return 1;
    }
    case WM_PAINT: {
      PaintScope paint(hwnd);
      OnPaint(paint.dc, paint.ps.rcPaint);
      return 0;
    }
    case WM_PRINTCLIENT: {  // a see-through control asks for what lies beneath it
      RECT r;
      GetClientRect(hwnd, &r);
      const HDC dc = reinterpret_cast<HDC>(wParam);
      if (lParam & PRF_ERASEBKGND) FillSolid(dc, r, colour());
      OnPaint(dc, r);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnMouseDown(MouseButton::Left, wParam, x, y);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      OnMouseDown(MouseButton::Right, wParam, x, y);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      OnMouseDown(MouseButton::Middle, wParam, x, y);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(wParam, x, y);
      return 0;
    case WM_LBUTTONUP:
      OnMouseUp(MouseButton::Left, wParam, x, y);
      return 0;
    case WM_RBUTTONUP:
      OnMouseUp(MouseButton::Right, wParam, x, y);
      break;  // on to the system, which sends WM_CONTEXTMENU
    case WM_MBUTTONUP:
      OnMouseUp(MouseButton::Middle, wParam, x, y);
      return 0;
    case WM_CONTEXTMENU:
      if (popupMenu_) {
        POINT at{x, y};
        if (at.x == -1 && at.y == -1) {  // from the keyboard
          at = {0, 0};
          ClientToScreen(hwnd, &at);
        }
        popupMenu_->Popup(hwnd, at);
        return 0;
      }
      break;
    case WM_NEXTDLGCTL: {
      // IsDialogMessage's Tab on a window that is not a dialog.
      HWND next = lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
      if (next) SetFocus(next);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) savedFocus_ = focus;
      } else if (savedFocus_ && IsChild(hwnd, savedFocus_) && IsWindowEnabled(savedFocus_)) {
        SetFocus(savedFocus_);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (savedFocus_ && IsChild(hwnd, savedFocus_) && IsWindowEnabled(savedFocus_)) {
        SetFocus(savedFocus_);
        return 0;
      }
      break;
    case WM_CLOSE:
      if (IsMain()) {
        DestroyWindow(hwnd);
      } else {
        Hide();
      }
      return 0;
    case WM_DESTROY:
      if (IsMain()) application_.Terminate();
      break;
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
      const LRESULT done = Default(message, wParam, lParam);
      PaintMenuBarRest();
      return done;
    }
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
      return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace winui
