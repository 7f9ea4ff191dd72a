#include "WavWriter.h"

#include <cstring>

#include "ConversionFailure.h"

namespace {

constexpr size_t kHeaderSize = 44;
// RIFF sizes are 32 bits wide.
constexpr uint64_t kLargestData = 0xFFFFFFFFull - (kHeaderSize - 8);

void PutLe(uint8_t* at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

WavWriter::WavWriter(ByteSink& sink, int sampleRate, std::string targetName)
    : sink_(sink), targetName_(std::move(targetName)) {
  uint8_t header[kHeaderSize];
  std::memcpy(header, "RIFF\0\0\0\0WAVEfmt ", 16);
  PutLe(header + 16, 16, 4);  // fmt chunk size
  PutLe(header + 20, 1, 2);   // PCM
  PutLe(header + 22, 1, 2);   // mono
  PutLe(header + 24, static_cast<uint32_t>(sampleRate), 4);
  PutLe(header + 28, static_cast<uint32_t>(sampleRate) * 2, 4);
  PutLe(header + 32, 2, 2);   // block align
  PutLe(header + 34, 16, 2);  // bits
  std::memcpy(header + 36, "data\0\0\0\0", 8);
  sink_.Write(header, sizeof header);
}

void WavWriter::Append(const int16_t* samples, size_t count) {
  if (dataBytes_ + count * 2 > kLargestData) throw ConversionFailure(FailureKind::TooLongForWav, targetName_);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  for (size_t i = 0; i < count; ++i) {
    const uint8_t bytes[2] = {static_cast<uint8_t>(samples[i]), static_cast<uint8_t>(samples[i] >> 8)};
    sink_.Write(bytes, 2);
  }
#else
  sink_.Write(samples, count * 2);
#endif
  dataBytes_ += count * 2;
}

void WavWriter::Finish() {
  uint8_t size[4];
  PutLe(size, static_cast<uint32_t>(dataBytes_ + kHeaderSize - 8), 4);
  sink_.Overwrite(4, size, 4);
  PutLe(size, static_cast<uint32_t>(dataBytes_), 4);
  sink_.Overwrite(40, size, 4);
}
