#pragma once
// Window descriptions as data: a form's settings, a table of control
// records and a menu table. Texts are UTF-8; places are client pixels at
// 96 dpi, relative to the control's parent. Descriptions are static data:
// the objects built from them keep pointers into them.
#include <windows.h>

#include <cstddef>

#include "Colour.h"

namespace winui {

// A read-only view of a static array.
template <class T>
struct Table {
  constexpr Table() = default;
  template <std::size_t N>
  constexpr Table(const T (&items)[N]) : items(items), count(N) {}
  const T* begin() const { return items; }
  const T* end() const { return items + count; }
  const T* items = nullptr;
  std::size_t count = 0;
};

struct FontRecord {
  const char* face = nullptr;  // none: the parent's face and size
  int points = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  BYTE charset = DEFAULT_CHARSET;
  Colour colour{};  // none: the parent's text colour
};

enum class ControlKind {
  Label,
  Bevel,
  StatusBar,
  FlatButton,
  FlatSpeedButton,
  FlatEdit,
  FlatRadioButton,
  XPGroupBox,
  Image
};

namespace flags {
enum : unsigned {
  Checked = 1u << 0,
  Disabled = 1u << 1,
  ReadOnly = 1u << 2,
  ShowHint = 1u << 3,
  Hidden = 1u << 4,
  HandCursor = 1u << 5,   // the pointer over the control is the hand
  Transparent = 1u << 6,  // a label painted on the parent's colour
  NotFlat = 1u << 7,      // a speed button with a raised face
};
}

enum class BevelShape { Box, TopLine, BottomLine };
enum class BevelStyle { Lowered, Raised };

struct ControlRecord {
  const char* name = nullptr;
  ControlKind kind = ControlKind::Label;
  const char* parent = nullptr;  // none: the form itself
  int left = 0, top = 0, width = 0, height = 0;
  const char* caption = nullptr;
  const char* hint = nullptr;
  FontRecord font{};
  Colour colour{};    // background; none: the parent's
  int tabOrder = -1;  // windowed controls, among their siblings; -1: no tab stop
  unsigned flags = 0;
  const char* glyph = nullptr;  // a BITMAP resource; its bottom-left pixel is transparent
  const char* onClick = nullptr;
  const char* onChange = nullptr;
  const char* onMouseMove = nullptr;
  BevelShape bevelShape = BevelShape::Box;
  BevelStyle bevelStyle = BevelStyle::Lowered;
  const char* picture = nullptr;  // Image: a BITMAP resource, or a JPEG stored as RCDATA
};

// One item of a menu; level 0 is the menu bar (or the top of a right-click
// menu), level 1 its submenus. "-" as caption makes a separator.
struct MenuRecord {
  const char* name = nullptr;
  int level = 0;
  const char* caption = nullptr;
  const char* picture = nullptr;  // a BITMAP resource, drawn in the icon column
  const char* onClick = nullptr;
};

// How owner-drawn menus look.
struct MenuStyle {
  FontRecord font{"Tahoma", 8};
  Colour fontColour = colours::MenuText;
  Colour colour = colours::BtnFace;
  Colour iconBackColour = colours::BtnFace;
  Colour menuBarColour = colours::BtnFace;
  Colour separatorColour = colours::BtnFace;
  Colour selectColour = colours::Highlight;
  Colour selectBorderColour = colours::Highlight;
  Colour selectFontColour = colours::MenuText;
  Colour checkedColour = colours::Highlight;
  Colour disabledColour = colours::InactiveCaption;
  int iconWidth = 24;
  bool drawSelect = true;
  // Office-like: the selection is the highlight colour lightened, so that the
  // menu-text colour stays readable on it.
  bool useSystemColours = true;
};

enum class BorderStyle { Single, None, Sizeable };

struct FormRecord {
  const char* name = nullptr;
  const char* caption = nullptr;
  int clientWidth = 0, clientHeight = 0;
  BorderStyle border = BorderStyle::Single;
  bool minimizeBox = true;
  bool maximizeBox = false;
  bool screenCentre = true;  // centred on the screen when first shown
  Colour colour = colours::BtnFace;
  FontRecord font{"MS Sans Serif", 8, false, false, false, DEFAULT_CHARSET, colours::WindowText};
  const char* icon = nullptr;           // an ICON resource
  const char* activeControl = nullptr;  // focused when first shown
  const char* onCreate = nullptr;
  Table<ControlRecord> controls{};
  Table<MenuRecord> menu{};
  MenuStyle menuStyle{};
  Table<MenuRecord> popupMenu{};  // shown on a right click on the bare form
};

}  // namespace winui
