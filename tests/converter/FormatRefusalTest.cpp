// What users mislabel as .amr or .wav is refused, and named in the refusal.
#include <gtest/gtest.h>

#include "AmrToWav.h"
#include "ConversionFailure.h"
#include "Messages.h"
#include "TestSupport.h"
#include "WavToAmr.h"

namespace {

std::vector<uint8_t> Concat(std::initializer_list<std::string> parts) {
  std::string all;
  for (const std::string& part : parts) all += part;
  return Bytes(all);
}

std::string Le32(uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }
std::string Le16(uint16_t v) { return std::string{char(v), char(v >> 8)}; }

// A PCM WAV header with the fields given, and `data` bytes of samples.
std::vector<uint8_t> Wav(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits, size_t data) {
  const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  return Concat({"RIFF", Le32(static_cast<uint32_t>(36 + data)), "WAVEfmt ", Le32(16), Le16(format), Le16(channels),
                 Le32(rate), Le32(rate * align), Le16(align), Le16(bits), "data", Le32(static_cast<uint32_t>(data)),
                 std::string(data, '\x10')});
}

ConversionFailure Refusal(bool toWav, const std::vector<uint8_t>& bytes) {
  MemorySource source(bytes);
  MemorySink sink;
  try {
    if (toWav) {
      ConvertAmrToWav(source, "voice.amr", sink, "voice.wav");
    } else {
      ConvertWavToAmr(source, "voice.wav", sink, WavToAmrOptions{});
    }
  } catch (const ConversionFailure& failure) {
    return failure;
  }
  ADD_FAILURE() << "accepted";
  return ConversionFailure(FailureKind::SourceReadError, "");
}

const std::string kMp4Head = std::string("\0\0\0\x18", 4) + "ftyp3gp4\0\0\0\0" + "3gp4isom";

TEST(FormatRefusal, Amr2WavNamesWhatTheFileIsInstead) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    FailureKind kind;
    std::string named;  // in the message
  } cases[] = {
      {"empty", {}, FailureKind::NotAmr, "пустой файл"},
      {"text", Bytes("hello, this is not sound"), FailureKind::NotAmr, "не AMR-файл."},
      {"wrong magic", Bytes("#!AMX\n\x3c"), FailureKind::NotAmr, "не AMR-файл."},
      {"magic cut short", Bytes("#!AM"), FailureKind::NotAmr, "не AMR-файл."},
      {"3GP", Bytes(kMp4Head), FailureKind::NotAmr, "3GP/MP4"},
      {"multichannel", Bytes("#!AMR_MC1.0\n\0\0\0\1"), FailureKind::UnsupportedAmr, "многоканальный"},
      {"multichannel wide", Bytes("#!AMR-WB_MC1.0\n\0\0\0\1"), FailureKind::UnsupportedAmr, "многоканальный"},
      {"SILK", Bytes("#!SILK_V3\x0c\0"), FailureKind::NotAmr, "SILK"},
      {"SILK after a byte", Bytes("\x02#!SILK_V3"), FailureKind::NotAmr, "SILK"},
      {"MP3 with a tag", Bytes("ID3\x03\0\0\0\0\0\0"), FailureKind::NotAmr, "MP3"},
      {"MP3 frame", Bytes("\xFF\xFB\x90\x64\0\0"), FailureKind::NotAmr, "MP3"},
      {"Ogg", Bytes("OggS\0\2\0\0"), FailureKind::NotAmr, "Ogg"},
      {"WAV", Wav(1, 1, 8000, 16, 320), FailureKind::NotAmr, "WAV"},
  };
  for (const Case& c : cases) {
    const ConversionFailure failure = Refusal(true, c.bytes);
    EXPECT_EQ(failure.kind(), c.kind) << c.what;
    const std::string message = FailureMessage(failure);
    EXPECT_NE(message.find("«voice.amr»"), std::string::npos) << message;
    EXPECT_NE(message.find(c.named), std::string::npos) << c.what << ": " << message;
  }
}

TEST(FormatRefusal, Wav2AmrRefusesWhatIsNoWavOrLiesInItsHeader) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    FailureKind kind;
    std::string named;
  } cases[] = {
      {"empty", {}, FailureKind::NotWav, "пустой файл"},
      {"text renamed", Bytes("Dear diary,\nthis is text.\n"), FailureKind::NotWav, "не WAV-файл."},
      {"AMR", Bytes("#!AMR\n\x3c"), FailureKind::NotWav, "AMR"},
      {"3GP", Bytes(kMp4Head), FailureKind::NotWav, "3GP/MP4"},
      {"RIFF without fmt", Concat({"RIFF", Le32(4), "WAVE"}), FailureKind::DamagedWav, "повреждён"},
      {"no channels", Wav(1, 0, 8000, 16, 320), FailureKind::DamagedWav, "повреждён"},
      {"no sample rate", Wav(1, 1, 0, 16, 320), FailureKind::DamagedWav, "повреждён"},
      {"unknown encoding", Wav(0x7777, 1, 8000, 16, 320), FailureKind::DamagedWav, "повреждён"},
  };
  for (const Case& c : cases) {
    const ConversionFailure failure = Refusal(false, c.bytes);
    EXPECT_EQ(failure.kind(), c.kind) << c.what;
    const std::string message = FailureMessage(failure);
    EXPECT_NE(message.find("«voice.wav»"), std::string::npos) << message;
    EXPECT_NE(message.find(c.named), std::string::npos) << c.what << ": " << message;
  }
}

TEST(FormatRefusal, AWavWhoseDataChunkClaimsMoreThanThereIsGivesWhatThereIs) {
  std::vector<uint8_t> bytes = Wav(1, 1, 8000, 16, 3200);
  bytes[40] = 0xFF;  // data size far past the end
  bytes[41] = 0xFF;
  MemorySource source(bytes);
  MemorySink sink;
  EXPECT_EQ(ConvertWavToAmr(source, "voice.wav", sink, WavToAmrOptions{}).frames, 10u);
}

// The resampler's extremes: rates too low to carry speech are refused (a
// few bytes would become hours of sound), the lowest accepted one gives a
// length that follows the ratio, very high ones convert or are refused.
TEST(FormatRefusal, ExtremeSampleRatesConvertOrAreRefusedAsUnsupported) {
  for (uint32_t rate : {1u, 50u, 999u, 1000u, 2000000u, 0x7FFFFFFFu}) {
    SCOPED_TRACE(rate);
    MemorySource source(Wav(1, 1, rate, 16, 200));
    MemorySink sink;
    try {
      const WavToAmrOutcome outcome = ConvertWavToAmr(source, "voice.wav", sink, WavToAmrOptions{});
      EXPECT_GE(rate, 1000u);
      if (rate == 1000) {
        EXPECT_EQ(outcome.frames, (100u * 8 + 159) / 160);  // 200 bytes: 100 samples
      }
    } catch (const ConversionFailure& failure) {
      EXPECT_EQ(failure.kind(), FailureKind::DamagedWav);
      EXPECT_NE(rate, 1000u);
    }
  }
}

}  // namespace
