// Every cut and every single-bit flip of a valid WAV and a valid AMR file,
// through the conversion paths in memory: each one converts or fails with a
// ConversionFailure, and nothing else (the sanitize build adds the reports).
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "AmrToWav.h"
#include "ByteStreams.h"
#include "ConversionFailure.h"
#include "WavToAmr.h"

namespace {

std::vector<uint8_t> SpokenWav(size_t samples) {
  std::vector<uint8_t> wav(44 + samples * 2);
  const auto put32 = [&](size_t at, uint32_t v) { std::memcpy(&wav[at], &v, 4); };
  const auto put16 = [&](size_t at, uint16_t v) { std::memcpy(&wav[at], &v, 2); };
  std::memcpy(&wav[0], "RIFF", 4);
  put32(4, static_cast<uint32_t>(wav.size() - 8));
  std::memcpy(&wav[8], "WAVEfmt ", 8);
  put32(16, 16), put16(20, 1), put16(22, 1), put32(24, 8000), put32(28, 16000), put16(32, 2), put16(34, 16);
  std::memcpy(&wav[36], "data", 4);
  put32(40, static_cast<uint32_t>(samples * 2));
  for (size_t i = 0; i < samples; ++i) {
    const double t = i / 8000.0;
    double s = 0;
    for (int k = 1; k < 8; ++k) s += std::sin(2 * M_PI * 130 * k * t) / k;
    put16(44 + 2 * i, static_cast<uint16_t>(static_cast<int16_t>(8000 * std::sin(M_PI * 3 * t) * s)));
  }
  return wav;
}

enum class Path { WavToAmr, AmrToWav };

// Converts, swallowing the expected failures; anything else escapes.
void Convert(Path path, const std::vector<uint8_t>& bytes) {
  MemorySource source(bytes);
  MemorySink sink;
  try {
    if (path == Path::WavToAmr) {
      ConvertWavToAmr(source, "in.wav", sink, WavToAmrOptions{});
    } else {
      ConvertAmrToWav(source, "in.amr", sink, "out.wav");
    }
  } catch (const ConversionFailure&) {
  }
}

void Sweep(Path path, const std::vector<uint8_t>& valid, size_t cutLimit, size_t flipBytes) {
  for (size_t n = 0; n < std::min(valid.size(), cutLimit); ++n) {
    ASSERT_NO_THROW(Convert(path, std::vector<uint8_t>(valid.begin(), valid.begin() + n))) << "cut at " << n;
  }
  for (size_t at = 0; at < std::min(valid.size(), flipBytes); ++at) {
    for (int bit = 0; bit < 8; ++bit) {
      std::vector<uint8_t> flipped = valid;
      flipped[at] ^= static_cast<uint8_t>(1u << bit);
      ASSERT_NO_THROW(Convert(path, flipped)) << "bit " << bit << " of byte " << at;
    }
  }
}

TEST(InputSweep, EveryCutAndBitFlipOfAWav) { Sweep(Path::WavToAmr, SpokenWav(2400), 4096, 512); }

TEST(InputSweep, EveryCutAndBitFlipOfAnAmr) {
  MemorySource source(SpokenWav(8000));
  MemorySink amr;
  ConvertWavToAmr(source, "in.wav", amr, WavToAmrOptions{});
  Sweep(Path::AmrToWav, amr.bytes(), 4096, 512);
}

}  // namespace
