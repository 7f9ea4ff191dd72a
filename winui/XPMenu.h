#pragma once
// A menu (the bar of a form, or a right-click menu) built from a menu table
// and drawn by us in the XP-like style: an icon column with the items'
// pictures, a filled and framed selection, our own font and colours.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Component.h"
#include "Description.h"
#include "Gdi.h"
#include "Glyph.h"

namespace winui {

class MenuItem : public Component {
 public:
  explicit MenuItem(const MenuRecord& record);
  const MenuRecord& record;
  std::wstring caption;
  bool separator = false;
  bool topLevel = false;
  UINT id = 0;
  const Glyph* picture = nullptr;
  Event onClick;
  void Click() {
    if (onClick) onClick(*this);
  }
};

class XPMenu {
 public:
  // Finds a handler by name; false when the form has none of that name.
  using Binder = std::function<bool(const char* name, Event& event)>;
  using GlyphSource = std::function<const Glyph*(const char* name)>;

  XPMenu() = default;
  XPMenu(const XPMenu&) = delete;
  XPMenu& operator=(const XPMenu&) = delete;
  ~XPMenu();

  // As a menu bar, or as a right-click menu; command ids from firstId on.
  bool Build(Table<MenuRecord> records, const MenuStyle& style, bool popup, UINT firstId, const Binder& bind,
             const GlyphSource& glyphs);
  // The bar goes to the window, which destroys it with itself.
  bool AttachTo(HWND window);
  void SetDpi(UINT dpi);
  // Right-click menu at a screen point; its command comes as WM_COMMAND.
  void Popup(HWND owner, POINT screen);

  HMENU handle() const { return menu_; }
  const MenuStyle& style() const { return style_; }
  MenuItem* Find(std::string_view name) const;
  MenuItem* FromId(UINT id) const;
  const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }

  // WM_MEASUREITEM / WM_DRAWITEM of our items; false for anything else.
  bool Measure(HWND owner, MEASUREITEMSTRUCT& measure);
  bool Draw(const DRAWITEMSTRUCT& draw);
  COLORREF SelectColour() const;

 private:
  bool Ours(ULONG_PTR data) const;
  int Scale(int value) const;
  MenuStyle style_;
  HMENU menu_ = nullptr;
  bool attached_ = false;
  std::vector<std::unique_ptr<MenuItem>> items_;
  UniqueBrush barBrush_, popupBrush_;
  UniqueFont font_;
  UINT dpi_ = 96;
};

}  // namespace winui
