#pragma once
// Fonts of a description, made at a given dpi.
#include <windows.h>

#include "Description.h"
#include "Gdi.h"

namespace winui {

// The record's face and style over the inherited font's, sized for dpi
// (8 points at 96 dpi: height -11).
FontRecord MergeFont(const FontRecord& own, const FontRecord& inherited);
UniqueFont CreateFontForDpi(const FontRecord& font, UINT dpi);

}  // namespace winui
