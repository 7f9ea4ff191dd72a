#pragma once
// Files, folders, sounds and program runs for the converter's tests.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Console.h"

namespace fs = std::filesystem;

// A fresh, empty folder of the running test's own.
fs::path ScratchFolder();
// A speech fixture; the test is skipped when fixtures could not be made.
fs::path Fixture(const std::string& name);
bool HaveFixtures();

std::string Utf8(const fs::path& path);
fs::path PathOf(const std::string& utf8);

std::vector<uint8_t> ReadBytes(const fs::path& path);
void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> Bytes(const std::string& text);
// An 8000 Hz mono 16-bit WAV of a plain tone.
std::vector<uint8_t> ToneWav(size_t samples);
// Names in a folder, sorted.
std::vector<std::string> FolderEntries(const fs::path& folder);

struct Sound {
  int rate = 0;
  std::vector<int16_t> samples;
};
Sound ReadWav(const fs::path& path);
Sound ReadWav(const std::vector<uint8_t>& bytes);

// The highest normalised cross-correlation over lags 0..maxLag (b late).
double BestCorrelation(const std::vector<int16_t>& a, const std::vector<int16_t>& b, size_t maxLag);

// Records everything; the console's answers are set by the test.
class RecordingConsole : public Console {
 public:
  void WriteOut(std::string_view utf8) override { out += utf8; }
  void WriteError(std::string_view utf8) override { error += utf8; }
  bool ErrorIsTerminal() const override { return terminal; }
  bool IsOwnConsole() const override { return ownConsole; }
  void WaitForKey() override { ++waits; }

  std::string out, error;
  bool terminal = false, ownConsole = false;
  int waits = 0;
};

struct ProgramRun {
  int exitCode = -1;
  std::string out, error;
};
// The real converter program, started in `folder` with these words.
ProgramRun RunConverterProgram(const std::vector<std::string>& words, const fs::path& folder);
