// Two names for one file, given to the real program: refused before
// anything is read or written, the file left byte for byte and with its
// time, and the refusal said.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ConverterCommand.h"
#include "ConverterStart.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

const char kSameFileMessage[] = "Исходный и конечный файл совпадают: «";

struct SecondName {
  const char* label;
  // The other name for folder/voice.amr, or empty when it cannot be made here.
  std::string (*make)(const fs::path& folder);
};

std::string Native(const fs::path& path) { return Utf8(fs::path(path).make_preferred()); }

const SecondName kSecondNames[] = {
    {"Identical", [](const fs::path&) { return std::string("voice.amr"); }},
#ifdef _WIN32
    {"LetterCase", [](const fs::path&) { return std::string("VOICE.Amr"); }},
    {"DotPrefix", [](const fs::path&) { return std::string(".\\voice.amr"); }},
    {"FullPathInOtherCase",
     [](const fs::path& folder) { return Native(fs::path(CharUpperW(folder.wstring().data())) / "voice.amr"); }},
    {"HardLink",
     [](const fs::path& folder) {
       const bool made = CreateHardLinkW((folder / "hard.amr").c_str(), (folder / "voice.amr").c_str(), nullptr);
       return made ? std::string("hard.amr") : std::string();
     }},
    {"SymbolicLink",
     [](const fs::path& folder) {
       // Some systems answer success and make nothing: look for the link.
       CreateSymbolicLinkW((folder / "soft.amr").c_str(), L"voice.amr", SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
       const DWORD attributes = GetFileAttributesW((folder / "soft.amr").c_str());
       const bool made = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
       return made ? std::string("soft.amr") : std::string();
     }},
#else
    {"DotPrefix", [](const fs::path&) { return std::string("./voice.amr"); }},
    {"HardLink",
     [](const fs::path& folder) {
       return link((folder / "voice.amr").c_str(), (folder / "hard.amr").c_str()) == 0 ? std::string("hard.amr")
                                                                                       : std::string();
     }},
    {"SymbolicLink",
     [](const fs::path& folder) {
       return symlink("voice.amr", (folder / "soft.amr").c_str()) == 0 ? std::string("soft.amr") : std::string();
     }},
    {"LinkedFolder",
     [](const fs::path& folder) {
       return symlink(".", (folder / "here").c_str()) == 0 ? std::string("here/voice.amr") : std::string();
     }},
#endif
    {"FullPath", [](const fs::path& folder) { return Native(folder / "voice.amr"); }},
    {"ThroughTheParent",
     [](const fs::path& folder) { return Native(fs::path("..") / folder.filename() / "sub" / ".." / "voice.amr"); }},
};

// Test names say which row failed; the row itself as its label.
void PrintTo(const SecondName& row, std::ostream* out) { *out << row.label; }

class SameFile : public testing::TestWithParam<SecondName> {};

TEST_P(SameFile, IsRefusedAndTheFileIsUntouched) {
  const fs::path folder = ScratchFolder();
  const fs::path voice = folder / "voice.amr";
  WriteBytes(voice, ToneAmrBytes());
  fs::create_directory(folder / "sub");
  const auto time = fs::last_write_time(voice);
  const std::string other = GetParam().make(folder);
  if (other.empty()) GTEST_SKIP() << "the file system here cannot make this second name";
  const auto entries = FolderEntries(folder);

  // Both ways round, in both directions: with a source of voice.amr the
  // front end's "Wav в Amr" gives this very request.
  const std::pair<std::string, std::string> pairs[] = {{"voice.amr", other}, {other, "voice.amr"}};
  for (const auto& [source, target] : pairs) {
    for (const ConversionDirection direction : {ConversionDirection::WavToAmr, ConversionDirection::AmrToWav}) {
      const std::string parameters = BuildConverterCommand(direction, source, target);
      SCOPED_TRACE(parameters);
      const ProgramRun run = StartConverter(parameters, folder);
      EXPECT_EQ(run.exitCode, 1);
      EXPECT_EQ(run.error.rfind(kSameFileMessage, 0), 0u) << run.error;
      EXPECT_EQ(ReadBytes(voice), ToneAmrBytes());
      EXPECT_EQ(fs::last_write_time(voice), time);
      EXPECT_EQ(FolderEntries(folder), entries);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, SameFile, testing::ValuesIn(kSecondNames),
                         [](const testing::TestParamInfo<SecondName>& info) { return info.param.label; });

}  // namespace
