#include "StatusBar.h"

#include <commctrl.h>

#include "Utf8.h"

namespace winui {

const wchar_t* StatusBar::ClassName() const { return STATUSCLASSNAMEW; }

bool StatusBar::CreateWindowFor(CreateArgs args) {
  const std::string caption = record().caption ? record().caption : "";
  args.text.clear();
  args.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (!CreateSystemClass(args)) return false;
  SendMessageW(hwnd, SB_SIMPLE, TRUE, 0);
  SetText(caption);
  return true;
}

std::string StatusBar::Text() const { return text_; }

void StatusBar::SetText(std::string_view text) {
  text_ = std::string(text);
  SendMessageW(hwnd, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(WideFromUtf8(text).c_str()));
}

}  // namespace winui
