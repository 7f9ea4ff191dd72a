#pragma once
// amr2wav: an AMR-NB (or AMR-WB) storage stream to a 16-bit mono WAV of
// 8000 Hz (16000 Hz). Every stored frame gives one frame of samples.
#include <cstdint>
#include <optional>
#include <string>

#include "AmrStorage.h"
#include "ByteStreams.h"
#include "Progress.h"

struct AmrDamage {
  enum class Kind { Damaged, CutShort } kind;
  uint64_t atFrame;  // frames before the damage, all kept
  double atSeconds;
};

struct AmrToWavOutcome {
  AmrBand band;
  uint64_t frames;
  std::optional<AmrDamage> damage;  // the stream was cut or damaged from here on
};

// Throws ConversionFailure (NotAmr, UnsupportedAmr, DamagedAmr; and what
// the source and the sink throw).
AmrToWavOutcome ConvertAmrToWav(ByteSource& source, const std::string& sourceName, ByteSink& target,
                                const std::string& targetName, Progress* progress = nullptr);
