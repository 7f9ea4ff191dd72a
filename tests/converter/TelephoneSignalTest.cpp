// The road from any WAV to the encoder's samples.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TelephoneSignal.h"

namespace {

TEST(TelephoneSignal, ClipsAndRoundsToSixteenBits) {
  const float in[] = {0.0f,
                      1.0f,
                      -1.0f,
                      2.5f,
                      -7.0f,
                      0.5f,
                      -0.5f,
                      1.0f / 32768,
                      0.6f / 32768,
                      -0.6f / 32768,
                      std::numeric_limits<float>::quiet_NaN(),
                      std::numeric_limits<float>::infinity(),
                      -std::numeric_limits<float>::infinity()};
  const int16_t expected[] = {0, 32767, -32768, 32767, -32768, 16384, -16384, 1, 1, -1, 0, 32767, -32768};
  int16_t out[std::size(in)];
  FloatsToShorts(in, std::size(in), out);
  for (size_t i = 0; i < std::size(in); ++i) EXPECT_EQ(out[i], expected[i]) << i;
}

TEST(TelephoneSignal, MixesChannelsToTheirMeanWithoutResamplingAt8000) {
  TelephoneSignal signal(8000, 3);
  const float frames[] = {0.3f, 0.3f, 0.3f, 1.0f, -1.0f, 0.0f, 0.9f, 0.9f, 0.9f};
  std::vector<int16_t> out;
  signal.Push(frames, 3, out);
  signal.Finish(out);
  ASSERT_EQ(out.size(), 3u);
  EXPECT_EQ(out[0], static_cast<int16_t>(std::lround(0.3 * 32768)));
  EXPECT_EQ(out[1], 0);
  EXPECT_EQ(out[2], static_cast<int16_t>(std::lround(0.9 * 32768)));
}

// A tone through the streaming resampler, pushed in uneven pieces: the
// length follows the rate ratio and the tone keeps its level.
TEST(TelephoneSignal, ResamplesInPiecesToTheRightLengthAndLevel) {
  for (int rate : {44100, 48000, 11025, 4000}) {
    SCOPED_TRACE(rate);
    TelephoneSignal signal(rate, 2);
    const size_t frames = static_cast<size_t>(rate) * 2;
    std::vector<float> stereo(frames * 2);
    for (size_t i = 0; i < frames; ++i) {
      stereo[2 * i] = stereo[2 * i + 1] = static_cast<float>(0.5 * std::sin(2 * 3.14159265358979 * 400.0 * i / rate));
    }
    std::vector<int16_t> out;
    for (size_t at = 0, piece = 1; at < frames; at += piece, piece = piece * 3 + 7) {
      signal.Push(stereo.data() + 2 * at, std::min(piece, frames - at), out);
    }
    signal.Finish(out);
    EXPECT_NEAR(static_cast<double>(out.size()), 16000.0, 2.0);
    double energy = 0;
    for (size_t i = 1000; i < 15000; ++i) energy += double(out[i]) * out[i];
    EXPECT_NEAR(std::sqrt(energy / 14000) / 32768, 0.5 / std::sqrt(2.0), 0.01);
  }
}

}  // namespace
