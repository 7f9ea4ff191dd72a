#include "ConverterStart.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "AmrEncoder.h"
#include "ByteStreams.h"
#include "WavToAmr.h"

#ifdef _WIN32
#include <windows.h>

#include "Utf8.h"
#include "ZarvoUnit1.h"
#else
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CommandLine.h"
#endif

namespace fs = std::filesystem;

namespace {

constexpr int kWaitSeconds = 60;

std::string TakeText(const fs::path& path) {
  const std::vector<uint8_t> bytes = ReadBytes(path);
  fs::remove(path);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

#ifdef _WIN32

ProgramRun StartConverter(const std::string& parameters, const fs::path& folder) {
  // Beside the folder, not in it: the tests compare the folder's entries.
  const fs::path outPath = folder.parent_path() / (folder.filename().wstring() + L".stdout");
  const fs::path errorPath = folder.parent_path() / (folder.filename().wstring() + L".stderr");
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  const HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  const HANDLE error =
      CreateFileW(errorPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out;
  startup.hStdError = error;
  PROCESS_INFORMATION process = {};
  const std::wstring program = fs::path(CONVERTER_PROGRAM).make_preferred().wstring();
  std::wstring commandLine = L"converter.exe " + MakePChar(parameters);
  ProgramRun run;
  // Detached: no console of its own, so a failure does not wait for a key.
  if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                     folder.wstring().c_str(), &startup, &process)) {
    if (WaitForSingleObject(process.hProcess, kWaitSeconds * 1000) == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process.hProcess, &code);
      run.exitCode = static_cast<int>(code);
    } else {
      TerminateProcess(process.hProcess, 99);
      WaitForSingleObject(process.hProcess, 10000);
      run.exitCode = -2;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(out);
  CloseHandle(error);
  run.out = TakeText(outPath);
  run.error = TakeText(errorPath);
  return run;
}

#else

ProgramRun StartConverter(const std::string& parameters, const fs::path& folder) {
  const fs::path outPath = folder.string() + ".stdout", errorPath = folder.string() + ".stderr";
  std::vector<std::string> words = SplitArguments(parameters);
  std::vector<char*> argv{const_cast<char*>("converter")};
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0 || !freopen(outPath.c_str(), "w", stdout) ||
        !freopen(errorPath.c_str(), "w", stderr)) {
      _exit(127);
    }
    execv(CONVERTER_PROGRAM, argv.data());
    _exit(127);
  }
  ProgramRun run;
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kWaitSeconds);
  while (child > 0) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) {
      if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
      break;
    }
    if (done < 0) break;
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      run.exitCode = -2;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  run.out = TakeText(outPath);
  run.error = TakeText(errorPath);
  return run;
}

#endif

std::vector<uint8_t> ToneAmrBytes() {
  MemorySource source(ToneWav(kToneSamples));
  MemorySink sink;
  ConvertWavToAmr(source, "tone.wav", sink, WavToAmrOptions{});
  return sink.bytes();
}

::testing::AssertionResult HoldsTheTone(const fs::path& path) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return ::testing::AssertionFailure() << "no file " << Utf8(path);
  const std::string name = Utf8(path.filename());
  if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".wav") == 0) {
    const Sound sound = ReadWav(path);
    if (sound.rate == 8000 && sound.samples.size() == kToneSamples) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "a WAV of " << sound.samples.size() << " samples at " << sound.rate;
  }
  const std::vector<uint8_t> bytes = ReadBytes(path);
  const size_t frames = kToneSamples / 160, frameBytes = 27;  // MR102
  if (bytes.size() == 6 + frames * frameBytes && std::string(bytes.begin(), bytes.begin() + 6) == "#!AMR\n") {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "not the tone's AMR: " << bytes.size() << " bytes";
}

std::vector<std::string> LeftoverTemporaries(const fs::path& folder) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() == ".tmp") found.push_back(Utf8(entry.path().filename()));
  }
  return found;
}
