// AMR storage streams made byte by byte: every frame type, the quality bit,
// and the damage that phone recordings come with.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "AmrToWav.h"
#include "ConversionFailure.h"
#include "TestSupport.h"

namespace {

constexpr int kNarrowPayload[16] = {12, 13, 15, 17, 19, 20, 26, 31, 5, -1, -1, -1, -1, -1, -1, 0};
constexpr int kWidePayload[16] = {17, 23, 32, 36, 40, 46, 50, 58, 60, 5, -1, -1, -1, -1, 0, 0};

// Frames with random payloads; the decoders take any bits.
class StreamMaker {
 public:
  explicit StreamMaker(AmrBand band) : band_(band) {
    const std::string magic = band == AmrBand::Narrow ? "#!AMR\n" : "#!AMR-WB\n";
    bytes.assign(magic.begin(), magic.end());
  }
  StreamMaker& Frame(int type, bool good = true) {
    bytes.push_back(static_cast<uint8_t>(type << 3 | (good ? 4 : 0)));
    const int payload = (band_ == AmrBand::Narrow ? kNarrowPayload : kWidePayload)[type];
    for (int i = 0; i < payload; ++i) bytes.push_back(static_cast<uint8_t>(random_()));
    return *this;
  }
  StreamMaker& Raw(std::vector<uint8_t> more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
    return *this;
  }
  std::vector<uint8_t> bytes;

 private:
  AmrBand band_;
  std::mt19937 random_{7};
};

struct Decoded {
  AmrToWavOutcome outcome;
  Sound sound;
};

Decoded Decode(const std::vector<uint8_t>& stream) {
  MemorySource source(stream);
  MemorySink sink;
  Decoded decoded{ConvertAmrToWav(source, "in.amr", sink, "out.wav"), {}};
  decoded.sound = ReadWav(sink.bytes());
  return decoded;
}

FailureKind FailureOf(const std::vector<uint8_t>& stream) {
  MemorySource source(stream);
  MemorySink sink;
  try {
    ConvertAmrToWav(source, "in.amr", sink, "out.wav");
  } catch (const ConversionFailure& failure) {
    return failure.kind();
  }
  ADD_FAILURE() << "no failure";
  return FailureKind::SourceReadError;
}

TEST(AmrStream, EveryFrameTypeKeepsTheTimelineWhole) {
  StreamMaker narrow(AmrBand::Narrow);
  for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 8, 15, 7, 7}) narrow.Frame(type);
  narrow.Frame(7, false).Frame(8, false).Frame(15, false);
  const Decoded nb = Decode(narrow.bytes);
  EXPECT_EQ(nb.outcome.frames, 15u);
  EXPECT_FALSE(nb.outcome.damage);
  EXPECT_EQ(nb.sound.rate, 8000);
  EXPECT_EQ(nb.sound.samples.size(), 15u * 160);

  StreamMaker wide(AmrBand::Wide);
  for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15}) wide.Frame(type);
  wide.Frame(8, false);
  const Decoded wb = Decode(wide.bytes);
  EXPECT_EQ(wb.outcome.band, AmrBand::Wide);
  EXPECT_EQ(wb.outcome.frames, 13u);
  EXPECT_FALSE(wb.outcome.damage);
  EXPECT_EQ(wb.sound.rate, 16000);
  EXPECT_EQ(wb.sound.samples.size(), 13u * 320);
}

TEST(AmrStream, AFrameWithItsQualityBitClearIsConcealedNotPlayed) {
  for (AmrBand band : {AmrBand::Narrow, AmrBand::Wide}) {
    const int type = band == AmrBand::Narrow ? 7 : 8;
    StreamMaker good(band), bad(band);
    for (int i = 0; i < 20; ++i) good.Frame(type);
    for (int i = 0; i < 20; ++i) bad.Frame(type, i != 10);
    const auto a = Decode(good.bytes).sound.samples, b = Decode(bad.bytes).sound.samples;
    ASSERT_EQ(a.size(), b.size());
    const size_t frame = SamplesPerFrame(band);
    EXPECT_TRUE(std::equal(a.begin(), a.begin() + 10 * frame, b.begin()));
    EXPECT_FALSE(std::equal(a.begin() + 10 * frame, a.begin() + 11 * frame, b.begin() + 10 * frame));
  }
}

