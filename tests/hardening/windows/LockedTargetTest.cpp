// A file held open by another program (a player, an editor) in a way that
// forbids replacing it: the conversion fails with its reason, and neither
// the held file nor the folder changes.
#include <gtest/gtest.h>
#include <windows.h>

#include "ConverterStart.h"

namespace {

const std::vector<uint8_t> kOldTarget = Bytes("the target as it was");

struct Lock {
  const char* label;
  bool onTarget;  // else on the source
  DWORD share;
  const char* message;  // what the error line holds
};

const Lock kLocks[] = {
    {"TargetSharingNothing", true, 0, "Нельзя записать файл «out.amr»: нет доступа (или он занят другой программой)."},
    {"TargetSharingReading", true, FILE_SHARE_READ, "Нельзя записать файл «out.amr»: нет доступа"},
    {"TargetSharingReadingAndWriting", true, FILE_SHARE_READ | FILE_SHARE_WRITE,
     "Нельзя записать файл «out.amr»: нет доступа"},
    {"SourceSharingNothing", false, 0, "Нет доступа к файлу «in.wav» (или он занят другой программой)."},
};

// Test names say which row failed; the row itself as its label.
void PrintTo(const Lock& row, std::ostream* out) { *out << row.label; }

class LockedFile : public testing::TestWithParam<Lock> {};

TEST_P(LockedFile, FailsWithItsReasonAndChangesNothing) {
  const Lock& lock = GetParam();
  const fs::path folder = ScratchFolder();
  WriteBytes(folder / "in.wav", ToneWav(kToneSamples));
  WriteBytes(folder / "out.amr", kOldTarget);
  const auto entries = FolderEntries(folder);
  const fs::path held = folder / (lock.onTarget ? "out.amr" : "in.wav");
  const HANDLE handle =
      CreateFileW(held.c_str(), GENERIC_READ, lock.share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);

  const ProgramRun run = StartConverter("wav2amr in.wav out.amr MR102", folder);
  // Checked while the file is still held: nothing may have slipped past it.
  EXPECT_EQ(FolderEntries(folder), entries);
  CloseHandle(handle);

  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.error.find(lock.message), std::string::npos) << run.error;
  EXPECT_EQ(ReadBytes(folder / "out.amr"), kOldTarget);
  EXPECT_EQ(FolderEntries(folder), entries);

  // Once let go, the same request goes through.
  const ProgramRun again = StartConverter("wav2amr in.wav out.amr MR102", folder);
  EXPECT_EQ(again.exitCode, 0) << again.error;
  EXPECT_TRUE(HoldsTheTone(folder / "out.amr"));
}

INSTANTIATE_TEST_SUITE_P(Table, LockedFile, testing::ValuesIn(kLocks),
                         [](const testing::TestParamInfo<Lock>& info) { return info.param.label; });

}  // namespace
