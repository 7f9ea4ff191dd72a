#include <gtest/gtest.h>

#include "ConverterArguments.h"

namespace {

using Action = ConverterRequest::Action;
using Kind = UsageProblem::Kind;

TEST(ConverterArguments, AcceptsTheFrontEndsRequestsAndTheOptions) {
  struct Case {
    std::vector<std::string> words;
    Action action;
    std::string source, target;
    AmrMode mode;
    bool dtx;
  } cases[] = {
      {{"amr2wav", "voice.amr", "voice.wav"}, Action::AmrToWav, "voice.amr", "voice.wav", AmrMode::MR102, false},
      {{"wav2amr", "voice.wav", "voice.amr", "MR102"},
       Action::WavToAmr,
       "voice.wav",
       "voice.amr",
       AmrMode::MR102,
       false},
      {{"wav2amr", "a.wav", "b.amr", "MR475", "--dtx"}, Action::WavToAmr, "a.wav", "b.amr", AmrMode::MR475, true},
      {{"--dtx", "wav2amr", "a.wav", "b.amr", "mr122"}, Action::WavToAmr, "a.wav", "b.amr", AmrMode::MR122, true},
      // Names that look like options stay names where a name stands.
      {{"amr2wav", "-x.amr", "--help"}, Action::AmrToWav, "-x.amr", "--help", AmrMode::MR102, false},
      {{"wav2amr", "--dtx", "-", "MR59"}, Action::WavToAmr, "--dtx", "-", AmrMode::MR59, false},
      {{"--help"}, Action::Help, "", "", AmrMode::MR102, false},
      {{"--version"}, Action::Version, "", "", AmrMode::MR102, false},
  };
  for (const Case& c : cases) {
    const ParsedArguments parsed = ParseConverterArguments(c.words);
    SCOPED_TRACE(c.words[0] + " " + (c.words.size() > 1 ? c.words[1] : ""));
    ASSERT_EQ(parsed.problem.kind, Kind::None) << parsed.problem.word;
    EXPECT_EQ(parsed.request.action, c.action);
    EXPECT_EQ(parsed.request.source, c.source);
    EXPECT_EQ(parsed.request.target, c.target);
    if (c.action == Action::WavToAmr) {
      EXPECT_EQ(parsed.request.mode, c.mode);
    }
    EXPECT_EQ(parsed.request.discontinuousTransmission, c.dtx);
  }
}

TEST(ConverterArguments, EveryModeNameIsKnown) {
  const char* names[] = {"MR475", "MR515", "MR59", "MR67", "MR74", "MR795", "MR102", "MR122"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(ParseAmrMode(names[i]), static_cast<AmrMode>(i)) << names[i];
  EXPECT_FALSE(ParseAmrMode("MR100"));
  EXPECT_FALSE(ParseAmrMode("MR1022"));
  EXPECT_FALSE(ParseAmrMode(""));
}

TEST(ConverterArguments, NamesEachUsageProblem) {
  struct Case {
    std::vector<std::string> words;
    Kind kind;
    std::string word;
  } cases[] = {
      {{}, Kind::NoOperation, ""},
      {{"mp3towav", "a", "b"}, Kind::UnknownOperation, "mp3towav"},
      {{"--fast", "amr2wav", "a", "b"}, Kind::UnknownOption, "--fast"},
      {{"amr2wav", "a.amr"}, Kind::MissingNames, ""},
      {{"wav2amr", "a.wav", "b.amr"}, Kind::MissingMode, ""},
      {{"wav2amr", "a.wav", "b.amr", "MR100"}, Kind::BadMode, "MR100"},
      // A name with a blank that reached us unquoted.
      {{"amr2wav", "my", "file.amr", "my file.wav"}, Kind::ExtraWords, "my file.wav"},
      {{"wav2amr", "a.wav", "b.amr", "MR102", "x"}, Kind::ExtraWords, "x"},
      {{"amr2wav", "a.amr", "b.wav", "--dtx"}, Kind::DtxWithoutEncoding, ""},
      {{"amr2wav", "a.amr", "b.wav", "--help"}, Kind::ExtraWords, "--help"},
  };
  for (const Case& c : cases) {
    const ParsedArguments parsed = ParseConverterArguments(c.words);
    EXPECT_EQ(parsed.problem.kind, c.kind) << (c.words.empty() ? "(none)" : c.words[0]);
    EXPECT_EQ(parsed.problem.word, c.word);
  }
}

}  // namespace
