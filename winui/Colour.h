#pragma once
// A colour as a window description gives it: none (take the parent's), a
// fixed RGB value, or one of the system's colours, read when drawn so that a
// change of the user's colour scheme shows at the next paint.
#include <windows.h>

namespace winui {

class Colour {
 public:
  constexpr Colour() = default;
  static constexpr Colour Rgb(BYTE r, BYTE g, BYTE b) { return Colour(Kind::Rgb, RGB(r, g, b)); }
  static constexpr Colour System(int index) { return Colour(Kind::System, static_cast<COLORREF>(index)); }

  constexpr bool IsNone() const { return kind_ == Kind::None; }
  COLORREF Resolve() const { return kind_ == Kind::System ? GetSysColor(static_cast<int>(value_)) : value_; }
  // This colour, or the fallback when it is none.
  COLORREF ResolveOr(COLORREF fallback) const { return IsNone() ? fallback : Resolve(); }

 private:
  enum class Kind { None, Rgb, System };
  constexpr Colour(Kind kind, COLORREF value) : kind_(kind), value_(value) {}
  Kind kind_ = Kind::None;
  COLORREF value_ = 0;
};

// Mixes a with b; weight is a's share in percent.
COLORREF Blend(COLORREF a, COLORREF b, int weight);

namespace colours {
inline constexpr Colour BtnFace = Colour::System(COLOR_BTNFACE);
inline constexpr Colour Highlight = Colour::System(COLOR_HIGHLIGHT);
inline constexpr Colour MenuText = Colour::System(COLOR_MENUTEXT);
inline constexpr Colour InactiveCaption = Colour::System(COLOR_INACTIVECAPTION);
inline constexpr Colour WindowText = Colour::System(COLOR_WINDOWTEXT);
inline constexpr Colour ScrollBar = Colour::System(COLOR_SCROLLBAR);
inline constexpr Colour Navy = Colour::Rgb(0, 0, 128);
inline constexpr Colour Maroon = Colour::Rgb(128, 0, 0);
inline constexpr Colour Blue = Colour::Rgb(0, 0, 255);
inline constexpr Colour Red = Colour::Rgb(255, 0, 0);
inline constexpr Colour Silver = Colour::Rgb(192, 192, 192);
}  // namespace colours

}  // namespace winui
