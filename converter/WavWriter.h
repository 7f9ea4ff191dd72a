#pragma once
// A 16-bit PCM mono WAV, streamed: the header goes first with its sizes
// open and gets them when the last sample is in.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ByteStreams.h"

class WavWriter {
 public:
  // targetName only names the file in a failure.
  WavWriter(ByteSink& sink, int sampleRate, std::string targetName);

  void Append(const int16_t* samples, size_t count);
  void Finish();
  uint64_t samplesWritten() const { return dataBytes_ / 2; }

 private:
  ByteSink& sink_;
  std::string targetName_;
  uint64_t dataBytes_ = 0;
};
