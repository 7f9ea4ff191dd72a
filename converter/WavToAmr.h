#pragma once
// wav2amr: any WAV to AMR-NB storage at one mode, in 160-sample frames,
// the last one padded with silence.
#include <cstdint>
#include <string>

#include "AmrEncoder.h"
#include "ByteStreams.h"
#include "Progress.h"

struct WavToAmrOptions {
  AmrMode mode = AmrMode::MR102;
  bool discontinuousTransmission = false;
};

struct WavToAmrOutcome {
  uint64_t frames;
};

// Throws ConversionFailure (NotWav, DamagedWav; and what the source and the
// sink throw).
WavToAmrOutcome ConvertWavToAmr(ByteSource& source, const std::string& sourceName, ByteSink& target,
                                const WavToAmrOptions& options, Progress* progress = nullptr);
