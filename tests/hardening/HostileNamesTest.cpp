// Names people give their recordings, and names meant to break things, go
// the whole way: the name rules give the target, the parameter text quotes
// both, the system's command-line parser splits it back, and the real
// converter, started in the folder, makes exactly that target.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "ConverterCommand.h"
#include "ConverterStart.h"

#ifdef _WIN32
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "Utf8.h"
#include "ZarvoUnit1.h"
#endif

namespace {

enum class Where { Everywhere, PosixOnly, WindowsOnly };

struct HostileName {
  const char* label;
  std::string source;
  ConversionDirection direction;
  Where where = Where::Everywhere;
};

constexpr auto kToWav = ConversionDirection::AmrToWav;
constexpr auto kToAmr = ConversionDirection::WavToAmr;

std::string Repeat(const std::string& piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

const HostileName kNames[] = {
    {"Plain", "voice.amr", kToWav},
    {"Blank", "my voice.amr", kToWav},
    {"LeadingBlank", " voice.amr", kToWav},
    {"BlankBeforeExtension", "voice .wav", kToAmr},
    {"TrailingBlank", "voice.amr ", kToWav},
    {"BlanksEverywhere", "  two   blanks  .amr", kToWav},
    {"Cyrillic", "Запись разговора.amr", kToWav},
    {"CyrillicToAmr", "голос.wav", kToAmr},
    {"Chinese", "录音 文件.amr", kToWav},
    {"Greek", "φωνή.wav", kToAmr},
    {"Hebrew", "הקלטה.amr", kToWav},
    {"ArabicWithBlank", "تسجيل صوتي.wav", kToAmr},
    {"Emoji", "🎤 запись 😀.amr", kToWav},
    {"CombiningMarks", "e\u0301\u0308 café.amr", kToWav},
    {"RightToLeftOverride", "\u202Erma.voice.amr", kToWav},
    {"ShellMetacharacters", "a&b^c%d!e.amr", kToWav},
    {"VariableLooking", "%PATH% !OS!.wav", kToAmr},
    {"Brackets", "(1)[2]{3};,'=+.amr", kToWav},
    {"CommandLooking", "$(echo x) `id` ; x.amr", kToWav},
    {"LeadingDash", "-x.amr", kToWav},
    {"DtxLooking", "--dtx.wav", kToAmr},
    {"DtxExactly", "--dtx", kToAmr},
    {"HelpExactly", "--help", kToWav},
    {"DashAlone", "-", kToWav},
    {"NoExtension", "recording", kToWav},
    {"ManyDots", "talk.2009.01.amr", kToWav},
    {"OnlyAnExtension", ".amr", kToWav},
    {"BackslashInside", "sub dir\\voice.amr", kToWav},
    {"TrailingBackslash", "my folder\\", kToWav},
    {"TwoTrailingBackslashes", "my folder\\\\", kToAmr},
    {"LongName", Repeat("n", 246) + ".amr", kToWav},
    {"LongCyrillicName", Repeat("я", 125) + ".wav", kToAmr},  // 254 bytes in UTF-8
    {"LongPath", Repeat("д", 120) + "\\" + Repeat("ж", 120) + "\\" + Repeat("x", 40) + ".amr", kToWav,
     Where::WindowsOnly},
    // Windows allows no quotes, control characters or these in names.
    {"Quotes", "\"quoted\" name.amr", kToWav, Where::PosixOnly},
    {"QuoteAfterBackslash", "a\\\"b c.amr", kToWav, Where::PosixOnly},
    {"BackslashesBeforeQuote", "end\\\\\"\\\\.wav", kToAmr, Where::PosixOnly},
    {"Tab", "tab\there.amr", kToWav, Where::PosixOnly},
    {"Newline", "line\nbreak.amr", kToWav, Where::PosixOnly},
    {"Forbidden", "a<b>c|d:e*f?.amr", kToWav, Where::PosixOnly},
};

#ifdef _WIN32
constexpr Where kHere = Where::WindowsOnly;
#else
constexpr Where kHere = Where::PosixOnly;
#endif

std::vector<HostileName> NamesHere() {
  std::vector<HostileName> names;
  for (const HostileName& name : kNames) {
    if (name.where == Where::Everywhere || name.where == kHere) names.push_back(name);
  }
  return names;
}

std::vector<std::string> Words(const HostileName& name, const std::string& target) {
  if (name.direction == kToWav) return {"amr2wav", name.source, target};
  return {"wav2amr", name.source, target, "MR102"};
}

// Test names say which row failed; the row itself as its label.
void PrintTo(const HostileName& row, std::ostream* out) { *out << row.label; }

#ifdef _WIN32
// Paths longer than MAX_PATH: the runtime's file functions refuse them, the
// system's wide calls take them with the \\?\ prefix.
std::wstring Extended(const fs::path& path) { return L"\\\\?\\" + fs::absolute(path).make_preferred().wstring(); }

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  const HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &found);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path + L"\\" + name);
      } else {
        DeleteFileW((path + L"\\" + name).c_str());
      }
    } while (FindNextFileW(find, &found));
    FindClose(find);
  }
  RemoveDirectoryW(path.c_str());
}

