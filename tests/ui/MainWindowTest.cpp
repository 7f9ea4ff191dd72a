// The main window as built from its description, driven through its
// controls' window messages, with the system's requests recorded.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "Application.h"
#include "CommandLine.h"
#include "ConverterCommand.h"
#include "FlatButton.h"
#include "FlatEdit.h"
#include "FlatRadioButton.h"
#include "FlatSpeedButton.h"
#include "Label.h"
#include "RecordingRequests.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Utf8.h"
#include "ZarvoUnit1.h"

namespace {

RECT PlaceInParent(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = L"";
  GetClassNameW(hwnd, name, 64);
  return name;
}

std::wstring W(const std::string& utf8) { return WideFromUtf8(utf8); }

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    form = &app.CreateForm<TForm1>();
    ASSERT_TRUE(form->built());
    app.CreateForm<TForm2>();
    form->Show();
    app.ProcessMessages();
  }

  winui::Control& Named(const char* name) {
    winui::Control* control = form->FindControl(name);
    EXPECT_NE(control, nullptr) << name;
    return *control;
  }
  void Type(const char* name, const std::wstring& keys) {
    for (wchar_t key : keys) SendMessageW(Named(name).hwnd, WM_CHAR, key, 0);
  }
  void ClickWithMouse(const char* name) {
    const HWND hwnd = Named(name).hwnd;
    SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  std::string SourceText() { return form->FlatEdit1->Text(); }
  std::string TargetText() { return form->FlatEdit2->Text(); }

  RecordingRequests recorded;
  winui::ScopedSystemRequests seam{recorded};
  winui::Application app;
  TForm1* form = nullptr;
};

struct Expected {
  const char* name;
  const wchar_t* windowClass;
  RECT place;  // in the parent's client pixels at 96 dpi
  const char* text;
  const char* hint;
};

TEST_F(MainWindow, EveryControlHasItsKindPlaceTextAndHint) {
  const Expected expected[] = {
      {"Label1", L"WinuiLabel", {8, 8, 301, 21}, "Внимание! Файлы для конвертирования должны", ""},
      {"Label2", L"WinuiLabel", {56, 24, 263, 37}, "находиться в папке с программой", ""},
      {"Bevel1", L"WinuiBevel", {8, 40, 321, 41}, "", ""},
      {"FlatSpeedButton1", L"WinuiFlatSpeedButton", {8, 48, 33, 73}, "", "Выбор файла для конвертирования"},
      {"FlatButton2", L"WinuiFlatButton", {40, 48, 65, 73}, "", "Открыть папку с программой"},
      {"PDJXPGroupBox1", L"WinuiXPGroupBox", {152, 48, 321, 129}, " Задачи ", ""},
      {"FlatRadioButton1",
       L"WinuiFlatRadioButton",
       {16, 16, 121, 33},
       "Amr в Wav",
       "Конвертировать файл в формате AMR в формат WAV"},
      {"FlatRadioButton2",
       L"WinuiFlatRadioButton",
       {16, 48, 113, 65},
       "Wav в Amr",
       "Конвертировать файл в формате WAV в формат AMR. Внимание! Файл WAV должен быть 8kbit/sec mono"},
      {"FlatEdit1", L"EDIT", {8, 80, 145, 99}, "", "Имя файла"},
      {"FlatEdit2", L"EDIT", {8, 104, 145, 123}, "", "Имя конечного файла"},
      {"FlatButton1", L"WinuiFlatButton", {16, 136, 137, 161}, "Конвертировать", ""},
      {"StatusBar1", L"msctls_statusbar32", {0, 167, 327, 186}, "http://converter.example.org/", ""},
  };
  EXPECT_EQ(form->controls().size(), std::size(expected));
  for (const Expected& e : expected) {
    SCOPED_TRACE(e.name);
    winui::Control& control = Named(e.name);
    EXPECT_EQ(_wcsicmp(ClassOf(control.hwnd).c_str(), e.windowClass), 0) << Utf8FromWide(ClassOf(control.hwnd));
    const RECT r = PlaceInParent(control.hwnd);
    EXPECT_EQ(r.left, e.place.left);
    EXPECT_EQ(r.top, e.place.top);
    EXPECT_EQ(r.bottom, e.place.bottom);
    if (dynamic_cast<winui::Label*>(&control)) {
      EXPECT_GE(r.right, e.place.right);  // grows when the system's font is wider
    } else {
      EXPECT_EQ(r.right, e.place.right);
    }
    EXPECT_EQ(control.Text(), e.text);
    EXPECT_EQ(control.hint(), e.hint);
    EXPECT_EQ(control.showHint(), e.hint[0] != '\0');
  }
  EXPECT_EQ(GetParent(Named("FlatRadioButton1").hwnd), Named("PDJXPGroupBox1").hwnd);
}

