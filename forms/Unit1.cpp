#include "Unit1.h"

#include <utility>

#include "Form1Description.h"
#include "SystemRequests.h"
#include "ZarvoUnit1.h"

namespace {

const char kFilter[] = "All support files|*amr;*.wav";
const char kNoSourceMessage[] = "Выберите *.amr или *.wav файл";
const char kConverterFile[] = "converter.exe";
const char kTooLongMessage[] = "Слишком длинное имя файла";
// The longest command line the system starts, its NUL included; the shell
// makes it of the program's quoted path, a blank and the parameters. Some
// shells cut a longer one, which could leave a shorter, other target name.
constexpr size_t kLongestCommandLine = 32767;

}  // namespace

TForm1::TForm1(winui::Application& application) : Form(application, "Form1") {
  OpenDialog1.filter = kFilter;
  if (!Build(kForm1Description)) return;
  FlatEdit1 = Find<winui::FlatEdit>("FlatEdit1");
  FlatEdit2 = Find<winui::FlatEdit>("FlatEdit2");
  FlatRadioButton1 = Find<winui::FlatRadioButton>("FlatRadioButton1");
  FlatRadioButton2 = Find<winui::FlatRadioButton>("FlatRadioButton2");
}

winui::Event TForm1::Handler(std::string_view name) {
  using Method = void (TForm1::*)(winui::Component&);
  static const std::pair<const char*, Method> kHandlers[] = {
      {"Create_", &TForm1::Create_},
      {"FlatSpeedButton1Click", &TForm1::FlatSpeedButton1Click},
      {"Change_", &TForm1::Change_},
      {"FlatButton1Click", &TForm1::FlatButton1Click},
      {"FlatButton2Click", &TForm1::FlatButton2Click},
      {"N4Click", &TForm1::N4Click},
      {"N6Click", &TForm1::N6Click},
      {"N7Click", &TForm1::N7Click},
      {"N2Click", &TForm1::N2Click},
      {"About1Click", &TForm1::About1Click},
  };
  for (const auto& [handlerName, method] : kHandlers) {
    if (name == handlerName) return [this, method = method](winui::Component& sender) { (this->*method)(sender); };
  }
  return nullptr;
}

void TForm1::Create_(winui::Component&) { OpenDialog1.initialFolder = ProgramFolder(); }

void TForm1::FlatSpeedButton1Click(winui::Component&) {
  if (!OpenDialog1.Execute(hwnd)) return;
  // Setting the source fires Change_, which already fills the target.
  FlatEdit1->SetText(ExtractNamePart(OpenDialog1.fileName, true));
  FlatEdit2->SetText(TargetNameFor(OpenDialog1.fileName, Direction()));
}

void TForm1::Change_(winui::Component&) {
  if (!FlatEdit1 || !FlatEdit2) return;  // still being built
  FlatEdit2->SetText(TargetNameFor(FlatEdit1->Text(), Direction()));
}

void TForm1::FlatButton1Click(winui::Component&) { Convert(); }

void TForm1::FlatButton2Click(winui::Component&) {
  // The program's folder in the shell's file manager.
  winui::CurrentSystemRequests().Shell(
      {hwnd, std::wstring(L"open"), MakePChar(ProgramFolder()), std::nullopt, std::nullopt, SW_SHOWNORMAL});
}

void TForm1::N4Click(winui::Component& Sender) { FlatSpeedButton1Click(Sender); }
void TForm1::N6Click(winui::Component& Sender) { FlatButton1Click(Sender); }
void TForm1::N7Click(winui::Component& Sender) { FlatButton2Click(Sender); }
void TForm1::N2Click(winui::Component&) { Close(); }

void TForm1::About1Click(winui::Component&) {
  if (winui::Form* about = application().FindForm("Form2")) about->Show();
}

ConversionDirection TForm1::Direction() const {
  return !FlatRadioButton1 || FlatRadioButton1->Checked() ? ConversionDirection::AmrToWav
                                                          : ConversionDirection::WavToAmr;
}

void TForm1::Convert() {
  const std::string source = FlatEdit1->Text();
  if (source.empty()) {
    winui::ShowMessageBox(hwnd, kNoSourceMessage, application().title, MB_OK);
    return;
  }
  const std::string target = FlatEdit2->Text();
  StartConverter(BuildConverterCommand(Direction(), source, target));
}

// By its full path, so that no converter.exe planted in the current folder
// runs instead, and in the program's folder, where the bare names lie.
void TForm1::StartConverter(const std::string& parameters) {
  const std::string folder = ProgramFolder();
  const std::wstring file = MakePChar(folder + kConverterFile), text = MakePChar(parameters);
  if (file.size() + text.size() + 4 > kLongestCommandLine) {
    winui::ShowMessageBox(hwnd, kTooLongMessage, application().title, MB_OK);
    return;
  }
  winui::CurrentSystemRequests().Shell({hwnd, std::nullopt, file, text, MakePChar(folder), SW_SHOW});
}
