#pragma once
// Any sample rate and channel count to what the AMR-NB encoder takes:
// mono (the mean of the channels), 8000 Hz (libsoxr, high quality,
// streaming), 16 bits with clipping.
#include <cstddef>
#include <cstdint>
#include <vector>

typedef struct soxr* soxr_t;

class TelephoneSignal {
 public:
  TelephoneSignal(int inputRate, int channels);
  ~TelephoneSignal();
  TelephoneSignal(const TelephoneSignal&) = delete;
  TelephoneSignal& operator=(const TelephoneSignal&) = delete;

  static constexpr int kRate = 8000;

  // Appends the samples that `frames` interleaved frames give to `out`.
  void Push(const float* interleaved, size_t frames, std::vector<int16_t>& out);
  // Appends what the resampler still holds; call once at the end.
  void Finish(std::vector<int16_t>& out);

 private:
  void Resample(const float* mono, size_t count, std::vector<int16_t>& out);

  int channels_;
  soxr_t resampler_ = nullptr;
  double ratio_;
  std::vector<float> mono_, resampled_;
};

// Clipped and rounded: [-1, 1) to the 16-bit range; NaN gives silence.
void FloatsToShorts(const float* in, size_t count, int16_t* out);
