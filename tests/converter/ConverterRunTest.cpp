// The whole converter in-process, over files: refusals with their message
// and exit code, and nothing lost on the way.
#include <gtest/gtest.h>

#include <cmath>

#include "ConverterRun.h"
#include "Messages.h"
#include "ProgressLine.h"
#include "TestSupport.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

std::vector<uint8_t> SmallAmr() {
  std::vector<uint8_t> bytes = Bytes("#!AMR\n");
  for (int frame = 0; frame < 10; ++frame) {
    bytes.push_back(7 << 3 | 4);
    for (int i = 0; i < 31; ++i) bytes.push_back(static_cast<uint8_t>(frame * 31 + i));
  }
  return bytes;
}

const std::vector<uint8_t> kOldTarget = Bytes("the target as it was");

struct Case {
  const char* what;
  std::string operation;        // amr2wav or wav2amr
  std::vector<uint8_t> source;  // written as "in" unless missing
  bool sourceMissing;
  std::string target;  // relative to the folder
  bool targetExists;   // holds kOldTarget before the run
  int exitCode;
  std::string message;  // part of the error line
};

class ConverterRun : public testing::Test {
 protected:
  void SetUp() override { folder_ = ScratchFolder(); }

  int Run(std::vector<std::string> words, RecordingConsole& console) { return ConverterMain(words, console); }
  fs::path folder_;
};

TEST_F(ConverterRun, BadInputsFailWithTheirReasonAndLeaveNoTrace) {
  const std::string sep(1, fs::path::preferred_separator);
  const std::vector<Case> cases = {
      {"empty amr", "amr2wav", {}, false, "out.wav", true, 1, "не AMR-файл"},
      {"wrong magic", "amr2wav", Bytes("#!AMX\n123"), false, "out.wav", false, 1, "не AMR-файл"},
      {"3GP named .amr", "amr2wav",
       Bytes(std::string("\0\0\0\x14"
                         "ftyp3gp5",
                         12)),
       false, "out.wav", true, 1, "3GP/MP4"},
      {"reserved frame first", "amr2wav", Bytes("#!AMR\n\x4c\x01\x02"), false, "out.wav", true, 1, "повреждён"},
      {"truncated first frame", "amr2wav", Bytes("#!AMR\n\x3c\x01\x02"), false, "out.wav", false, 1, "повреждён"},
      {"text renamed to .wav", "wav2amr", Bytes("just some text\n"), false, "out.amr", true, 1, "не WAV-файл"},
      {"amr given as wav", "wav2amr", SmallAmr(), false, "out.amr", true, 1, "не WAV-файл, а файл AMR"},
      {"lying WAV header", "wav2amr", Bytes(std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\1\0\0\0", 24)), false,
       "out.amr", true, 1, "повреждён"},
      {"missing source", "amr2wav", {}, true, "out.wav", true, 1, "не найден"},
      {"missing target folder", "amr2wav", SmallAmr(), false, "nowhere" + sep + "out.wav", false, 1, "такой папки нет"},
      {"target folder is a file", "amr2wav", SmallAmr(), false, "in" + sep + "out.wav", false, 1, "такой папки нет"},
      {"target is a folder", "wav2amr", ToneWav(800), false, "sub", false, 1, "это папка"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path folder = folder_ / std::to_string(&c - cases.data());
    fs::create_directories(folder);
    if (!c.sourceMissing) WriteBytes(folder / "in", c.source);
    if (c.target == "sub") fs::create_directory(folder / "sub");
    if (c.targetExists) WriteBytes(folder / c.target, kOldTarget);
    const std::vector<std::string> before = FolderEntries(folder);

    std::vector<std::string> words{c.operation, Utf8(folder / "in"), Utf8(folder / c.target)};
    if (c.operation == "wav2amr") words.push_back("MR102");
    RecordingConsole console;
    EXPECT_EQ(Run(words, console), c.exitCode);
    EXPECT_NE(console.error.find(c.message), std::string::npos) << console.error;
    EXPECT_EQ(std::count(console.error.begin(), console.error.end(), '\n'), 1) << console.error;
    EXPECT_EQ(console.out, "");
    EXPECT_EQ(FolderEntries(folder), before);
    if (c.targetExists) {
      EXPECT_EQ(ReadBytes(folder / c.target), kOldTarget);
    }
  }
}

TEST_F(ConverterRun, UsageErrorsExitWithTwo) {
  for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
           {}, {"wav2amr", "a.wav", "b.amr", "MR100"}, {"amr2wav", "a", "b", "c"}, {"--bogus"}}) {
    RecordingConsole console;
    EXPECT_EQ(Run(words, console), 2);
    EXPECT_NE(console.error.find("Неверная командная строка"), std::string::npos);
  }
  RecordingConsole console;
  EXPECT_EQ(Run({"wav2amr", "a.wav", "b.amr", "MR100"}, console), 2);
  EXPECT_NE(console.error.find("«MR100»"), std::string::npos) << console.error;
}

