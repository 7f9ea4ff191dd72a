#include <gtest/gtest.h>

#include "CommandLine.h"
#include "ConverterCommand.h"

namespace {

using D = ConversionDirection;

TEST(TargetNameFor, DropsFolderAndExtensionAndAddsTheOther) {
  struct Case {
    const char* source;
    D direction;
    const char* target;
  } const cases[] = {
      {"voice.amr", D::AmrToWav, "voice.wav"},
      {"voice.wav", D::WavToAmr, "voice.amr"},
      {"voice.amr", D::WavToAmr, "voice.amr"},
      {"C:\\Sound\\voice.amr", D::AmrToWav, "voice.wav"},
      {"my file.wav", D::WavToAmr, "my file.amr"},
      {"", D::AmrToWav, ".wav"},
      {"", D::WavToAmr, ".amr"},
      {"C:\\Sound\\", D::AmrToWav, ".wav"},
      {".amr", D::AmrToWav, ".amr.wav"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TargetNameFor(c.source, c.direction), c.target) << c.source;
  }
}

TEST(BuildConverterCommand, JoinsOperationNamesAndMode) {
  EXPECT_EQ(BuildConverterCommand(D::AmrToWav, "voice.amr", "voice.wav"), "amr2wav voice.amr voice.wav");
  EXPECT_EQ(BuildConverterCommand(D::WavToAmr, "voice.wav", "voice.amr"), "wav2amr voice.wav voice.amr MR102");
  EXPECT_EQ(BuildConverterCommand(D::AmrToWav, "C:\\Sound\\voice.amr", "voice.wav"),
            "amr2wav C:\\Sound\\voice.amr voice.wav");
  // The target is taken as given, even when it names the source.
  EXPECT_EQ(BuildConverterCommand(D::WavToAmr, "voice.amr", "voice.wav"), "wav2amr voice.amr voice.wav MR102");
}

TEST(BuildConverterCommand, QuotesNamesWithBlanks) {
  EXPECT_EQ(BuildConverterCommand(D::WavToAmr, "my file.wav", "my file.amr"),
            "wav2amr \"my file.wav\" \"my file.amr\" MR102");
  EXPECT_EQ(BuildConverterCommand(D::AmrToWav, "a\tb.amr", "a\tb.wav"), "amr2wav \"a\tb.amr\" \"a\tb.wav\"");
}

TEST(QuoteArgument, DoublesOnlyBackslashesBeforeAQuote) {
  EXPECT_EQ(QuoteArgument("C:\\My Sound\\"), "\"C:\\My Sound\\\\\"");
  EXPECT_EQ(QuoteArgument("C:\\My Sound\\\\"), "\"C:\\My Sound\\\\\\\\\"");
  EXPECT_EQ(QuoteArgument("C:\\My Sound\\a.amr"), "\"C:\\My Sound\\a.amr\"");
  EXPECT_EQ(QuoteArgument("a\\\"b c"), "\"a\\\\\\\"b c\"");
  EXPECT_EQ(QuoteArgument("trailing\\"), "trailing\\");
  EXPECT_EQ(QuoteArgument(""), "\"\"");
}

TEST(BuildConverterCommand, SplitsBackIntoTheIntendedWords) {
  const char* names[] = {
      "voice.amr", "my file.wav", "C:\\My Sound\\", "a\\\\ b\\", "x\"y z", "\"", "\\\"", "-dash name",
      "Запись разговора.amr", "tab\there", "  lead", "trail  ", "a\\b\\c", "& ^ % !", "\\\\server\\share x\\",
  };
  for (const char* name : names) {
    const auto words = SplitArguments(BuildConverterCommand(D::WavToAmr, name, name));
    ASSERT_EQ(words.size(), 4u) << name;
    EXPECT_EQ(words[0], "wav2amr");
    EXPECT_EQ(words[1], name);
    EXPECT_EQ(words[2], name);
    EXPECT_EQ(words[3], "MR102");
  }
}

TEST(SplitArguments, ReadsLikeTheWindowsParser) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitArguments(""), V{});
  EXPECT_EQ(SplitArguments("  \t "), V{});
  EXPECT_EQ(SplitArguments("a  b\tc "), (V{"a", "b", "c"}));
  EXPECT_EQ(SplitArguments("\"a b\" c"), (V{"a b", "c"}));
  EXPECT_EQ(SplitArguments("a\\\\\\\"b"), V{"a\\\"b"});
  EXPECT_EQ(SplitArguments("a\\\\\"b c\""), V{"a\\b c"});
  EXPECT_EQ(SplitArguments("a\\b"), V{"a\\b"});
  EXPECT_EQ(SplitArguments("\"\""), V{""});
  EXPECT_EQ(SplitArguments("\"unclosed b"), V{"unclosed b"});
}

}  // namespace
