// Real speech (made by espeak-ng, shaped by SoX) through both directions,
// against SoX's own AMR encoding and decoding of it.
#include <gtest/gtest.h>

#include "ConverterRun.h"
#include "TestSupport.h"

namespace {

const char* const kModes[] = {"MR475", "MR515", "MR59", "MR67", "MR74", "MR795", "MR102", "MR122"};

class SpeechConversion : public testing::Test {
 protected:
  void SetUp() override {
    if (!HaveFixtures()) GTEST_SKIP() << "no speech fixtures (espeak-ng and sox are needed to make them)";
    folder_ = ScratchFolder();
  }

  // Converts with the whole converter, in-process; the target's path.
  fs::path Run(std::vector<std::string> words, const std::string& target) {
    RecordingConsole console;
    const fs::path path = folder_ / target;
    words.insert(words.begin() + 2, Utf8(path));
    EXPECT_EQ(RunConverter(words, console), 0) << console.error;
    EXPECT_EQ(console.error, "");
    return path;
  }
  fs::path Encode(const fs::path& wav, const std::string& mode, bool dtx = false) {
    std::vector<std::string> words{"wav2amr", Utf8(wav), mode};
    if (dtx) words.push_back("--dtx");
    return Run(words, "out-" + mode + (dtx ? "-dtx" : "") + ".amr");
  }
  Sound Decode(const fs::path& amr) { return ReadWav(Run({"amr2wav", Utf8(amr)}, "decoded.wav")); }

  static size_t WholeFrames(size_t samples) { return (samples + 159) / 160 * 160; }

  fs::path folder_;
};

// The codec is the reference one on both sides, and telephone-form input
// reaches it untouched, so the frames must match byte for byte.
TEST_F(SpeechConversion, EncodesLikeSoXByteForByteInEveryModeWithDtx) {
  for (int mode = 0; mode < 8; ++mode) {
    const fs::path ours = Encode(Fixture("speech-8k.wav"), kModes[mode], true);
    EXPECT_EQ(ReadBytes(ours), ReadBytes(Fixture("peer-mode" + std::to_string(mode) + ".amr"))) << kModes[mode];
  }
}

TEST_F(SpeechConversion, DecodesLikeSoXSampleForSample) {
  for (int mode = 0; mode < 8; ++mode) {
    const std::string peer = "peer-mode" + std::to_string(mode);
    const Sound ours = Decode(Fixture(peer + ".amr"));
    const Sound theirs = ReadWav(Fixture(peer + ".wav"));
    EXPECT_EQ(ours.rate, 8000);
    EXPECT_EQ(ours.samples, theirs.samples) << kModes[mode];
  }
}

TEST_F(SpeechConversion, RoundTripsInEveryModeKeepDurationAndFollowTheSpeech) {
  const Sound input = ReadWav(Fixture("speech-8k.wav"));
  for (const char* mode : kModes) {
    for (bool dtx : {false, true}) {
      SCOPED_TRACE(std::string(mode) + (dtx ? " dtx" : ""));
      const Sound output = Decode(Encode(Fixture("speech-8k.wav"), mode, dtx));
      EXPECT_EQ(output.samples.size(), WholeFrames(input.samples.size()));
      // The two lowest rates keep the least of the waveform.
      const bool lowest = std::string(mode) == "MR475" || std::string(mode) == "MR515";
      EXPECT_GT(BestCorrelation(input.samples, output.samples, 80), lowest ? 0.65 : 0.75);
    }
  }
}

TEST_F(SpeechConversion, EveryWavFormGivesTheSameSpeech) {
  const Sound reference = ReadWav(Fixture("speech-8k.wav"));
  // Within a frame of the reference; IMA ADPCM pads its last block of 505.
  const struct {
    const char* name;
    double slack;
  } forms[] = {{"speech-44k-stereo.wav", 160},
               {"speech-48k-float.wav", 160},
               {"speech-8k-u8.wav", 160},
               {"speech-8k-alaw.wav", 160},
               {"speech-8k-ulaw.wav", 160},
               {"speech-16k-extensible.wav", 160},
               {"speech-11k-ima.wav", 160 + 505 * 8000 / 11025},
               {"speech.wav", 160}};
  for (const auto& form : forms) {
    SCOPED_TRACE(form.name);
    const Sound output = Decode(Encode(Fixture(form.name), "MR102"));
    EXPECT_NEAR(static_cast<double>(output.samples.size()), static_cast<double>(reference.samples.size()), form.slack);
    EXPECT_GT(BestCorrelation(reference.samples, output.samples, 80), 0.75);
  }
}

}  // namespace
