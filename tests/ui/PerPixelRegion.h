#pragma once
// The shape of a picture made the slow, literal way, one GetPixel call a
// pixel and one CombineRgn union a run: the yardstick that the product's
// bulk method is checked and timed against.
#include <windows.h>

#include "UniqueGdi.h"

winui::UniqueRegion PerPixelRegion(HBITMAP picture);
