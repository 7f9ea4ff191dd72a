#include "AmrDecoder.h"

#include <new>

extern "C" {
#include <opencore-amrnb/interf_dec.h>
#include <opencore-amrwb/dec_if.h>
}

AmrDecoder::AmrDecoder(AmrBand band)
    : band_(band), state_(band == AmrBand::Narrow ? Decoder_Interface_init() : D_IF_init()) {
  if (state_ == nullptr) throw std::bad_alloc();
}

AmrDecoder::~AmrDecoder() {
  if (band_ == AmrBand::Narrow) {
    Decoder_Interface_exit(state_);
  } else {
    D_IF_exit(state_);
  }
}

void AmrDecoder::Decode(const uint8_t* frame, int16_t* samples) {
  // The decoders read the frame type from the header but not the quality
  // bit: a damaged frame has to be flagged as such.
  const int badFrame = (frame[0] & 0x04) ? 0 : 1;
  if (band_ == AmrBand::Narrow) {
    Decoder_Interface_Decode(state_, frame, samples, badFrame);
  } else {
    D_IF_decode(state_, frame, samples, badFrame);
  }
}