TEST_F(ConverterRun, SourceAndTargetThatAreOneFileAreRefusedBeforeAnythingIsRead) {
  const fs::path voice = folder_ / "voice.amr";
  WriteBytes(voice, SmallAmr());
  fs::create_directory(folder_ / "sub");
  std::vector<std::pair<std::string, std::string>> pairs = {
      {Utf8(voice), Utf8(voice)},  // what the front end sends in the wrong direction
      {Utf8(voice), Utf8(folder_ / "." / "sub" / ".." / "voice.amr")},
  };
  std::error_code noLinks;
  fs::create_hard_link(voice, folder_ / "link.amr", noLinks);
  if (!noLinks) pairs.push_back({Utf8(voice), Utf8(folder_ / "link.amr")});
#ifdef _WIN32
  pairs.push_back({Utf8(voice), Utf8(folder_ / "VOICE.AMR")});
#endif
  for (const auto& [source, target] : pairs) {
    for (const char* operation : {"wav2amr", "amr2wav"}) {
      RecordingConsole console;
      std::vector<std::string> words{operation, source, target};
      if (std::string(operation) == "wav2amr") words.push_back("MR102");
      EXPECT_EQ(Run(words, console), 1) << target;
      EXPECT_NE(console.error.find("совпадают"), std::string::npos) << console.error;
      EXPECT_EQ(ReadBytes(voice), SmallAmr());
    }
  }
  EXPECT_EQ(FolderEntries(folder_).size(), noLinks ? 2u : 3u);
}

TEST_F(ConverterRun, SuccessReplacesAnExistingTargetAndLeavesNoTemporaryFile) {
  WriteBytes(folder_ / "in.wav", ToneWav(8000));
  WriteBytes(folder_ / "out.amr", kOldTarget);
  RecordingConsole console;
  EXPECT_EQ(Run({"wav2amr", Utf8(folder_ / "in.wav"), Utf8(folder_ / "out.amr"), "MR122"}, console), 0);
  EXPECT_EQ(console.error, "");
  const std::vector<uint8_t> amr = ReadBytes(folder_ / "out.amr");
  ASSERT_EQ(amr.size(), 6u + 50 * 32);  // 50 frames of 12.2 kbit/s
  EXPECT_EQ(std::string(amr.begin(), amr.begin() + 6), "#!AMR\n");
  EXPECT_EQ(FolderEntries(folder_), (std::vector<std::string>{"in.wav", "out.amr"}));
}

TEST_F(ConverterRun, ADamagedTailIsWarnedAboutWithItsTimeAndTheRestKept) {
  std::vector<uint8_t> amr = SmallAmr();
  amr.resize(amr.size() - 5);  // a phone that stopped mid-frame
  WriteBytes(folder_ / "call.amr", amr);
  RecordingConsole console;
  EXPECT_EQ(Run({"amr2wav", Utf8(folder_ / "call.amr"), Utf8(folder_ / "call.wav")}, console), 0);
  EXPECT_NE(console.error.find("«" + Utf8(folder_ / "call.amr") + "» обрывается на 0,18 с"), std::string::npos)
      << console.error;
  EXPECT_EQ(ReadWav(folder_ / "call.wav").samples.size(), 9u * 160);
  EXPECT_EQ(console.waits, 0);
}

TEST_F(ConverterRun, OnlyAFailureInAConsoleOfItsOwnWaitsForAKey) {
  WriteBytes(folder_ / "in.amr", SmallAmr());
  struct Case {
    bool ownConsole;
    std::string source;
    int waits;
  } cases[] = {{true, "in.amr", 0}, {true, "missing.amr", 1}, {false, "missing.amr", 0}};
  for (const Case& c : cases) {
    RecordingConsole console;
    console.ownConsole = c.ownConsole;
    Run({"amr2wav", Utf8(folder_ / c.source), Utf8(folder_ / "out.wav")}, console);
    EXPECT_EQ(console.waits, c.waits);
    EXPECT_EQ(console.error.find(kPressAnyKey) != std::string::npos, c.waits == 1);
  }
  RecordingConsole usage;
  usage.ownConsole = true;
  EXPECT_EQ(Run({"amr2wav"}, usage), 2);
  EXPECT_EQ(usage.waits, 1);
}

