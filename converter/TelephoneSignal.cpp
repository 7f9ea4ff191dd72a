#include "TelephoneSignal.h"

#include <soxr.h>

#include <algorithm>
#include <stdexcept>
#include <string>

void FloatsToShorts(const float* in, size_t count, int16_t* out) {
  for (size_t i = 0; i < count; ++i) {
    const float x = in[i] * 32768.0f;
    int16_t value;
    if (x >= 32767.0f) {
      value = 32767;
    } else if (x <= -32768.0f) {
      value = -32768;
    } else if (x == x) {
      value = static_cast<int16_t>(x >= 0 ? x + 0.5f : x - 0.5f);
    } else {
      value = 0;
    }
    out[i] = value;
  }
}

TelephoneSignal::TelephoneSignal(int inputRate, int channels)
    : channels_(channels), ratio_(static_cast<double>(kRate) / inputRate) {
  if (inputRate != kRate) {
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    resampler_ = soxr_create(inputRate, kRate, 1, &error, &io, &quality, nullptr);
    if (error != nullptr) throw std::runtime_error(std::string("soxr: ") + error);
  }
}

TelephoneSignal::~TelephoneSignal() {
  if (resampler_ != nullptr) soxr_delete(resampler_);
}

void TelephoneSignal::Push(const float* interleaved, size_t frames, std::vector<int16_t>& out) {
  const float* mono = interleaved;
  if (channels_ > 1) {
    mono_.resize(frames);
    const float scale = 1.0f / channels_;
    if (channels_ == 2) {  // the common case, in a loop the compiler vectorises
      for (size_t i = 0; i < frames; ++i) mono_[i] = (interleaved[2 * i] + interleaved[2 * i + 1]) * scale;
    } else {
      for (size_t i = 0; i < frames; ++i) {
        const float* frame = interleaved + i * channels_;
        float sum = 0;
        for (int c = 0; c < channels_; ++c) sum += frame[c];
        mono_[i] = sum * scale;
      }
    }
    mono = mono_.data();
  }
  if (resampler_ == nullptr) {
    const size_t start = out.size();
    out.resize(start + frames);
    FloatsToShorts(mono, frames, out.data() + start);
  } else {
    Resample(mono, frames, out);
  }
}

void TelephoneSignal::Finish(std::vector<int16_t>& out) {
  if (resampler_ != nullptr) Resample(nullptr, 0, out);
}

// A null `mono` drains the resampler.
void TelephoneSignal::Resample(const float* mono, size_t count, std::vector<int16_t>& out) {
  resampled_.resize(std::min<size_t>(static_cast<size_t>(count * ratio_) + 256, size_t{1} << 16));
  size_t taken = 0;
  for (;;) {
    size_t used = 0, made = 0;
    const soxr_error_t error = soxr_process(resampler_, mono ? mono + taken : nullptr, count - taken, &used,
                                            resampled_.data(), resampled_.size(), &made);
    if (error != nullptr) throw std::runtime_error(std::string("soxr: ") + error);
    taken += used;
    const size_t start = out.size();
    out.resize(start + made);
    FloatsToShorts(resampled_.data(), made, out.data() + start);
    if (mono ? taken == count && made < resampled_.size() : made == 0) break;
  }
}