TEST_F(MainWindow, WindowFrameCaptionAndClientArea) {
  wchar_t caption[64] = L"";
  GetWindowTextW(form->hwnd, caption, 64);
  EXPECT_STREQ(caption, L"Converter AMR<->WAV");
  RECT client;
  GetClientRect(form->hwnd, &client);
  EXPECT_EQ(client.right, 327);
  EXPECT_EQ(client.bottom, 186);
  const LONG style = GetWindowLongW(form->hwnd, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(GetMenu(form->hwnd), form->menu()->handle());
}

TEST_F(MainWindow, StartsEmptyWithAmrToWavCheckedAndFocused) {
  EXPECT_EQ(SourceText(), "");
  EXPECT_EQ(TargetText(), "");
  EXPECT_TRUE(form->FlatRadioButton1->Checked());
  EXPECT_FALSE(form->FlatRadioButton2->Checked());
  EXPECT_EQ(GetFocus(), form->FlatRadioButton1->hwnd);
  EXPECT_FALSE(form->FlatEdit2->Enabled());
  EXPECT_TRUE(form->FlatEdit2->ReadOnly());
  EXPECT_TRUE(form->FlatEdit1->Enabled());
  EXPECT_FALSE(form->FlatEdit1->ReadOnly());
}

TEST_F(MainWindow, TabGoesThroughTheControlsInTheirOrderSkippingTheTargetField) {
  std::vector<std::string> order;
  HWND at = Named("FlatButton1").hwnd;
  for (int i = 0; i < 5; ++i) {
    order.push_back(winui::Control::FromHandle(at)->name());
    at = GetNextDlgTabItem(form->hwnd, at, FALSE);
  }
  EXPECT_EQ(order,
            (std::vector<std::string>{"FlatButton1", "FlatRadioButton1", "FlatEdit1", "FlatButton2", "FlatButton1"}));
  // The Tab key itself, through the message loop's dialog handling.
  SetFocus(Named("FlatEdit1").hwnd);
  PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
  app.ProcessMessages();
  EXPECT_EQ(GetFocus(), Named("FlatButton2").hwnd);
}

TEST_F(MainWindow, EveryKeystrokeInTheSourceRecomputesTheTarget) {
  Type("FlatEdit1", L"voice.amr");
  EXPECT_EQ(SourceText(), "voice.amr");
  EXPECT_EQ(TargetText(), "voice.wav");
  Type("FlatEdit1", std::wstring(9, L'\b'));
  EXPECT_EQ(SourceText(), "");
  EXPECT_EQ(TargetText(), ".wav");
  form->FlatEdit1->SetText("C:\\Sound\\talk.2009.amr");
  EXPECT_EQ(TargetText(), "talk.2009.wav");
}

TEST_F(MainWindow, SwitchingTheDirectionRecomputesTheTarget) {
  Type("FlatEdit1", L"voice.wav");
  ClickWithMouse("FlatRadioButton2");
  EXPECT_TRUE(form->FlatRadioButton2->Checked());
  EXPECT_FALSE(form->FlatRadioButton1->Checked());
  EXPECT_EQ(TargetText(), "voice.amr");
  // The arrow key moves the choice back.
  SendMessageW(form->FlatRadioButton2->hwnd, WM_KEYDOWN, VK_UP, 0);
  EXPECT_TRUE(form->FlatRadioButton1->Checked());
  EXPECT_FALSE(form->FlatRadioButton2->Checked());
  EXPECT_EQ(TargetText(), "voice.wav");
  EXPECT_EQ(SourceText(), "voice.wav");
}

TEST_F(MainWindow, ConvertWithAnEmptySourceShowsTheMessageAndStartsNothing) {
  form->FlatEdit1->SetText("x");
  form->FlatEdit1->SetText("");  // the target now holds ".wav"
  ClickWithMouse("FlatButton1");
  ASSERT_EQ(recorded.messages.size(), 1u);
  EXPECT_EQ(recorded.messages[0].text, L"Выберите *.amr или *.wav файл");
  EXPECT_EQ(recorded.messages[0].caption, W(app.title));
  EXPECT_EQ(recorded.messages[0].type, static_cast<UINT>(MB_OK));
  EXPECT_EQ(recorded.messages[0].owner, form->hwnd);
  EXPECT_TRUE(recorded.shell.empty());
  EXPECT_EQ(TargetText(), ".wav");
}

TEST_F(MainWindow, ConvertStartsTheConverterInTheProgramFolderWithExactlyTheParameters) {
  struct Case {
    const wchar_t* typed;
    bool wavToAmr;
    const wchar_t* parameters;
  } cases[] = {
      {L"voice.amr", false, L"amr2wav voice.amr voice.wav"},
      {L"voice.wav", true, L"wav2amr voice.wav voice.amr MR102"},
      {L"my file.wav", true, L"wav2amr \"my file.wav\" \"my file.amr\" MR102"},
      {L"запись.amr", false, L"amr2wav запись.amr запись.wav"},
      {L"C:\\Sound\\voice.amr", false, L"amr2wav C:\\Sound\\voice.amr voice.wav"},
  };
  const std::wstring folder = W(ProgramFolder());
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8FromWide(c.typed));
    recorded.shell.clear();
    SetWindowTextW(form->FlatEdit1->hwnd, L"");
    ClickWithMouse(c.wavToAmr ? "FlatRadioButton2" : "FlatRadioButton1");
    Type("FlatEdit1", c.typed);
    ClickWithMouse("FlatButton1");
    ASSERT_EQ(recorded.shell.size(), 1u);
    const winui::ShellRequest& r = recorded.shell[0];
    EXPECT_EQ(r.owner, form->hwnd);
    EXPECT_FALSE(r.operation.has_value());
    EXPECT_EQ(r.file, folder + L"converter.exe");
    EXPECT_EQ(r.parameters, std::wstring(c.parameters));
    EXPECT_EQ(r.directory, folder);
    EXPECT_EQ(r.show, SW_SHOW);
  }
  EXPECT_TRUE(recorded.messages.empty());
}

