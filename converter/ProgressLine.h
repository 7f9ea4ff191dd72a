#pragma once
// A percent line on a terminal's error stream, for long conversions only:
// it appears after a second and changes only when the figure does.
#include <chrono>

#include "Console.h"
#include "Progress.h"

class ProgressLine : public Progress {
 public:
  explicit ProgressLine(Console& console, std::chrono::milliseconds delay = std::chrono::seconds(1));
  void Update(uint64_t done, uint64_t total) override;
  // Takes the line away again, if one is shown.
  void Clear();

 private:
  Console& console_;
  bool enabled_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::milliseconds delay_;
  int shown_ = -1;
};
