// The system's limit for a command line, which the front end keeps: up to
// it a request reaches the converter whole; past it the shell refuses or,
// worse, starts the converter with the line cut (another target name).
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "ConverterCommand.h"
#include "TestSupport.h"
#include "Utf8.h"

namespace {

// What the recording stand-in wrote: its folder, then one argument a line.
std::vector<std::string> ReceivedArguments(const fs::path& folder) {
  std::ifstream in(folder / "received.txt", std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  if (!lines.empty()) lines.erase(lines.begin());
  return lines;
}

bool AppearsWithin(const fs::path& file, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < deadline) {
    if (fs::exists(file)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return fs::exists(file);
}

// The longest command line, its NUL included, that the front end sends.
constexpr size_t kLongestCommandLine = 32767;

struct Length {
  const char* label;
  int overTheLimit;  // characters of the whole command line past the longest one
};

const Length kLengths[] = {
    {"WellWithin", -16000},
    {"TheLongest", 0},
    {"OneMore", 1},
    {"TwiceTheLimit", 32000},  // what a 32000-character source field gives
};

void PrintTo(const Length& row, std::ostream* out) { *out << row.label; }

class ShellLimit : public testing::TestWithParam<Length> {};

TEST_P(ShellLimit, TheLongestRequestRunsWholeAndALongerOneNeverDoes) {
  const fs::path folder = ScratchFolder();
  fs::copy_file(RECORDING_CONVERTER, folder / "converter.exe");
  const std::wstring program = (folder / "converter.exe").wstring(), directory = folder.wstring();
  // The shell's line: the quoted program, a blank, the parameters, a NUL;
  // "amr2wav N.amr N.wav" with a name N of n letters takes 2n + 17, and
  // one more with ".amrx" in place of ".amr".
  const size_t wanted = kLongestCommandLine + GetParam().overTheLimit - program.size() - 4;
  const size_t n = (wanted - 17) / 2;
  const std::string source = std::string(n, 'n') + ((wanted - 17) % 2 ? ".amrx" : ".amr");
  const std::string target = TargetNameFor(source, ConversionDirection::AmrToWav);
  const std::wstring parameters = WideFromUtf8(BuildConverterCommand(ConversionDirection::AmrToWav, source, target));
  ASSERT_EQ(parameters.size(), wanted);
  const std::vector<std::string> words{"amr2wav", source, target};

  const auto answer = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, nullptr, program.c_str(), parameters.c_str(), directory.c_str(), SW_HIDE));
  if (GetParam().overTheLimit <= 0) {
    EXPECT_GT(answer, 32);
    ASSERT_TRUE(AppearsWithin(folder / "received.txt", 30));
    EXPECT_EQ(ReceivedArguments(folder), words);
  } else if (answer > 32 && AppearsWithin(folder / "received.txt", 5)) {
    // Started after all: then with a line cut short, which is why the
    // front end sends none this long.
    EXPECT_NE(ReceivedArguments(folder), words);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ShellLimit, testing::ValuesIn(kLengths),
                         [](const testing::TestParamInfo<Length>& info) { return info.param.label; });

}  // namespace