TEST_F(MainWindow, FolderButtonOpensTheProgramFolder) {
  ClickWithMouse("FlatButton2");
  ASSERT_EQ(recorded.shell.size(), 1u);
  const winui::ShellRequest& r = recorded.shell[0];
  EXPECT_EQ(r.owner, form->hwnd);
  EXPECT_EQ(r.operation, std::wstring(L"open"));
  EXPECT_EQ(r.file, W(ProgramFolder()));
  EXPECT_FALSE(r.parameters.has_value());
  EXPECT_FALSE(r.directory.has_value());
  EXPECT_EQ(r.show, SW_SHOWNORMAL);
}

TEST_F(MainWindow, FileChoiceOpensInTheProgramFolderAndKeepsOnlyTheBareName) {
  recorded.chosenFile = L"C:\\Sound\\voice.amr";
  ClickWithMouse("FlatSpeedButton1");
  ASSERT_EQ(recorded.dialogs.size(), 1u);
  EXPECT_EQ(recorded.dialogs[0].owner, form->hwnd);
  EXPECT_EQ(recorded.dialogs[0].filter, std::wstring(L"All support files\0*amr;*.wav\0", 29));
  EXPECT_EQ(recorded.dialogs[0].initialFolder, W(ProgramFolder()));
  EXPECT_EQ(SourceText(), "voice.amr");
  EXPECT_EQ(TargetText(), "voice.wav");

  ClickWithMouse("FlatRadioButton2");
  recorded.chosenFile = L"D:\\Звуки\\голос.amr";
  ClickWithMouse("FlatSpeedButton1");
  EXPECT_EQ(SourceText(), "голос.amr");
  EXPECT_EQ(TargetText(), "голос.amr");
}

