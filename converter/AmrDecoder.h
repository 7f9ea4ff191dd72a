#pragma once
// One AMR decoder state (narrow or wide band), freed with the object.
#include <cstdint>

#include "AmrStorage.h"

class AmrDecoder {
 public:
  explicit AmrDecoder(AmrBand band);
  ~AmrDecoder();
  AmrDecoder(const AmrDecoder&) = delete;
  AmrDecoder& operator=(const AmrDecoder&) = delete;

  AmrBand band() const { return band_; }

  // A frame as stored (header byte first) into SamplesPerFrame(band)
  // samples. A frame whose quality bit is clear is concealed, not played.
  void Decode(const uint8_t* frame, int16_t* samples);

 private:
  AmrBand band_;
  void* state_;
};
