#include "AmrToWav.h"

#include <vector>

#include "AmrDecoder.h"
#include "AmrFrameReader.h"
#include "ConversionFailure.h"
#include "FormatSniffer.h"
#include "WavWriter.h"

namespace {

AmrBand BandOf(ByteSource& source, const std::string& sourceName) {
  const FileKind kind = SniffFileKind(source);
  switch (kind) {
    case FileKind::AmrNarrow:
      source.Seek(kAmrNarrowMagic.size());
      return AmrBand::Narrow;
    case FileKind::AmrWide:
      source.Seek(kAmrWideMagic.size());
      return AmrBand::Wide;
    case FileKind::AmrMultichannel:
      throw ConversionFailure(FailureKind::UnsupportedAmr, sourceName);
    default:
      throw ConversionFailure(FailureKind::NotAmr, sourceName, std::string(DescribeFileKind(kind)));
  }
}

}  // namespace

AmrToWavOutcome ConvertAmrToWav(ByteSource& source, const std::string& sourceName, ByteSink& target,
                                const std::string& targetName, Progress* progress) {
  AmrToWavOutcome outcome{BandOf(source, sourceName), 0, std::nullopt};
  const size_t frameSamples = SamplesPerFrame(outcome.band);
  AmrFrameReader reader(source, outcome.band);
  AmrDecoder decoder(outcome.band);
  WavWriter wav(target, SampleRateOf(outcome.band), targetName);
  // Decoded in batches so that the sink sees few, large writes.
  constexpr size_t kBatchFrames = 250;
  std::vector<int16_t> samples(kBatchFrames * frameSamples);
  size_t inBatch = 0;
  const uint64_t total = source.Size();

  for (;;) {
    const AmrFrameReader::Step step = reader.Next();
    if (step == AmrFrameReader::Step::Frame) {
      decoder.Decode(reader.frame(), samples.data() + inBatch * frameSamples);
      if (++inBatch == kBatchFrames) {
        wav.Append(samples.data(), samples.size());
        inBatch = 0;
        if (progress != nullptr) progress->Update(source.Position(), total);
      }
      continue;
    }
    if (step != AmrFrameReader::Step::End) {
      const auto kind = step == AmrFrameReader::Step::Damaged ? AmrDamage::Kind::Damaged : AmrDamage::Kind::CutShort;
      if (reader.framesRead() == 0) throw ConversionFailure(FailureKind::DamagedAmr, sourceName);
      outcome.damage = AmrDamage{kind, reader.framesRead(), reader.framesRead() * 0.02};
    }
    break;
  }
  wav.Append(samples.data(), inBatch * frameSamples);
  wav.Finish();
  outcome.frames = reader.framesRead();
  return outcome;
}