TEST_F(MainWindow, CancelledFileChoiceLeavesBothFields) {
  Type("FlatEdit1", L"voice.amr");
  recorded.chosenFile.reset();
  ClickWithMouse("FlatSpeedButton1");
  EXPECT_EQ(recorded.dialogs.size(), 1u);
  EXPECT_EQ(SourceText(), "voice.amr");
  EXPECT_EQ(TargetText(), "voice.wav");
}

// What a menu item sends must be what its button sends.
TEST_F(MainWindow, MenuItemsDoWhatTheirButtonsDo) {
  struct Twin {
    const char* button;
    const char* item;
  } twins[] = {{"FlatSpeedButton1", "N4"}, {"FlatButton1", "N6"}, {"FlatButton2", "N7"}};
  recorded.chosenFile = L"C:\\Sound\\voice.wav";
  for (const Twin& twin : twins) {
    SCOPED_TRACE(twin.item);
    SetWindowTextW(form->FlatEdit1->hwnd, L"voice.amr");
    recorded = RecordingRequests{};
    recorded.chosenFile = L"C:\\Sound\\voice.wav";
    ClickWithMouse(twin.button);
    const RecordingRequests byButton = recorded;
    const std::string sourceByButton = SourceText();

    SetWindowTextW(form->FlatEdit1->hwnd, L"voice.amr");
    recorded = RecordingRequests{};
    recorded.chosenFile = L"C:\\Sound\\voice.wav";
    winui::MenuItem* item = form->FindMenuItem(twin.item);
    ASSERT_NE(item, nullptr);
    SendMessageW(form->hwnd, WM_COMMAND, MAKEWPARAM(item->id, 0), 0);  // as the menu sends it
    EXPECT_EQ(recorded.shell.size(), byButton.shell.size());
    for (size_t i = 0; i < recorded.shell.size() && i < byButton.shell.size(); ++i) {
      EXPECT_EQ(recorded.shell[i].file, byButton.shell[i].file);
      EXPECT_EQ(recorded.shell[i].parameters, byButton.shell[i].parameters);
      EXPECT_EQ(recorded.shell[i].operation, byButton.shell[i].operation);
    }
    EXPECT_EQ(recorded.dialogs.size(), byButton.dialogs.size());
    EXPECT_EQ(SourceText(), sourceByButton);
  }
}

TEST_F(MainWindow, MenuHasTheItemsPicturesAndNoAccelerators) {
  struct Item {
    const char* name;
    const wchar_t* caption;
    const char* picture;
  } items[] = {
      {"N1", L"Файл", nullptr},
      {"N4", L"Выбрать файл", "GLYPH_CHOOSE_FILE"},
      {"N7", L"Открыть папку с программой", "GLYPH_OPEN_FOLDER"},
      {"N6", L"Конвертировать", "GLYPH_CONVERT"},
      {"N3", L"-", nullptr},
      {"N2", L"Выход", nullptr},
      {"N5", L"Помощь", nullptr},
      {"About1", L"About", "MENU_ABOUT"},
  };
  ASSERT_EQ(form->menu()->items().size(), std::size(items));
  for (size_t i = 0; i < std::size(items); ++i) {
    const winui::MenuItem& item = *form->menu()->items()[i];
    EXPECT_EQ(item.name(), items[i].name);
    EXPECT_EQ(item.caption, items[i].caption);
    EXPECT_EQ(item.caption.find(L'&'), std::wstring::npos);
    EXPECT_EQ(item.record.picture ? std::string(item.record.picture) : "",
              items[i].picture ? std::string(items[i].picture) : "");
  }
  const HMENU bar = GetMenu(form->hwnd);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  const HMENU file = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(file), 5);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 1)), 1);
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  for (int i = 0; i < 5; ++i) {
    ASSERT_TRUE(GetMenuItemInfoW(file, static_cast<UINT>(i), TRUE, &info));
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  }
  EXPECT_EQ(form->menu()->style().iconWidth, 24);
}