TEST(AmrStream, DamageAfterTheFirstFrameKeepsWhatCameBefore) {
  struct Case {
    const char* what;
    std::vector<uint8_t> tail;
    AmrDamage::Kind kind;
  } cases[] = {
      {"reserved type 9", {9 << 3 | 4, 1, 2, 3}, AmrDamage::Kind::Damaged},
      {"reserved type 14", {14 << 3 | 4}, AmrDamage::Kind::Damaged},
      {"high padding bit", {0x80 | 7 << 3 | 4}, AmrDamage::Kind::Damaged},
      {"low padding bit", {7 << 3 | 4 | 1}, AmrDamage::Kind::Damaged},
      {"cut inside a frame", {7 << 3 | 4, 1, 2, 3, 4, 5}, AmrDamage::Kind::CutShort},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StreamMaker stream(AmrBand::Narrow);
    for (int i = 0; i < 50; ++i) stream.Frame(7);
    stream.Raw(c.tail);
    if (c.kind == AmrDamage::Kind::Damaged) stream.Frame(7);  // nothing after the damage counts
    const Decoded decoded = Decode(stream.bytes);
    ASSERT_TRUE(decoded.outcome.damage);
    EXPECT_EQ(decoded.outcome.damage->kind, c.kind);
    EXPECT_EQ(decoded.outcome.damage->atFrame, 50u);
    EXPECT_DOUBLE_EQ(decoded.outcome.damage->atSeconds, 1.0);
    EXPECT_EQ(decoded.sound.samples.size(), 50u * 160);
  }
  StreamMaker wide(AmrBand::Wide);
  const Decoded wb = Decode(wide.Frame(2).Raw({11 << 3 | 4}).bytes);
  ASSERT_TRUE(wb.outcome.damage);
  EXPECT_EQ(wb.sound.samples.size(), 320u);
}

TEST(AmrStream, DamageBeforeTheFirstFrameIsAFailureButTheMagicAloneIsEmpty) {
  for (int type = 9; type <= 14; ++type) {
    EXPECT_EQ(FailureOf(StreamMaker(AmrBand::Narrow).Raw({static_cast<uint8_t>(type << 3 | 4)}).bytes),
              FailureKind::DamagedAmr);
  }
  EXPECT_EQ(FailureOf(StreamMaker(AmrBand::Narrow).Raw({0x80 | 4}).bytes), FailureKind::DamagedAmr);
  EXPECT_EQ(FailureOf(StreamMaker(AmrBand::Narrow).Raw({7 << 3 | 4, 1, 2}).bytes), FailureKind::DamagedAmr);
  EXPECT_EQ(FailureOf(StreamMaker(AmrBand::Wide).Raw({12 << 3 | 4}).bytes), FailureKind::DamagedAmr);

  for (AmrBand band : {AmrBand::Narrow, AmrBand::Wide}) {
    MemorySource source(StreamMaker(band).bytes);
    MemorySink sink;
    const AmrToWavOutcome outcome = ConvertAmrToWav(source, "in.amr", sink, "out.wav");
    EXPECT_EQ(outcome.frames, 0u);
    EXPECT_FALSE(outcome.damage);
    EXPECT_EQ(sink.bytes().size(), 44u);
    EXPECT_EQ(ReadWav(sink.bytes()).samples.size(), 0u);
  }
}

#ifdef SOX_PROGRAM
// The peer decodes with the same codec and ignores the quality bit, so with
// every bit set the samples must agree exactly.
TEST(AmrStream, DecodesLikeSoXWhenEveryQualityBitIsSet) {
  const fs::path folder = ScratchFolder();
  for (AmrBand band : {AmrBand::Narrow, AmrBand::Wide}) {
    StreamMaker stream(band);
    for (int i = 0; i < 300; ++i) stream.Frame(band == AmrBand::Narrow ? i % 9 : i % 10);
    stream.Frame(15);
    const fs::path amr = folder / "crafted.amr", peer = folder / "peer.wav";
    WriteBytes(amr, stream.bytes);
    const std::string command = std::string(SOX_PROGRAM) + " -t " + (band == AmrBand::Narrow ? "amr-nb " : "amr-wb ") +
                                amr.string() + " -b 16 " + peer.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Decode(stream.bytes).sound.samples, ReadWav(peer).samples);
  }
}
#endif

}  // namespace
