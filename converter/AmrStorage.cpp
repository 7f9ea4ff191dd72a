#include "AmrStorage.h"

namespace {

// Payload bytes by frame type; -1 marks the reserved types.
constexpr int kNarrowPayload[16] = {12, 13, 15, 17, 19, 20, 26, 31, 5, -1, -1, -1, -1, -1, -1, 0};
// 14 is "speech lost", 15 "no data": both carry nothing and still make a frame.
constexpr int kWidePayload[16] = {17, 23, 32, 36, 40, 46, 50, 58, 60, 5, -1, -1, -1, -1, 0, 0};

}  // namespace

AmrFrameHeader ReadFrameHeader(AmrBand band, uint8_t header) {
  AmrFrameHeader result;
  if ((header & 0x83) != 0) return result;
  const int payload = (band == AmrBand::Narrow ? kNarrowPayload : kWidePayload)[(header >> 3) & 0x0F];
  if (payload < 0) return result;
  result.valid = true;
  result.payloadSize = static_cast<size_t>(payload);
  result.good = (header & 0x04) != 0;
  return result;
}
