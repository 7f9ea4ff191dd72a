#pragma once
// Owning handles for the GDI objects we create ourselves: DeleteObject when
// the owner goes. Release() hands the object on, e.g. a region to
// SetWindowRgn, after which the system owns it.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace winui {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

using UniqueRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

}  // namespace winui