TEST_F(MainWindow, AboutShowsTheAboutWindowWithoutBlocking) {
  winui::Form* about = app.FindForm("Form2");
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(about->Visible());
  SendMessageW(form->hwnd, WM_COMMAND, MAKEWPARAM(form->FindMenuItem("About1")->id, 0), 0);
  EXPECT_TRUE(about->Visible());
  EXPECT_TRUE(IsWindowEnabled(form->hwnd));
}

TEST_F(MainWindow, ExitEndsTheApplication) {
  SendMessageW(form->hwnd, WM_COMMAND, MAKEWPARAM(form->FindMenuItem("N2")->id, 0), 0);
  EXPECT_EQ(form->hwnd, nullptr);
  EXPECT_TRUE(app.Terminated());
}

TEST_F(MainWindow, OneHintWindowShowsEachControlsHint) {
  app.hints().ShowFor(Named("FlatEdit2"));  // the disabled field has its hint too
  EXPECT_TRUE(app.hints().Showing());
  EXPECT_EQ(app.hints().ShownText(), L"Имя конечного файла");
  const HWND window = app.hints().hwnd;
  app.hints().ShowFor(Named("FlatRadioButton2"));
  EXPECT_EQ(app.hints().hwnd, window);
  EXPECT_EQ(app.hints().ShownText(), W(Named("FlatRadioButton2").hint()));
  PostMessageW(form->hwnd, WM_LBUTTONDOWN, 0, 0);
  app.ProcessMessages();
  EXPECT_FALSE(app.hints().Showing());
}

int FontHeight(HFONT font) {
  LOGFONTW lf{};
  GetObjectW(font, sizeof(lf), &lf);
  return lf.lfHeight;
}

TEST(MainWindowScaling, At144DpiEverythingIsHalfAsLargeAgain) {
  RecordingRequests recorded;
  winui::ScopedSystemRequests seam{recorded};
  winui::Application app;
  app.OverrideDpi(144);
  TForm1& form = app.CreateForm<TForm1>();
  ASSERT_TRUE(form.built());
  RECT client;
  GetClientRect(form.hwnd, &client);
  EXPECT_EQ(client.right, 491);   // 327 * 1.5, rounded
  EXPECT_EQ(client.bottom, 279);  // 186 * 1.5
  const RECT edit = PlaceInParent(form.FlatEdit1->hwnd);
  EXPECT_EQ(edit.left, 12);
  EXPECT_EQ(edit.top, 120);
  EXPECT_EQ(edit.right, 218);
  EXPECT_EQ(edit.bottom, 149);
  EXPECT_EQ(FontHeight(form.FlatEdit1->font()), -16);
}

TEST(MainWindowScaling, At96DpiTheFontIsEightPoints) {
  winui::Application app;
  app.OverrideDpi(96);
  TForm1& form = app.CreateForm<TForm1>();
  ASSERT_TRUE(form.built());
  EXPECT_EQ(FontHeight(form.FlatEdit1->font()), -11);
}

// What Convert sent, split back as the converter splits it: the source and
// the target of the fields, unchanged, and nothing else.
void ExpectTheFieldsReachTheConverter(const RecordingRequests& recorded, const std::string& source,
                                      const std::string& target) {
  ASSERT_EQ(recorded.shell.size(), 1u);
  ASSERT_TRUE(recorded.shell[0].parameters.has_value());
  const std::vector<std::string> words = SplitArguments(Utf8FromWide(*recorded.shell[0].parameters));
  EXPECT_EQ(words, (std::vector<std::string>{"amr2wav", source, target}));
}

