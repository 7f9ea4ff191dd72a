#include "WavToAmr.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include "AmrStorage.h"
#include "BlockQueue.h"
#include "ConversionFailure.h"
#include "TelephoneSignal.h"
#include "WavReader.h"

namespace {

// Encodes whole frames from `pending`, keeps the rest there for the next call.
class FrameEncoder {
 public:
  FrameEncoder(ByteSink& target, const WavToAmrOptions& options)
      : target_(target), encoder_(options.mode, options.discontinuousTransmission) {
    target_.Write(kAmrNarrowMagic.data(), kAmrNarrowMagic.size());
  }

  void EncodeWhole(std::vector<int16_t>& pending) {
    constexpr size_t n = AmrEncoder::kFrameSamples;
    const size_t whole = pending.size() / n;
    coded_.resize(whole * AmrEncoder::kLargestFrame);
    size_t size = 0;
    for (size_t i = 0; i < whole; ++i) size += encoder_.Encode(pending.data() + i * n, coded_.data() + size);
    target_.Write(coded_.data(), size);
    frames_ += whole;
    pending.erase(pending.begin(), pending.begin() + whole * n);
  }

  void EncodeLast(std::vector<int16_t>& pending) {
    if (pending.empty()) return;
    pending.resize(AmrEncoder::kFrameSamples, 0);
    EncodeWhole(pending);
  }

  uint64_t frames() const { return frames_; }

 private:
  ByteSink& target_;
  AmrEncoder encoder_;
  std::vector<uint8_t> coded_;
  uint64_t frames_ = 0;
};

struct SignalBlock {
  std::vector<int16_t> samples;
  uint64_t framesRead = 0;  // of the input, up to the end of this block
};

// The producing side: WAV frames through the TelephoneSignal, in blocks.
class SignalBlocks {
 public:
  SignalBlocks(WavReader& wav, TelephoneSignal& signal, size_t chunkFrames)
      : queue(4), thread_([this, &wav, &signal, chunkFrames] { Produce(wav, signal, chunkFrames); }) {}

  ~SignalBlocks() {
    if (!thread_.joinable()) return;
    queue.Stop();  // the encoding side failed: the reading side gives up
    thread_.join();
  }

  // A failure of the reading side, once the queue has run dry.
  void Rethrow() {
    thread_.join();
    if (failure_) std::rethrow_exception(failure_);
  }

  BlockQueue<SignalBlock> queue;

 private:
  void Produce(WavReader& wav, TelephoneSignal& signal, size_t chunkFrames) {
    try {
      std::vector<float> chunk(chunkFrames * static_cast<size_t>(wav.channels()));
      SignalBlock block;
      for (;;) {
        const size_t got = wav.ReadFloats(chunk.data(), chunkFrames);
        if (got == 0) break;
        block.samples.clear();
        signal.Push(chunk.data(), got, block.samples);
        block.framesRead += got;
        if (!queue.Push(block)) return;
      }
      block.samples.clear();
      signal.Finish(block.samples);
      queue.Push(std::move(block));
    } catch (...) {
      failure_ = std::current_exception();
    }
    queue.Finish();
  }

  std::exception_ptr failure_;
  std::thread thread_;  // last: it starts once everything above exists
};

}  // namespace

WavToAmrOutcome ConvertWavToAmr(ByteSource& source, const std::string& sourceName, ByteSink& target,
                                const WavToAmrOptions& options, Progress* progress) {
  WavReader wav(source, sourceName);
  FrameEncoder encoder(target, options);
  // About a megabyte a read whatever the channel count, and no more than
  // that after resampling from a very low rate: memory stays flat.
  const size_t channels = static_cast<size_t>(wav.channels());
  const size_t chunkFrames = std::max<size_t>(
      160, std::min<uint64_t>((size_t{1} << 18) / channels,
                              (uint64_t{1} << 18) * static_cast<uint64_t>(wav.sampleRate()) / TelephoneSignal::kRate));
  std::vector<int16_t> pending;
  pending.reserve(chunkFrames * 2);
  uint64_t done = 0;

  if (wav.IsTelephoneForm()) {
    // Taken as it is: no resampling and no dither, so the frames match any
    // other encoder built on the same codec.
    for (;;) {
      const size_t start = pending.size();
      pending.resize(start + chunkFrames);
      const size_t got = wav.ReadShorts(pending.data() + start, chunkFrames);
      pending.resize(start + got);
      if (got == 0) break;
      encoder.EncodeWhole(pending);
      done += got;
      if (progress != nullptr) progress->Update(done, wav.frames());
    }
  } else {
    // Reading, mixing and resampling run on a thread of their own beside
    // the encoder, which is most of the work; a few blocks in between
    // keep the memory flat.
    std::unique_ptr<TelephoneSignal> signal;
    try {
      signal = std::make_unique<TelephoneSignal>(wav.sampleRate(), wav.channels());
    } catch (const std::runtime_error&) {
      throw ConversionFailure(FailureKind::DamagedWav, sourceName, "sample rate");  // one the resampler refuses
    }
    SignalBlocks blocks(wav, *signal, chunkFrames);
    SignalBlock block;
    while (blocks.queue.Pop(block)) {
      pending.insert(pending.end(), block.samples.begin(), block.samples.end());
      encoder.EncodeWhole(pending);
      if (progress != nullptr) progress->Update(block.framesRead, wav.frames());
    }
    blocks.Rethrow();
  }
  encoder.EncodeWhole(pending);
  encoder.EncodeLast(pending);
  return {encoder.frames()};
}
