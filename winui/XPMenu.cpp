#include "XPMenu.h"

#include <algorithm>

#include "Dpi.h"
#include "Font.h"
#include "Utf8.h"

namespace winui {

MenuItem::MenuItem(const MenuRecord& r)
    : Component(r.name ? r.name : ""), record(r), caption(WideFromUtf8(r.caption ? r.caption : "")) {
  separator = caption == L"-";
}

XPMenu::~XPMenu() {
  // An attached bar is destroyed by its window.
  if (menu_ && !attached_) DestroyMenu(menu_);
}

bool XPMenu::Build(Table<MenuRecord> records, const MenuStyle& style, bool popup, UINT firstId, const Binder& bind,
                   const GlyphSource& glyphs) {
  style_ = style;
  menu_ = popup ? CreatePopupMenu() : CreateMenu();
  if (!menu_) return false;
  barBrush_.reset(CreateSolidBrush(style_.menuBarColour.Resolve()));
  popupBrush_.reset(CreateSolidBrush(style_.colour.Resolve()));
  HMENU submenu = nullptr;
  UINT id = firstId;
  for (const MenuRecord& record : records) {
    auto item = std::make_unique<MenuItem>(record);
    MenuItem* raw = item.get();
    raw->topLevel = !popup && record.level == 0;
    raw->id = id++;
    if (record.picture && glyphs) raw->picture = glyphs(record.picture);
    if (record.onClick && !bind(record.onClick, raw->onClick)) return false;
    items_.push_back(std::move(item));
    const auto data = reinterpret_cast<LPCWSTR>(raw);
    if (record.level == 0 && !popup) {
      // A bar item opens a submenu when items of level 1 follow it.
      const MenuRecord* next = &record + 1;
      const bool opens = next != records.end() && next->level == 1;
      submenu = opens ? CreatePopupMenu() : nullptr;
      if (submenu) {
        MENUINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = MIM_BACKGROUND;
        info.hbrBack = popupBrush_.get();
        SetMenuInfo(submenu, &info);
      }
      AppendMenuW(menu_, MF_OWNERDRAW | (submenu ? MF_POPUP : 0),
                  submenu ? reinterpret_cast<UINT_PTR>(submenu) : raw->id, data);
    } else {
      HMENU into = popup ? menu_ : submenu;
      if (!into) return false;  // a level-1 item with no bar item above it
      AppendMenuW(into, MF_OWNERDRAW | (raw->separator ? MF_SEPARATOR : 0), raw->id, data);
    }
  }
  MENUINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = MIM_BACKGROUND;
  info.hbrBack = popup ? popupBrush_.get() : barBrush_.get();
  SetMenuInfo(menu_, &info);
  SetDpi(dpi_);
  return true;
}

bool XPMenu::AttachTo(HWND window) {
  if (!SetMenu(window, menu_)) return false;
  attached_ = true;  // ownership passes to the window
  return true;
}

void XPMenu::SetDpi(UINT dpi) {
  dpi_ = dpi;
  font_ = CreateFontForDpi(style_.font, dpi);
}

void XPMenu::Popup(HWND owner, POINT screen) {
  TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr);
}

MenuItem* XPMenu::Find(std::string_view name) const {
  for (const auto& item : items_) {
    if (item->name() == name) return item.get();
  }
  return nullptr;
}

MenuItem* XPMenu::FromId(UINT id) const {
  for (const auto& item : items_) {
    if (item->id == id && !item->topLevel) return item.get();
  }
  return nullptr;
}

bool XPMenu::Ours(ULONG_PTR data) const {
  for (const auto& item : items_) {
    if (reinterpret_cast<ULONG_PTR>(item.get()) == data) return true;
  }
  return false;
}

int XPMenu::Scale(int value) const { return ScaleForDpi(value, dpi_); }

COLORREF XPMenu::SelectColour() const {
  const COLORREF select = style_.selectColour.Resolve();
  return style_.useSystemColours ? Blend(select, GetSysColor(COLOR_WINDOW), 30) : select;
}

bool XPMenu::Measure(HWND owner, MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU || !Ours(measure.itemData)) return false;
  const auto* item = reinterpret_cast<const MenuItem*>(measure.itemData);
  WindowDc dc(owner);
  SelectObjectScope font(dc.dc, font_.get());
  SIZE text{};
  const std::wstring& caption = item->caption;
  GetTextExtentPoint32W(dc.dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  if (item->separator) {
    measure.itemWidth = static_cast<UINT>(Scale(20));
    measure.itemHeight = static_cast<UINT>(Scale(7));
  } else if (item->topLevel) {
    measure.itemWidth = static_cast<UINT>(text.cx + Scale(8));
    measure.itemHeight = static_cast<UINT>(text.cy + Scale(6));
  } else {
    measure.itemWidth = static_cast<UINT>(Scale(style_.iconWidth) + Scale(8) + text.cx + Scale(24));
    measure.itemHeight = static_cast<UINT>(std::max<int>(Scale(22), text.cy + Scale(8)));
  }
  return true;
}

bool XPMenu::Draw(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU || !Ours(draw.itemData)) return false;
  const auto* item = reinterpret_cast<const MenuItem*>(draw.itemData);
  HDC dc = draw.hDC;
  const RECT r = draw.rcItem;
  const bool selected = (draw.itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
  const bool disabled = (draw.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
  SelectObjectScope font(dc, font_.get());
  SetBkMode(dc, TRANSPARENT);
  const std::wstring& caption = item->caption;

  if (item->topLevel) {
    FillSolid(dc, r, style_.menuBarColour.Resolve());
    if (selected && style_.drawSelect && !disabled) {
      FillSolid(dc, r, SelectColour());
      FrameSolid(dc, r, style_.selectBorderColour.Resolve());
    }
    SetTextColor(dc, disabled ? style_.disabledColour.Resolve()
                              : (selected ? style_.selectFontColour : style_.fontColour).Resolve());
    RECT text = r;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return true;
  }

  const int icon = Scale(style_.iconWidth);
  FillSolid(dc, r, style_.colour.Resolve());
  FillSolid(dc, {r.left, r.top, r.left + icon, r.bottom}, style_.iconBackColour.Resolve());
  if (item->separator) {
    // The separator's strip takes its colour; the rule itself is etched.
    const int y = (r.top + r.bottom) / 2;
    FillSolid(dc, {r.left + icon, r.top, r.right, r.bottom}, style_.separatorColour.Resolve());
    FillSolid(dc, {r.left + icon + Scale(8), y - 1, r.right, y}, GetSysColor(COLOR_BTNSHADOW));
    FillSolid(dc, {r.left + icon + Scale(8), y, r.right, y + 1}, GetSysColor(COLOR_BTNHIGHLIGHT));
    return true;
  }
  if (selected && style_.drawSelect && !disabled) {
    FillSolid(dc, r, SelectColour());
    FrameSolid(dc, r, style_.selectBorderColour.Resolve());
  }
  if (item->picture) {
    const int w = Scale(item->picture->width()), h = Scale(item->picture->height());
    item->picture->Draw(dc, r.left + (icon - w) / 2, r.top + (r.bottom - r.top - h) / 2, dpi_, disabled);
  }
  SetTextColor(dc, disabled ? style_.disabledColour.Resolve()
                            : (selected ? style_.selectFontColour : style_.fontColour).Resolve());
  RECT text{r.left + icon + Scale(8), r.top, r.right - Scale(4), r.bottom};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  return true;
}

}  // namespace winui