TEST_F(ConverterRun, HelpAndVersionGoToStandardOutput) {
  RecordingConsole help, version;
  EXPECT_EQ(Run({"--help"}, help), 0);
  EXPECT_NE(help.out.find("wav2amr ИСТОЧНИК ЦЕЛЬ РЕЖИМ"), std::string::npos);
  EXPECT_EQ(Run({"--version"}, version), 0);
  EXPECT_EQ(version.out.rfind("converter ", 0), 0u);
  EXPECT_EQ(help.error + version.error, "");
}

#ifndef _WIN32
// A write that fails halfway (here at a file size limit, which the system
// reports like a full disk) leaves neither a partial file nor a changed one.
TEST_F(ConverterRun, AWriteThatFailsHalfwayLeavesTheOldTarget) {
  const fs::path& folder = folder_;
  WriteBytes(folder / "in.wav", ToneWav(4000));
  WriteBytes(folder / "out.wav", Bytes("old"));
  RecordingConsole encoding;
  ASSERT_EQ(RunConverter({"wav2amr", Utf8(folder / "in.wav"), Utf8(folder / "in.amr"), "MR122"}, encoding), 0);
  const pid_t child = fork();
  if (child == 0) {
    const rlimit limit = {4096, 4096};  // the decoded WAV is 8044 bytes
    setrlimit(RLIMIT_FSIZE, &limit);
    signal(SIGXFSZ, SIG_IGN);
    RecordingConsole console;
    const int code = RunConverter({"amr2wav", Utf8(folder / "in.amr"), Utf8(folder / "out.wav")}, console);
    WriteBytes(folder / "message", Bytes(console.error));
    _exit(code);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  const std::vector<uint8_t> message = ReadBytes(folder / "message");
  EXPECT_EQ(std::string(message.begin(), message.end()),
            "Нельзя записать файл «" + Utf8(folder / "out.wav") + "»: на диске не хватает места.\n");
  EXPECT_EQ(ReadBytes(folder / "out.wav"), Bytes("old"));
  EXPECT_EQ(FolderEntries(folder), (std::vector<std::string>{"in.amr", "in.wav", "message", "out.wav"}));
}
#endif

#ifndef _WIN32
TEST_F(ConverterRun, AFolderThatCannotBeWrittenKeepsItsTarget) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
  WriteBytes(folder_ / "in.amr", SmallAmr());
  fs::create_directory(folder_ / "locked");
  WriteBytes(folder_ / "locked" / "out.wav", kOldTarget);
  fs::permissions(folder_ / "locked", fs::perms::owner_read | fs::perms::owner_exec);
  RecordingConsole console;
  EXPECT_EQ(Run({"amr2wav", Utf8(folder_ / "in.amr"), Utf8(folder_ / "locked" / "out.wav")}, console), 1);
  EXPECT_NE(console.error.find("нет доступа"), std::string::npos) << console.error;
  fs::permissions(folder_ / "locked", fs::perms::owner_all);
  EXPECT_EQ(ReadBytes(folder_ / "locked" / "out.wav"), kOldTarget);
  EXPECT_EQ(FolderEntries(folder_ / "locked"), (std::vector<std::string>{"out.wav"}));
}
#endif

}  // namespace

namespace {

TEST(ProgressLine, ShowsChangingPercentsOnATerminalOnlyAndTakesThemAway) {
  RecordingConsole terminal;
  terminal.terminal = true;
  ProgressLine shown(terminal, std::chrono::milliseconds(0));
  for (uint64_t done : {0, 1, 2, 50, 51, 100}) shown.Update(done, 200);
  shown.Clear();
  EXPECT_EQ(terminal.error, "\r  0%\r  1%\r 25%\r 50%\r    \r");

  RecordingConsole pipe;
  ProgressLine hidden(pipe, std::chrono::milliseconds(0));
  hidden.Update(50, 100);
  hidden.Clear();
  RecordingConsole quick;
  quick.terminal = true;
  ProgressLine late(quick);  // a conversion shorter than its delay shows nothing
  late.Update(50, 100);
  late.Clear();
  EXPECT_EQ(pipe.error + quick.error, "");
}

}  // namespace
