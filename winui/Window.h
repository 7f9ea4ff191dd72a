#pragma once
// The base of every window of ours. Windows of our own classes carry their
// object in GWLP_USERDATA from WM_NCCREATE to WM_NCDESTROY; windows of the
// system's classes (EDIT, the status bar) reach theirs through
// SetWindowSubclass. Either way HandleMessage sees each message and
// Default() passes it on to the class's own procedure.
#include <windows.h>

#include <string>

namespace winui {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Detaches first, so that no message reaches a half-destroyed object.
  virtual ~Window();

  HWND hwnd = nullptr;

 protected:
  struct CreateArgs {
    const wchar_t* className = nullptr;
    std::wstring text;
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    RECT place{};  // left, top, right, bottom in the parent's client pixels
    HWND parent = nullptr;
    HMENU menuOrId = nullptr;
    UINT classStyle = 0;       // our own classes only
    HCURSOR cursor = nullptr;  // our own classes only; the arrow when none
  };
  // Registers the class on first use (checked) and creates the window.
  bool CreateOwnClass(const CreateArgs& args);
  // Creates a window of a system class and subclasses it.
  bool CreateSystemClass(const CreateArgs& args);

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  // For windows that paint every pixel themselves: called first in
  // HandleMessage, it skips the erase (no flicker) and sends WM_PAINT to
  // Paint. True when the message was one of those two.
  bool HandlePaintMessage(UINT message, LRESULT& result);
  virtual void Paint(HDC /*dc*/) {}
  // The window is gone; hwnd is already cleared.
  virtual void OnDestroyed(HWND /*was*/) {}

 private:
  static LRESULT CALLBACK OwnClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  bool subclassed_ = false;
};

}  // namespace winui
