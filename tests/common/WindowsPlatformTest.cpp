// Runs under Wine: proves the Windows build against the real system calls.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include "CommandLine.h"
#include "ConverterCommand.h"
#include "Utf8.h"
#include "ZarvoUnit1.h"

namespace {

TEST(WindowsPlatform, ProgramFolderNamesTheFolderOfTheRunningProgram) {
  wchar_t path[MAX_PATH];
  ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_EQ(Utf8FromWide(path).rfind(folder, 0), 0u);
  EXPECT_EQ(GetFileAttributesW((WideFromUtf8(folder) + L"core_windows_tests.exe").c_str()) !=
                INVALID_FILE_ATTRIBUTES,
            true);
}

std::vector<std::string> SystemSplit(const std::string& parameters) {
  int count = 0;
  const std::wstring line = L"converter.exe " + MakePChar(parameters);
  wchar_t** words = CommandLineToArgvW(line.c_str(), &count);
  std::vector<std::string> result;
  for (int i = 1; i < count; ++i) result.push_back(Utf8FromWide(words[i]));
  LocalFree(words);
  return result;
}

TEST(WindowsPlatform, ParameterTextSplitsBackThroughCommandLineToArgvW) {
  const char* names[] = {"voice.amr", "my file.wav", "C:\\My Sound\\", "a\\\\ b\\", "x\"y z",
                         "Запись разговора.amr", "日本語 名前.wav", "-x", "& ^ % !.wav"};
  for (const char* name : names) {
    const std::string parameters = BuildConverterCommand(ConversionDirection::WavToAmr, name, name);
    const auto words = SystemSplit(parameters);
    EXPECT_EQ(words, (std::vector<std::string>{"wav2amr", name, name, "MR102"})) << parameters;
    EXPECT_EQ(words, SplitArguments(parameters)) << parameters;
  }
}

TEST(WindowsPlatform, OurSplitterAgreesWithTheSystemOnOddInput) {
  const char* lines[] = {"a\\\\\\\"b", "\"a\"\"b\"", "\"\"\"\"", "a\"b c\"d", "\\\\\"x y\\\\\"", "\"unclosed b",
                         "  x  ", "\"\" \"\"", "a\\\\\\b\"c d"};
  for (const char* line : lines) EXPECT_EQ(SystemSplit(line), SplitArguments(line)) << line;
}

}  // namespace