void WriteLong(const fs::path& folder, const std::string& name, const std::vector<uint8_t>& bytes) {
  std::wstring path = Extended(folder);
  const std::wstring wide = WideFromUtf8(name);
  for (size_t start = 0, end; (end = wide.find(L'\\', start)) != std::wstring::npos; start = end + 1) {
    path += L"\\" + wide.substr(start, end - start);
    CreateDirectoryW(path.c_str(), nullptr);
  }
  const HANDLE file = CreateFileW((Extended(folder) + L"\\" + wide).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "the file system refuses the name";
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
  CloseHandle(file);
}
#endif

class HostileNames : public testing::TestWithParam<HostileName> {};

TEST_P(HostileNames, ComeBackUnchangedAndMakeExactlyTheirTarget) {
  const HostileName& name = GetParam();
  const fs::path folder = ScratchFolder();
  const std::string target = TargetNameFor(name.source, name.direction);
  const std::string parameters = BuildConverterCommand(name.direction, name.source, target);
  SCOPED_TRACE(parameters);
  EXPECT_EQ(SplitArguments(parameters), Words(name, target));
#ifdef _WIN32
  // The system's parser itself, as the converter will call it.
  int count = 0;
  wchar_t** split = CommandLineToArgvW((L"converter.exe " + MakePChar(parameters)).c_str(), &count);
  ASSERT_NE(split, nullptr);
  std::vector<std::string> systemWords;
  for (int i = 1; i < count; ++i) systemWords.push_back(Utf8FromWide(split[i]));
  LocalFree(split);
  EXPECT_EQ(systemWords, Words(name, target));
  // Here a backslash separates folders: such a name is a folder.
  const bool sourceIsFolder = name.source.back() == '\\';
#else
  const bool sourceIsFolder = false;
#endif

  const fs::path source = folder / PathOf(name.source);
  const std::vector<uint8_t> bytes = name.direction == kToWav ? ToneAmrBytes() : ToneWav(kToneSamples);
  if (sourceIsFolder) {
    fs::create_directories(source);
#ifdef _WIN32
  } else if (fs::absolute(source).wstring().size() >= MAX_PATH) {
    WriteLong(folder, name.source, bytes);
#endif
  } else {
    fs::create_directories(source.parent_path());
    WriteBytes(source, bytes);
    ASSERT_TRUE(fs::is_regular_file(source)) << "the file system refuses the name";
  }
  const auto before = FolderEntries(folder);

  const ProgramRun run = StartConverter(parameters, folder);
  if (sourceIsFolder) {
    // Refused, naming exactly the name it was given.
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.error.find("«" + name.source + "»"), std::string::npos) << run.error;
    EXPECT_EQ(FolderEntries(folder), before);
  } else {
    EXPECT_EQ(run.exitCode, 0) << run.error;
    EXPECT_EQ(run.error, "");
    EXPECT_TRUE(HoldsTheTone(folder / PathOf(target)));
    EXPECT_EQ(FolderEntries(folder).size(), before.size() + 1);  // the target and nothing else
  }
  EXPECT_EQ(LeftoverTemporaries(folder), std::vector<std::string>{});
#ifdef _WIN32
  RemoveTree(Extended(folder));  // or the next run could not clear it
#endif
}

INSTANTIATE_TEST_SUITE_P(Table, HostileNames, testing::ValuesIn(NamesHere()),
                         [](const testing::TestParamInfo<HostileName>& info) { return info.param.label; });

}  // namespace
