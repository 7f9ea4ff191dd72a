// The about window in this process: built beside the main window as at
// start-up, driven by the messages the system would send it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Application.h"
#include "BitmapRegion.h"
#include "FlatSpeedButton.h"
#include "PerPixelRegion.h"
#include "SystemRequests.h"
#include "Unit1.h"
#include "Unit2.h"

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kRed = RGB(255, 0, 0);

class RecordedRequests : public winui::SystemRequests {
 public:
  void Shell(const winui::ShellRequest& request) override { shell.push_back(request); }
  std::vector<winui::ShellRequest> shell;
};

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

RECT PlaceInParent(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

RECT WindowRect(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  return r;
}

class AboutWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    main = &application.CreateForm<TForm1>();
    about = &application.CreateForm<TForm2>();
    ASSERT_TRUE(main->built());
    ASSERT_TRUE(about->built());
    ASSERT_NE(about->Image1, nullptr);
    ASSERT_NE(about->Image1->picture(), nullptr) << "the background picture is linked into this test";
  }

  // The pointer at a screen point, as the window sees it now: in its
  // client coordinates, which move with it while it is dragged.
  void Mouse(UINT message, POINT screen, WPARAM keys = 0) {
    ScreenToClient(about->hwnd, &screen);
    SendMessageW(about->hwnd, message, keys, At(screen.x, screen.y));
  }
  POINT Screen(int clientX, int clientY) {
    POINT p{clientX, clientY};
    ClientToScreen(about->hwnd, &p);
    return p;
  }

  // A point of the bare surface: inside the picture's shape, under no control.
  static constexpr POINT kBare{24, 100};

  winui::Application application;
  TForm1* main = nullptr;
  TForm2* about = nullptr;
};

TEST_F(AboutWindow, IsFramelessPictureSizedCutToThePictureAndHidden) {
  EXPECT_FALSE(about->Visible());
  const LONG style = GetWindowLongW(about->hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME | WS_SYSMENU));
  RECT client, window = WindowRect(about->hwnd);
  GetClientRect(about->hwnd, &client);
  EXPECT_EQ(client.right, 518);
  EXPECT_EQ(client.bottom, 181);
  EXPECT_EQ(window.right - window.left, 518);
  EXPECT_EQ(window.bottom - window.top, 181);

  winui::UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(about->hwnd, shape.get()), ERROR);
  winui::UniqueRegion literal = PerPixelRegion(about->Image1->picture());
  ASSERT_TRUE(literal);
  EXPECT_TRUE(EqualRgn(shape.get(), literal.get()));
  EXPECT_FALSE(PtInRegion(shape.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(shape.get(), kBare.x, kBare.y));
  EXPECT_EQ(ChildWindowFromPointEx(about->hwnd, kBare, CWP_SKIPINVISIBLE), about->hwnd) << "kBare is bare";
}

TEST_F(AboutWindow, HasItsControlsInPlaceWithTheirTexts) {
  const struct {
    const char* name;
    RECT place;
    const char* text;
    bool visible;
  } expected[] = {
      {"Image1", {0, 0, 521, 177}, "", false},
      {"SpeedButton1", {485, 10, 504, 29}, "X", true},
      {"Label1", {248, 16, 374, 30}, "converter.example.org", true},
      {"Label2", {16, 16, 50, 29}, "About", true},
      {"Bevel1", {40, 48, 345, 137}, "", true},
      {"Bevel2", {96, 142, 329, 159}, "", true},
      {"Label3", {48, 56, 125, 70}, "Программист:", true},
      {"Label4", {136, 56, 333, 70}, "Converter AMR<->WAV project", true},
      {"Label5", {288, 72, 336, 86}, "г. Example", true},
      {"Label6", {136, 144, 276, 158}, "E-mail: converter@example.org", true},
      {"Image2", {120, 80, 257, 129}, "", true},
      {"Label7", {48, 80, 104, 93}, "Converter", true},
      {"Label8", {48, 96, 85, 109}, "ver1.0", true},
  };
  for (const auto& e : expected) {
    winui::Control* control = about->FindControl(e.name);
    ASSERT_NE(control, nullptr) << e.name;
    // Labels grow to their text where the system's font is wider.
    const RECT r = PlaceInParent(control->hwnd);
    const bool grows = dynamic_cast<winui::Label*>(control) != nullptr;
    EXPECT_TRUE(r.left == e.place.left && r.top == e.place.top &&
                (grows ? r.right >= e.place.right && r.bottom >= e.place.bottom
                       : r.right == e.place.right && r.bottom == e.place.bottom))
        << e.name << " at " << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom;
    EXPECT_EQ(control->Text(), e.text) << e.name;
    EXPECT_EQ((GetWindowLongW(control->hwnd, GWL_STYLE) & WS_VISIBLE) != 0, e.visible) << e.name;
  }
  // The texts and the logo lie above the see-through bevels and take the mouse there.
  EXPECT_EQ(ChildWindowFromPointEx(about->hwnd, POINT{60, 60}, CWP_SKIPINVISIBLE), about->FindControl("Label3")->hwnd);
  EXPECT_EQ(ChildWindowFromPointEx(about->hwnd, POINT{200, 100}, CWP_SKIPINVISIBLE), about->Image2->hwnd);
  EXPECT_EQ(ChildWindowFromPointEx(about->hwnd, POINT{300, 120}, CWP_SKIPINVISIBLE),
            about->FindControl("Bevel1")->hwnd);
  // The logo is one column wider than its holder, drawn unscaled.
  EXPECT_EQ(about->Image2->PictureSize().cx, 138);
  EXPECT_EQ(about->Image2->PictureSize().cy, 49);
}

