// The AMR reader and decoding path, from memory, as amr2wav runs it: any
// bytes give either a WAV or a ConversionFailure, never a crash or a hang.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "AmrToWav.h"
#include "ByteStreams.h"
#include "ConversionFailure.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemorySource source(std::vector<uint8_t>(data, data + size));
  MemorySink target;
  try {
    const AmrToWavOutcome outcome = ConvertAmrToWav(source, "fuzz.amr", target, "fuzz.wav");
    // Every frame gives one 20 ms frame of samples: the WAV holds exactly that.
    const auto& wav = target.bytes();
    if (wav.size() < 44 || std::memcmp(wav.data(), "RIFF", 4) != 0) abort();
    if (wav.size() - 44 != outcome.frames * SamplesPerFrame(outcome.band) * 2) abort();
  } catch (const ConversionFailure&) {
  }
  return 0;
}
