#pragma once
// The single-channel AMR storage format: a magic line, then frames of one
// header byte (padding, frame type, quality bit) and a payload whose size
// the frame type fixes.
#include <cstddef>
#include <cstdint>
#include <string_view>

enum class AmrBand { Narrow, Wide };

inline constexpr std::string_view kAmrNarrowMagic = "#!AMR\n";
inline constexpr std::string_view kAmrWideMagic = "#!AMR-WB\n";

constexpr int SampleRateOf(AmrBand band) { return band == AmrBand::Narrow ? 8000 : 16000; }
constexpr size_t SamplesPerFrame(AmrBand band) { return band == AmrBand::Narrow ? 160 : 320; }
inline constexpr size_t kLargestAmrFrame = 61;  // header byte plus the largest payload (AMR-WB 23.85)

struct AmrFrameHeader {
  bool valid = false;  // padding clear and a frame type the band defines
  size_t payloadSize = 0;
  bool good = false;  // the quality bit
};

AmrFrameHeader ReadFrameHeader(AmrBand band, uint8_t header);
