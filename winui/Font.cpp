#include "Font.h"

#include "Utf8.h"

namespace winui {

FontRecord MergeFont(const FontRecord& own, const FontRecord& inherited) {
  FontRecord merged = own;
  if (!own.face) {
    merged.face = inherited.face;
    merged.points = inherited.points;
    merged.charset = inherited.charset;
  }
  if (own.colour.IsNone()) merged.colour = inherited.colour;
  return merged;
}

UniqueFont CreateFontForDpi(const FontRecord& font, UINT dpi) {
  LOGFONTW lf{};
  lf.lfHeight = -MulDiv(font.points, static_cast<int>(dpi), 72);
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfCharSet = font.charset;
  lf.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = WideFromUtf8(font.face ? font.face : "MS Sans Serif");
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace winui
