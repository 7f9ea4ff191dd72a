#include "Application.h"

#include <commctrl.h>

#include "Utf8.h"
#include "ZarvoUnit1.h"

namespace winui {

Application::Application(HINSTANCE instance) : instance_(instance) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  wchar_t path[MAX_PATH * 4] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  title = ExtractNamePart(Utf8FromWide({path, length}), false);
}

Application::~Application() {
  while (!forms_.empty()) forms_.pop_back();
  // The main form's end asked for a quit that nobody will read now.
  MSG quit;
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

Form* Application::FindForm(std::string_view name) const {
  for (const auto& form : forms_) {
    if (form->name() == name) return form.get();
  }
  return nullptr;
}

void Application::Dispatch(MSG& message) {
  hints_.Observe(message);
  // Tab, arrows and Enter among the controls of our forms.
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  for (const auto& form : forms_) {
    if (root && form->hwnd == root) {
      if (IsDialogMessageW(root, &message)) return;
      break;
    }
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int Application::Run() {
  Form* main = MainForm();
  if (!main || !main->built()) return 1;
  main->Show();
  MSG message{};
  while (!terminated_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) return 1;
    if (got == 0) break;
    Dispatch(message);
  }
  terminated_ = true;
  return 0;
}

void Application::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      terminated_ = true;
      continue;
    }
    Dispatch(message);
  }
}

void Application::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

}  // namespace winui
