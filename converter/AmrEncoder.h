#pragma once
// One AMR-NB encoder state at a fixed mode, freed with the object.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

enum class AmrMode { MR475, MR515, MR59, MR67, MR74, MR795, MR102, MR122 };

// "MR102" and the others, in any letter case.
std::optional<AmrMode> ParseAmrMode(std::string_view text);

class AmrEncoder {
 public:
  AmrEncoder(AmrMode mode, bool discontinuousTransmission);
  ~AmrEncoder();
  AmrEncoder(const AmrEncoder&) = delete;
  AmrEncoder& operator=(const AmrEncoder&) = delete;

  static constexpr size_t kFrameSamples = 160;
  static constexpr size_t kLargestFrame = 32;

  // 160 samples into one stored frame (header byte first); returns its size.
  // The samples are left as they were.
  size_t Encode(const int16_t* samples, uint8_t* frame);

 private:
  AmrMode mode_;
  void* state_;
  int16_t scratch_[kFrameSamples];
};
