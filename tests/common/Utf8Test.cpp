#include <gtest/gtest.h>

#include "Utf8.h"

namespace {

TEST(Utf8, RoundTripsEveryScript) {
  for (const char* text : {"", "plain", "Запись", "録音", "𝄞 clef", "ελληνικά", "עברית"}) {
    EXPECT_EQ(Utf8FromWide(WideFromUtf8(text)), text);
  }
  EXPECT_EQ(WideFromUtf8("Я"), std::wstring(1, static_cast<wchar_t>(0x042F)));
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
  const std::wstring replacement(1, static_cast<wchar_t>(0xFFFD));
  EXPECT_EQ(WideFromUtf8("\xFF"), replacement);
  EXPECT_EQ(WideFromUtf8("\xD0"), replacement);              // cut short
  EXPECT_EQ(WideFromUtf8("\xC0\xAF"), replacement + replacement);  // overlong
  EXPECT_EQ(WideFromUtf8("a\xE2\x82"), L"a" + replacement + replacement);
}

#ifdef _WIN32
TEST(Utf8, LoneSurrogatesSurviveTheRoundTrip) {
  const std::wstring lone = {L'a', static_cast<wchar_t>(0xD800), L'b', static_cast<wchar_t>(0xDC01)};
  EXPECT_EQ(WideFromUtf8(Utf8FromWide(lone)), lone);
  const std::wstring pair = {static_cast<wchar_t>(0xD834), static_cast<wchar_t>(0xDD1E)};
  EXPECT_EQ(Utf8FromWide(pair), "𝄞");
}
#endif

}  // namespace
