#pragma once
// JPEG pictures held in memory (a resource), decoded for drawing.
#include <windows.h>

#include <cstddef>

#include "UniqueGdi.h"

namespace winui {

// A 32-bit top-down DIB section of the picture, or none when the data is
// not a JPEG we can read in full: damaged, cut short, or of an unsupported
// kind. Never ends the process; the caller simply has no picture.
UniqueBitmap DecodeJpeg(const void* data, std::size_t size);

// The same for a JPEG stored as an RCDATA resource of module; none when the
// resource is missing or damaged.
UniqueBitmap LoadJpegResource(HMODULE module, const wchar_t* name);

}  // namespace winui
