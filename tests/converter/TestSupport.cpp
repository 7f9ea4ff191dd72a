#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "ByteStreams.h"
#include "ConversionFailure.h"
#include "WavReader.h"
#include "WavWriter.h"

#ifdef _WIN32
#include <windows.h>

#include "ConverterCommand.h"
#include "Utf8.h"
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

fs::path ScratchFolder() {
  const auto* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "." + test->name();
  std::replace(name.begin(), name.end(), '/', '_');
  const fs::path folder = fs::path(SCRATCH_DIR) / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

bool HaveFixtures() { return fs::exists(fs::path(FIXTURE_DIR) / ".complete"); }

fs::path Fixture(const std::string& name) { return fs::path(FIXTURE_DIR) / name; }

std::string Utf8(const fs::path& path) { return path.u8string(); }
fs::path PathOf(const std::string& utf8) { return fs::u8path(utf8); }

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

std::vector<uint8_t> ToneWav(size_t samples) {
  MemorySink sink;
  WavWriter wav(sink, 8000, "tone.wav");
  std::vector<int16_t> tone(samples);
  for (size_t i = 0; i < samples; ++i) tone[i] = static_cast<int16_t>(8000 * std::sin(i * 0.3));
  wav.Append(tone.data(), tone.size());
  wav.Finish();
  return sink.bytes();
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(Utf8(entry.path().filename()));
  std::sort(names.begin(), names.end());
  return names;
}

Sound ReadWav(const std::vector<uint8_t>& bytes) {
  MemorySource source(bytes);
  WavReader reader(source, "test");
  Sound sound;
  sound.rate = reader.sampleRate();
  EXPECT_EQ(reader.channels(), 1);
  sound.samples.resize(reader.frames());
  sound.samples.resize(reader.ReadShorts(sound.samples.data(), sound.samples.size()));
  return sound;
}

Sound ReadWav(const fs::path& path) { return ReadWav(ReadBytes(path)); }

double BestCorrelation(const std::vector<int16_t>& a, const std::vector<int16_t>& b, size_t maxLag) {
  double best = -1;
  for (size_t lag = 0; lag <= maxLag; ++lag) {
    const size_t n = std::min(a.size(), b.size() > lag ? b.size() - lag : 0);
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < n; ++i) {
      const double x = a[i], y = b[i + lag];
      ab += x * y;
      aa += x * x;
      bb += y * y;
    }
    if (aa > 0 && bb > 0) best = std::max(best, ab / std::sqrt(aa * bb));
  }
  return best;
}

#ifdef _WIN32

namespace {

std::string ReadAndRemove(const std::wstring& path) {
  std::ifstream in(fs::path(path), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), {});
  in.close();
  DeleteFileW(path.c_str());
  return text;
}

}  // namespace

ProgramRun RunConverterProgram(const std::vector<std::string>& words, const fs::path& folder) {
  std::wstring program = fs::path(CONVERTER_PROGRAM).make_preferred().wstring();
  std::string line = QuoteArgument(Utf8(fs::path(program)));
  for (const std::string& word : words) line += " " + QuoteArgument(word);
  std::wstring commandLine = WideFromUtf8(line);

  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  const std::wstring outPath = (folder / "..stdout").wstring(), errorPath = (folder / "..stderr").wstring();
  HANDLE out = CreateFileW(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  HANDLE error = CreateFileW(errorPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = nullptr;
  startup.hStdOutput = out;
  startup.hStdError = error;
  PROCESS_INFORMATION process = {};
  ProgramRun run;
  // Detached: no console, so a failure cannot wait for a key.
  if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr,
                     folder.wstring().c_str(), &startup, &process)) {
    WaitForSingleObject(process.hProcess, 120000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    run.exitCode = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(out);
  CloseHandle(error);
  run.out = ReadAndRemove(outPath);
  run.error = ReadAndRemove(errorPath);
  return run;
}

#else

ProgramRun RunConverterProgram(const std::vector<std::string>& words, const fs::path& folder) {
  const fs::path outPath = folder / "..stdout", errorPath = folder / "..stderr";
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0 || !freopen(outPath.c_str(), "w", stdout) ||
        !freopen(errorPath.c_str(), "w", stderr)) {
      _exit(127);
    }
    std::vector<char*> argv{const_cast<char*>(CONVERTER_PROGRAM)};
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    execv(CONVERTER_PROGRAM, argv.data());
    _exit(127);
  }
  ProgramRun run;
  int status = 0;
  if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  const auto text = [](const fs::path& path) {
    const std::vector<uint8_t> bytes = ReadBytes(path);
    fs::remove(path);
    return std::string(bytes.begin(), bytes.end());
  };
  run.out = text(outPath);
  run.error = text(errorPath);
  return run;
}

#endif
