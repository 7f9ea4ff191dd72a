#include "Unit2.h"

#include <utility>

#include "BitmapRegion.h"
#include "Form2Description.h"
#include "SystemRequests.h"

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 128);   // navy
constexpr COLORREF kHoverColour = RGB(255, 0, 0);  // red

}  // namespace

TForm2::TForm2(winui::Application& application) : Form(application, "Form2") {
  // Laid out in the picture's own pixels at any screen density: the region
  // and the picture are not scaled, so neither may the controls on it be.
  OverrideDpi(winui::kDesignDpi);
  Build(kForm2Description);
}

winui::Event TForm2::Handler(std::string_view name) {
  using Method = void (TForm2::*)(winui::Component&);
  // clang-format off
  static const std::pair<const char*, Method> kHandlers[] = {
      {"FormCreate", &TForm2::FormCreate},
      {"Move", &TForm2::Move},
      {"MoveMail", &TForm2::MoveMail},
      {"Click_Site", &TForm2::Click_Site},
      {"Click_Mail", &TForm2::Click_Mail},
      {"SpeedButton1Click", &TForm2::SpeedButton1Click},
      {"N2Click", &TForm2::N2Click},
  };
  // clang-format on

  for (const auto& [handlerName, method] : kHandlers) {
    if (name == handlerName) return [this, method = method](winui::Component& sender) { (this->*method)(sender); };
  }
  return nullptr;
}

void TForm2::FormCreate(winui::Component&) {
  Image1 = Find<winui::Image>("Image1");
  Image2 = Find<winui::Image>("Image2");
  Label1 = Find<winui::Label>("Label1");
  Label6 = Find<winui::Label>("Label6");
  // The see-through bevels lie under the texts and the logo inside them,
  // which so stay visible and take the mouse there.
  for (const char* bevel : {"Bevel1", "Bevel2"}) {
    if (winui::Control* control = FindControl(bevel)) {
      SetWindowPos(control->hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }

  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  SetWindowLongW(hwnd, GWL_STYLE,
                 (style & ~(WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) | WS_POPUP);
  const SIZE picture = Image1 ? Image1->PictureSize() : SIZE{0, 0};
  UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
  if (picture.cx <= 0 || picture.cy <= 0) flags |= SWP_NOSIZE;  // no picture: keep the stored size
  SetWindowPos(hwnd, nullptr, 0, 0, picture.cx, picture.cy, flags);

  // No region (no picture, or all of it the key colour): the window keeps
  // its rectangle.
  if (winui::UniqueRegion region = winui::BitmapToRegion(Image1 ? Image1->picture() : nullptr)) {
    SetWindowRgn(hwnd, region.release(), TRUE);  // the window owns the region from here on
  }
}

void TForm2::FormPaint(winui::Component&, HDC Canvas) {
  RECT client;
  GetClientRect(hwnd, &client);
  if (Image1) winui::DrawPicture(Canvas, Image1->picture(), 0, 0, client);
}

void TForm2::FormMouseDown(winui::Component&, winui::MouseButton Button, WPARAM, int X, int Y) {
  if (Button != winui::MouseButton::Left) return;
  Dragging = true;
  DragX = X;
  DragY = Y;
  // Every move and the release come to us until the button is up, wherever
  // the pointer goes.
  SetCapture(hwnd);
}

void TForm2::FormMouseMove(winui::Component&, WPARAM, int X, int Y) {
  if (Dragging) {
    RECT window;
    GetWindowRect(hwnd, &window);
    SetWindowPos(hwnd, nullptr, window.left + X - DragX, window.top + Y - DragY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (Label1) Label1->SetTextColour(kLinkColour);
  if (Label6) Label6->SetTextColour(kLinkColour);
}

void TForm2::FormMouseUp(winui::Component&, winui::MouseButton, WPARAM, int, int) {
  Dragging = false;
  if (GetCapture() == hwnd) ReleaseCapture();
}

void TForm2::Move(winui::Component&) {
  if (Label1) Label1->SetTextColour(kHoverColour);
}

void TForm2::MoveMail(winui::Component&) {
  if (Label6) Label6->SetTextColour(kHoverColour);
}

void TForm2::Click_Site(winui::Component&) {
  winui::CurrentSystemRequests().Shell({hwnd, std::nullopt, kMakerWebAddress, std::nullopt, std::nullopt, SW_SHOW});
}

void TForm2::Click_Mail(winui::Component&) {
  winui::CurrentSystemRequests().Shell({hwnd, L"open", kMakerMailLink, std::nullopt, std::nullopt, SW_SHOWNORMAL});
}

void TForm2::SpeedButton1Click(winui::Component&) { Close(); }

void TForm2::N2Click(winui::Component&) { Close(); }

void TForm2::OnPaint(HDC dc, const RECT&) { FormPaint(*this, dc); }

void TForm2::OnMouseDown(winui::MouseButton button, WPARAM keys, int x, int y) {
  FormMouseDown(*this, button, keys, x, y);
}

void TForm2::OnMouseMove(WPARAM keys, int x, int y) { FormMouseMove(*this, keys, x, y); }

void TForm2::OnMouseUp(winui::MouseButton button, WPARAM keys, int x, int y) { FormMouseUp(*this, button, keys, x, y); }

LRESULT TForm2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The capture taken from us (another window, a menu, Alt+Tab) means the
  // release will not reach us: end the drag here, or the next plain move
  // over the window would carry it off.
  if (message == WM_CAPTURECHANGED && reinterpret_cast<HWND>(lParam) != hwnd) Dragging = false;
  return Form::HandleMessage(message, wParam, lParam);
}