TEST_F(AboutWindow, UsesTheDescribedFontsColoursAndCursors) {
  const struct {
    const char* name;
    const wchar_t* face;
    BYTE charset;
    bool bold, italic, underline;
    COLORREF text;
    COLORREF background;
  } expected[] = {
      {"Label1", L"Arial", RUSSIAN_CHARSET, true, false, true, kNavy, RGB(192, 192, 192)},
      {"Label2", L"MS Sans Serif", DEFAULT_CHARSET, true, false, false, kNavy, RGB(192, 192, 192)},
      {"Label3", L"Arial", RUSSIAN_CHARSET, true, false, false, kNavy, GetSysColor(COLOR_SCROLLBAR)},
      {"Label4", L"Arial", RUSSIAN_CHARSET, true, false, false, RGB(128, 0, 0), GetSysColor(COLOR_SCROLLBAR)},
      {"Label5", L"Arial", RUSSIAN_CHARSET, true, false, false, RGB(0, 0, 255), GetSysColor(COLOR_SCROLLBAR)},
      {"Label6", L"Arial", RUSSIAN_CHARSET, false, true, true, kNavy, GetSysColor(COLOR_BTNFACE)},
      {"Label7", L"MS Sans Serif", DEFAULT_CHARSET, true, false, false, GetSysColor(COLOR_WINDOWTEXT),
       GetSysColor(COLOR_BTNFACE)},
      {"Label8", L"MS Sans Serif", DEFAULT_CHARSET, true, false, false, GetSysColor(COLOR_WINDOWTEXT),
       GetSysColor(COLOR_BTNFACE)},
  };
  for (const auto& e : expected) {
    auto* label = about->Find<winui::Label>(e.name);
    ASSERT_NE(label, nullptr) << e.name;
    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(label->font(), sizeof(font), &font)) << e.name;
    EXPECT_STREQ(font.lfFaceName, e.face) << e.name;
    EXPECT_EQ(font.lfCharSet, e.charset) << e.name;
    EXPECT_EQ(font.lfHeight, -11) << e.name << ": 8 points";
    EXPECT_EQ(font.lfWeight >= FW_BOLD, e.bold) << e.name;
    EXPECT_EQ(font.lfItalic != 0, e.italic) << e.name;
    EXPECT_EQ(font.lfUnderline != 0, e.underline) << e.name;
    EXPECT_EQ(label->CurrentTextColour(), e.text) << e.name;
    EXPECT_EQ(label->BackgroundColour(), e.background) << e.name;
  }
  // The hand over the web address only; the mail line keeps the arrow.
  const auto cursorOver = [](HWND control) {
    SetCursor(nullptr);
    SendMessageW(control, WM_SETCURSOR, reinterpret_cast<WPARAM>(control), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  EXPECT_EQ(cursorOver(about->Label1->hwnd), LoadCursorW(nullptr, IDC_HAND));
  EXPECT_EQ(cursorOver(about->Label6->hwnd), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(AboutWindow, PaintsItsPicture) {
  HDC screen = GetDC(nullptr);
  HDC canvas = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 518, 181);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(canvas, target);
  SendMessageW(about->hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas), PRF_CLIENT | PRF_ERASEBKGND);

  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ oldSource = SelectObject(source, about->Image1->picture());
  for (const POINT p : {POINT{0, 0}, POINT{5, 100}, POINT{kBare.x, kBare.y}, POINT{250, 20}, POINT{517, 180}}) {
    EXPECT_EQ(GetPixel(canvas, p.x, p.y), GetPixel(source, p.x, p.y)) << p.x << ", " << p.y;
  }
  SelectObject(source, oldSource);
  DeleteDC(source);
  SelectObject(canvas, old);
  DeleteObject(target);
  DeleteDC(canvas);
}

TEST_F(AboutWindow, IsCentredWhenFirstShownByTheAboutItem) {
  main->Show();
  main->FindMenuItem("About1")->Click();
  ASSERT_TRUE(about->Visible());
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(about->hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT r = WindowRect(about->hwnd);
  const RECT& s = monitor.rcMonitor;
  EXPECT_EQ(r.left, s.left + (s.right - s.left - 518) / 2);
  EXPECT_EQ(r.top, s.top + (s.bottom - s.top - 181) / 2);
}

TEST_F(AboutWindow, LeftPressAndMovesOnTheBareSurfaceDragIt) {
  about->Show();
  SetWindowPos(about->hwnd, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const POINT press = Screen(kBare.x, kBare.y);
  Mouse(WM_LBUTTONDOWN, press, MK_LBUTTON);
  EXPECT_TRUE(about->Dragging);
  EXPECT_EQ(about->DragX, kBare.x);
  EXPECT_EQ(about->DragY, kBare.y);
  EXPECT_EQ(GetCapture(), about->hwnd) << "the window takes the mouse while dragged";
  // Three steps, the last one past the window's old edge (negative client x).
  for (const POINT travel : {POINT{5, 3}, POINT{-40, 30}, POINT{-130, 45}}) {
    Mouse(WM_MOUSEMOVE, POINT{press.x + travel.x, press.y + travel.y}, MK_LBUTTON);
    const RECT r = WindowRect(about->hwnd);
    EXPECT_EQ(r.left, 100 + travel.x);
    EXPECT_EQ(r.top, 120 + travel.y);
  }
  Mouse(WM_LBUTTONUP, POINT{press.x - 130, press.y + 45});
  EXPECT_FALSE(about->Dragging);
  EXPECT_NE(GetCapture(), about->hwnd);
  Mouse(WM_MOUSEMOVE, POINT{press.x, press.y});
  EXPECT_EQ(WindowRect(about->hwnd).left, -30) << "no drag after the release";
}

TEST_F(AboutWindow, OnlyTheLeftButtonDragsAndAnyReleaseEndsIt) {
  about->Show();
  SetWindowPos(about->hwnd, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const POINT press = Screen(kBare.x, kBare.y);
  Mouse(WM_RBUTTONDOWN, press, MK_RBUTTON);
  EXPECT_FALSE(about->Dragging);
  Mouse(WM_MOUSEMOVE, POINT{press.x + 20, press.y + 20}, MK_RBUTTON);
  EXPECT_EQ(WindowRect(about->hwnd).left, 100);
  // (Its release would open the right-click menu, a modal loop of its own.)

  Mouse(WM_LBUTTONDOWN, press, MK_LBUTTON);
  EXPECT_TRUE(about->Dragging);
  Mouse(WM_MBUTTONUP, press, MK_LBUTTON);
  EXPECT_FALSE(about->Dragging) << "releasing any button ends the drag";

  // A drag whose capture is taken away ends too: its release will not come.
  Mouse(WM_LBUTTONDOWN, press, MK_LBUTTON);
  ASSERT_TRUE(about->Dragging);
  SetCapture(main->hwnd);
  ReleaseCapture();
  EXPECT_FALSE(about->Dragging);
}

TEST_F(AboutWindow, PressesOnControlsDoNotDrag) {
  about->Show();
  for (const char* name : {"Label3", "Bevel1", "Image2", "Label7"}) {
    HWND control = about->FindControl(name)->hwnd;
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, At(2, 2));
    EXPECT_FALSE(about->Dragging) << name;
    SendMessageW(control, WM_LBUTTONUP, 0, At(2, 2));
  }
}

TEST_F(AboutWindow, LinksTurnRedUnderTheMouseAndNavyOnTheBareSurface) {
  about->Show();
  SendMessageW(about->Label1->hwnd, WM_MOUSEMOVE, 0, At(3, 3));
  EXPECT_EQ(about->Label1->CurrentTextColour(), kRed);
  EXPECT_EQ(about->Label6->CurrentTextColour(), kNavy);
  SendMessageW(about->Label6->hwnd, WM_MOUSEMOVE, 0, At(3, 3));
  EXPECT_EQ(about->Label6->CurrentTextColour(), kRed);
  // Onto another control: both stay red.
  SendMessageW(about->FindControl("Label3")->hwnd, WM_MOUSEMOVE, 0, At(3, 3));
  EXPECT_EQ(about->Label1->CurrentTextColour(), kRed);
  EXPECT_EQ(about->Label6->CurrentTextColour(), kRed);
  SendMessageW(about->hwnd, WM_MOUSEMOVE, 0, At(kBare.x, kBare.y));
  EXPECT_EQ(about->Label1->CurrentTextColour(), kNavy);
  EXPECT_EQ(about->Label6->CurrentTextColour(), kNavy);
}

TEST_F(AboutWindow, HandsTheLinksToTheShellWithExactlyTheirFields) {
  RecordedRequests recorded;
  winui::ScopedSystemRequests scope(recorded);
  about->Show();
  for (HWND label : {about->Label1->hwnd, about->Label6->hwnd}) {
    SendMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, At(3, 3));
    SendMessageW(label, WM_LBUTTONUP, 0, At(3, 3));
  }
  ASSERT_EQ(recorded.shell.size(), 2u);
  const winui::ShellRequest& site = recorded.shell[0];
  EXPECT_EQ(site.owner, about->hwnd);
  EXPECT_FALSE(site.operation);
  EXPECT_EQ(site.file, std::wstring(L"http://converter.example.org/"));
  EXPECT_FALSE(site.parameters);
  EXPECT_FALSE(site.directory);
  EXPECT_EQ(site.show, SW_SHOW);
  const winui::ShellRequest& mail = recorded.shell[1];
  EXPECT_EQ(mail.owner, about->hwnd);
  EXPECT_EQ(mail.operation, std::wstring(L"open"));
  EXPECT_EQ(mail.file, std::wstring(L"mailto:converter@example.org"));
  EXPECT_FALSE(mail.parameters);
  EXPECT_FALSE(mail.directory);
  EXPECT_EQ(mail.show, SW_SHOWNORMAL);
}

TEST_F(AboutWindow, XAndExitHideItAndReopeningKeepsPlaceAndColours) {
  const auto& items = about->popupMenu()->items();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_TRUE(items[0]->separator);
  EXPECT_EQ(items[1]->caption, L"Выход");

  main->Show();
  main->FindMenuItem("About1")->Click();
  SetWindowPos(about->hwnd, nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageW(about->Label1->hwnd, WM_MOUSEMOVE, 0, At(3, 3));

  HWND x = about->FindControl("SpeedButton1")->hwnd;
  SendMessageW(x, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
  SendMessageW(x, WM_LBUTTONUP, 0, At(5, 5));
  EXPECT_FALSE(about->Visible()) << "\"X\" hides it";
  EXPECT_TRUE(IsWindow(about->hwnd));

  main->FindMenuItem("About1")->Click();
  EXPECT_TRUE(about->Visible());
  EXPECT_EQ(WindowRect(about->hwnd).left, 33);
  EXPECT_EQ(WindowRect(about->hwnd).top, 44);
  EXPECT_EQ(about->Label1->CurrentTextColour(), kRed);

  about->FindMenuItem("N2")->Click();
  EXPECT_FALSE(about->Visible()) << "\"Выход\" hides it";
  main->FindMenuItem("About1")->Click();
  EXPECT_EQ(WindowRect(about->hwnd).left, 33);
  EXPECT_TRUE(main->Visible()) << "the main window stays";
}

TEST_F(AboutWindow, GoesWithTheMainWindow) {
  main->Show();
  about->Show();
  HWND aboutWindow = about->hwnd;
  main->Close();
  EXPECT_TRUE(application.Terminated());
  EXPECT_FALSE(IsWindow(aboutWindow)) << "owned by the main window, it is destroyed with it";
}

}  // namespace

namespace {

// A logo that cannot be decoded is simply not drawn; the window works on.
TEST(PictureHolder, LeavesADamagedLogoUndrawnAndTheWindowWorking) {
  static const winui::ControlRecord kControls[] = {
      {.name = "Image2",
       .kind = winui::ControlKind::Image,
       .left = 10,
       .top = 10,
       .width = 137,
       .height = 49,
       .picture = "DAMAGED_LOGO"},
  };
  static const winui::FormRecord kDescription{
      .name = "Damaged", .caption = "Damaged", .clientWidth = 200, .clientHeight = 100, .controls = kControls};
  winui::Application application;
  winui::Form& form = application.CreateForm<winui::Form>("Damaged");
  ASSERT_TRUE(form.Build(kDescription));
  auto* image = form.Find<winui::Image>("Image2");
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->picture(), nullptr);
  form.Show();
  RedrawWindow(form.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  application.ProcessMessages();
  EXPECT_TRUE(IsWindowVisible(image->hwnd));
}

}  // namespace
