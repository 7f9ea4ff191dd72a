#include "Colour.h"

namespace winui {

COLORREF Blend(COLORREF a, COLORREF b, int weight) {
  auto mix = [weight](int x, int y) { return static_cast<BYTE>((x * weight + y * (100 - weight)) / 100); };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

}  // namespace winui
