#include "AmrEncoder.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <new>
#include <stdexcept>

extern "C" {
#include <opencore-amrnb/interf_enc.h>
}

std::optional<AmrMode> ParseAmrMode(std::string_view text) {
  static constexpr std::string_view kNames[] = {"MR475", "MR515", "MR59", "MR67", "MR74", "MR795", "MR102", "MR122"};
  for (size_t i = 0; i < std::size(kNames); ++i) {
    const auto same = [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; };
    if (text.size() == kNames[i].size() && std::equal(text.begin(), text.end(), kNames[i].begin(), same)) {
      return static_cast<AmrMode>(i);
    }
  }
  return std::nullopt;
}

AmrEncoder::AmrEncoder(AmrMode mode, bool discontinuousTransmission)
    : mode_(mode), state_(Encoder_Interface_init(discontinuousTransmission ? 1 : 0)) {
  if (state_ == nullptr) throw std::bad_alloc();
}

AmrEncoder::~AmrEncoder() { Encoder_Interface_exit(state_); }

size_t AmrEncoder::Encode(const int16_t* samples, uint8_t* frame) {
  // The encoder filters its input in place despite the const in its
  // declaration; it works on a copy so that the caller's samples survive.
  std::memcpy(scratch_, samples, sizeof scratch_);
  const int size = Encoder_Interface_Encode(state_, static_cast<Mode>(mode_), scratch_, frame, 0);
  if (size <= 0 || static_cast<size_t>(size) > kLargestFrame) throw std::logic_error("AMR encoder failed");
  return static_cast<size_t>(size);
}