// Far beyond any name the file system takes: the field keeps what the edit
// control accepts and the target follows by the rules on every change,
// without a hang. A request longer than the system's command line is
// refused with a message (a shell may cut it, to another target name); one
// within it goes out whole.
TEST_F(MainWindow, AVeryLongSourceNameNeitherHangsNorBreaksTheRules) {
  const HWND edit = form->FlatEdit1->hwnd;
  const auto start = std::chrono::steady_clock::now();
  // Set at once, as a program or the dialog would.
  SetWindowTextW(edit, (std::wstring(31996, L'я') + L".amr").c_str());
  EXPECT_EQ(SourceText().size(), 31996u * 2 + 4);
  EXPECT_EQ(TargetText(), TargetNameFor(SourceText(), ConversionDirection::AmrToWav));
  // Typed: piece by piece, each a change, then a few keys at both ends.
  SetWindowTextW(edit, L"");
  const std::wstring piece(1000, L'ж');
  for (int i = 0; i < 32; ++i) SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(piece.c_str()));
  SendMessageW(edit, WM_KEYDOWN, VK_HOME, 0);
  Type("FlatEdit1", L"\b\b.x");
  SendMessageW(edit, WM_KEYDOWN, VK_END, 0);
  Type("FlatEdit1", L"\b\b\b.amr");
  EXPECT_GT(SourceText().size(), 2u * 29000);
  EXPECT_EQ(TargetText(), TargetNameFor(SourceText(), ConversionDirection::AmrToWav));
  ClickWithMouse("FlatButton1");
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 30.0);
  EXPECT_TRUE(recorded.shell.empty());
  ASSERT_EQ(recorded.messages.size(), 1u);
  EXPECT_EQ(recorded.messages[0].text, L"Слишком длинное имя файла");
  EXPECT_EQ(recorded.messages[0].caption, W(app.title));

  SetWindowTextW(edit, (std::wstring(16000, L'ж') + L".amr").c_str());
  ClickWithMouse("FlatButton1");
  ExpectTheFieldsReachTheConverter(recorded, SourceText(), TargetText());
  EXPECT_EQ(recorded.messages.size(), 1u);
}

bool PutOnClipboard(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool put = false;
  if (memory) {
    memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    if (!put) GlobalFree(memory);  // the clipboard owns it only once taken
  }
  CloseClipboard();
  return put;
}

std::wstring Repeat(const std::wstring& piece, int times) {
  std::wstring text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST_F(MainWindow, PastedUnicodeKeepsTheRulesAndReachesTheConverterWhole) {
  const std::wstring pasted[] = {
      L"\U0001F3A4 запись \U0001F600.amr",    // astral: surrogate pairs
      L"e\u0301\u0308 cafe\u0301.amr",        // combining marks
      L"\u202Eקלטה \u05D0\u202C.amr",         // right-to-left, with an override
      L"تسجيل صوتي.amr",                      // Arabic with a blank
      L"a\tb\"c.amr",                         // a tab and a quote: quoted, escaped
      L"first line\r\nsecond line.amr",       // a line break in a one-line field
      L"half \xD83D pair.amr",                // a lone surrogate, as broken programs copy
      Repeat(L"\U0001F600", 4000) + L".amr",  // 8000 UTF-16 units of emoji
  };
  for (const std::wstring& text : pasted) {
    SCOPED_TRACE(Utf8FromWide(text).substr(0, 60));
    recorded.shell.clear();
    SetWindowTextW(form->FlatEdit1->hwnd, L"");
    ASSERT_TRUE(PutOnClipboard(form->hwnd, text));
    SendMessageW(form->FlatEdit1->hwnd, WM_PASTE, 0, 0);
    const std::string source = SourceText();
    // The field may stop at the line break, but takes nothing of its own.
    EXPECT_FALSE(source.empty());
    EXPECT_EQ(Utf8FromWide(text).rfind(source, 0), 0u) << source;
    EXPECT_EQ(TargetText(), TargetNameFor(source, ConversionDirection::AmrToWav));
    ClickWithMouse("FlatButton1");
    ExpectTheFieldsReachTheConverter(recorded, source, TargetText());
  }
  EXPECT_TRUE(recorded.messages.empty());
}

}  // namespace
