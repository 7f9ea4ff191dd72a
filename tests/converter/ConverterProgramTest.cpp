// The real program, started with a real command line: names with blanks,
// Cyrillic names and names beginning with "-", relative to its folder.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

TEST(ConverterProgram, ConvertsNamesWithBlanksCyrillicAndLeadingDashesBothWays) {
  const fs::path folder = ScratchFolder();
  const char* const names[][2] = {
      {"my voice.wav", "my voice.amr"},
      {"Запись разговора.wav", "Запись разговора.amr"},
      {"-x.wav", "--help"},
      {"\"quoted\" name.wav", "a\\b c.amr"},
  };
  for (const auto& [wav, amr] : names) {
#ifdef _WIN32
    if (std::string(wav).find('"') != std::string::npos) continue;  // no such names on Windows
#endif
    SCOPED_TRACE(wav);
    WriteBytes(folder / PathOf(wav), ToneWav(4000));
    const ProgramRun encode = RunConverterProgram({"wav2amr", wav, amr, "MR102"}, folder);
    EXPECT_EQ(encode.exitCode, 0) << encode.error;
    EXPECT_EQ(encode.error, "");
    EXPECT_EQ(ReadBytes(folder / PathOf(amr)).size(), 6u + 25 * 27);  // 25 frames of 10.2 kbit/s

    const std::string back = std::string("назад ") + wav;
    const ProgramRun decode = RunConverterProgram({"amr2wav", amr, back}, folder);
    EXPECT_EQ(decode.exitCode, 0) << decode.error;
    EXPECT_EQ(ReadWav(folder / PathOf(back)).samples.size(), 4000u);
  }
}

TEST(ConverterProgram, ExitCodesAndMessagesReachTheCaller) {
  const fs::path folder = ScratchFolder();
  const ProgramRun missing = RunConverterProgram({"amr2wav", "нет такого.amr", "x.wav"}, folder);
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.error, "Файл «нет такого.amr» не найден.\n");  // UTF-8 into a file or a pipe

  const ProgramRun usage = RunConverterProgram({"wav2amr", "a.wav", "b.amr", "MR999"}, folder);
  EXPECT_EQ(usage.exitCode, 2);
  EXPECT_NE(usage.error.find("«MR999»"), std::string::npos);

  const ProgramRun help = RunConverterProgram({"--help"}, folder);
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("amr2wav"), std::string::npos);
  EXPECT_TRUE(FolderEntries(folder).empty());
}

}  // namespace
