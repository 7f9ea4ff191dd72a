#include <gtest/gtest.h>

#include "ZarvoUnit1.h"

namespace {

struct NameCase {
  const char* path;
  bool withExtension;
  const char* expected;
};

TEST(ExtractNamePart, FollowsTheNameRules) {
  const NameCase cases[] = {
      {"C:\\Sound\\call.amr", true, "call.amr"},
      {"C:\\Sound\\call.amr", false, "call"},
      {"call.amr", false, "call"},
      {"C:\\Sound\\", true, ""},
      {"C:\\Sound\\", false, ""},
      {"", true, ""},
      {"", false, ""},
      {"talk.2009.amr", false, "talk.2009"},
      {".amr", false, ".amr"},
      {"noext", false, "noext"},
      {"C:\\my.files\\voice", false, "voice"},
      {"dir/voice.amr", true, "dir/voice.amr"},
      {"dir/voice.amr", false, "dir/voice"},
      {"voice.", false, "voice"},
      {"C:\\Звук\\запись.amr", false, "запись"},
      {"C:voice.amr", true, "C:voice.amr"},  // only the backslash separates names
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractNamePart(c.path, c.withExtension), c.expected)
        << "path '" << c.path << "' with extension " << c.withExtension;
  }
}

TEST(FolderOfPath, CutsAfterTheLastBackslashOrColon) {
  EXPECT_EQ(FolderOfPath("D:\\Tools\\Conv\\conv.exe"), "D:\\Tools\\Conv\\");
  EXPECT_EQ(FolderOfPath("D:conv.exe"), "D:");
  EXPECT_EQ(FolderOfPath("conv.exe"), "");
  EXPECT_EQ(FolderOfPath("\\\\server\\share\\conv.exe"), "\\\\server\\share\\");
  EXPECT_EQ(FolderOfPath("/usr/bin/conv", "/"), "/usr/bin/");
}

TEST(MakePChar, GivesTheWideTextCutAtTheFirstNul) {
  EXPECT_EQ(MakePChar("amr2wav a.amr a.wav"), L"amr2wav a.amr a.wav");
  EXPECT_EQ(MakePChar(std::string("ab\0cd", 5)), L"ab");
  EXPECT_EQ(MakePChar(""), L"");
  EXPECT_EQ(MakePChar("Выберите"), L"Выберите");
  EXPECT_EQ(MakePChar("x").c_str()[1], L'\0');
}

TEST(ProgramFolder, NamesTheFolderOfThisTestProgram) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
#ifdef _WIN32
  EXPECT_EQ(folder.back(), '\\');
#else
  EXPECT_EQ(folder.back(), '/');
  EXPECT_EQ(folder, std::string(TEST_BINARY_DIR) + "/");
#endif
}

}  // namespace
