#include "Control.h"

#include <unordered_map>

#include "Dpi.h"
#include "Font.h"
#include "Form.h"
#include "Utf8.h"

namespace winui {
namespace {

// Every live control by its window; one user-interface thread.
std::unordered_map<HWND, Control*>& Registry() {
  static std::unordered_map<HWND, Control*> registry;
  return registry;
}

}  // namespace

Control::Control(Form& form, const ControlRecord& record, Control* parent)
    : Component(record.name ? record.name : ""),
      form_(form),
      record_(record),
      parent_(parent),
      hint_(record.hint ? record.hint : ""),
      showHint_((record.flags & flags::ShowHint) != 0) {}

Control::~Control() {
  if (hwnd) Registry().erase(hwnd);
}

Control* Control::FromHandle(HWND hwnd) {
  const auto found = Registry().find(hwnd);
  return found == Registry().end() ? nullptr : found->second;
}

bool Control::Create(int id) {
  font_ = CreateFontForDpi(EffectiveFont(), dpi());
  CreateArgs args;
  args.className = ClassName();
  args.text = WideFromUtf8(record_.caption ? record_.caption : "");
  args.style = WS_CHILD | WS_CLIPSIBLINGS;
  if (!(record_.flags & flags::Hidden)) args.style |= WS_VISIBLE;
  if (record_.flags & flags::Disabled) args.style |= WS_DISABLED;
  if (IsTabStop()) args.style |= WS_TABSTOP;
  args.place = ScaledPlace();
  args.parent = ParentHandle();
  args.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  if (record_.flags & flags::HandCursor) args.cursor = LoadCursorW(nullptr, IDC_HAND);
  if (!CreateWindowFor(args)) return false;
  Registry()[hwnd] = this;
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return true;
}

void Control::ApplyDpi() {
  if (!hwnd) return;
  const RECT r = ScaledPlace();
  SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  font_ = CreateFontForDpi(EffectiveFont(), dpi());
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  InvalidateRect(hwnd, nullptr, TRUE);
}

HWND Control::ParentHandle() const { return parent_ ? parent_->hwnd : form_.hwnd; }
UINT Control::dpi() const { return form_.dpi(); }
int Control::Scale(int value) const { return ScaleForDpi(value, dpi()); }

RECT Control::ScaledPlace() const {
  return {Scale(record_.left), Scale(record_.top), Scale(record_.left + record_.width),
          Scale(record_.top + record_.height)};
}

std::wstring Control::WideText() const {
  if (!hwnd) return {};
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string Control::Text() const { return Utf8FromWide(WideText()); }

void Control::SetText(std::string_view text) {
  SetWindowTextW(hwnd, WideFromUtf8(text).c_str());
  InvalidateRect(hwnd, nullptr, TRUE);
}

bool Control::Enabled() const { return hwnd && IsWindowEnabled(hwnd); }
void Control::SetEnabled(bool enabled) { EnableWindow(hwnd, enabled); }

FontRecord Control::EffectiveFont() const {
  return MergeFont(record_.font, parent_ ? parent_->EffectiveFont() : form_.font());
}

COLORREF Control::TextColour() const { return EffectiveFont().colour.ResolveOr(GetSysColor(COLOR_WINDOWTEXT)); }

COLORREF Control::BackgroundColour() const {
  if (!record_.colour.IsNone() && !(record_.flags & flags::Transparent)) return record_.colour.Resolve();
  return parent_ ? parent_->BackgroundColour() : form_.colour();
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEMOVE && onMouseMove) onMouseMove(*this);
  // The class's cursor is the first such control's; a hand is per control.
  if (message == WM_SETCURSOR && (record_.flags & flags::HandCursor) && LOWORD(lParam) == HTCLIENT) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
  }
  return Default(message, wParam, lParam);
}

bool Control::RepaintOnStateChange(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
      result = Default(message, wParam, lParam);
      InvalidateRect(hwnd, nullptr, FALSE);
      return true;
  }
  return false;
}

void Control::OnDestroyed(HWND was) { Registry().erase(was); }

}  // namespace winui
