#pragma once
// Any WAV that libsndfile reads (PCM 8 to 32 bits, float, A-law, mu-law,
// ADPCM, WAVE_FORMAT_EXTENSIBLE, RF64), read from a ByteSource.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "ByteStreams.h"

typedef struct sf_private_tag SNDFILE;

class WavReader {
 public:
  // Throws NotWav (naming what the file is, when known) or DamagedWav.
  WavReader(ByteSource& source, std::string sourceName);
  ~WavReader();
  WavReader(const WavReader&) = delete;
  WavReader& operator=(const WavReader&) = delete;

  int sampleRate() const { return sampleRate_; }
  int channels() const { return channels_; }
  uint64_t frames() const { return frames_; }
  // Mono at 8000 Hz with samples of at most 16 bits: the encoder can take
  // them as they are.
  bool IsTelephoneForm() const { return telephoneForm_; }

  // Up to `frames` frames; fewer only at the end.
  size_t ReadShorts(int16_t* samples, size_t frames);
  size_t ReadFloats(float* interleaved, size_t frames);

  // For libsndfile's callbacks.
  ByteSource& source() { return source_; }
  void KeepFailure(std::exception_ptr failure) { pending_ = failure; }

 private:
  size_t Checked(long long count);

  ByteSource& source_;
  std::string sourceName_;
  SNDFILE* file_ = nullptr;
  int sampleRate_ = 0, channels_ = 0;
  uint64_t frames_ = 0;
  bool telephoneForm_ = false;
  std::exception_ptr pending_;
};
