// The WAV input path from memory (libsndfile's virtual I/O), then mixing,
// resampling and encoding, at a mode and DTX setting taken from the input's
// size so that every mode is reached.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ByteStreams.h"
#include "ConversionFailure.h"
#include "WavToAmr.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemorySource source(std::vector<uint8_t>(data, data + size));
  MemorySink target;
  WavToAmrOptions options;
  options.mode = static_cast<AmrMode>(size % 8);
  options.discontinuousTransmission = (size / 8) % 2 == 1;
  try {
    ConvertWavToAmr(source, "fuzz.wav", target, options);
    if (target.bytes().size() < 6 || std::memcmp(target.bytes().data(), "#!AMR\n", 6) != 0) abort();
  } catch (const ConversionFailure&) {
  }
  return 0;
}
