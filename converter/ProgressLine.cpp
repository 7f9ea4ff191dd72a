#include "ProgressLine.h"

#include <cstdio>

ProgressLine::ProgressLine(Console& console, std::chrono::milliseconds delay)
    : console_(console), enabled_(console.ErrorIsTerminal()), start_(std::chrono::steady_clock::now()), delay_(delay) {}

void ProgressLine::Update(uint64_t done, uint64_t total) {
  if (!enabled_ || total == 0) return;
  const int percent = static_cast<int>(done >= total ? 100 : done * 100 / total);
  if (percent == shown_) return;
  if (shown_ < 0 && std::chrono::steady_clock::now() - start_ < delay_) return;
  char line[16];
  std::snprintf(line, sizeof line, "\r%3d%%", percent);
  console_.WriteError(line);
  shown_ = percent;
}

void ProgressLine::Clear() {
  if (shown_ >= 0) console_.WriteError("\r    \r");
  shown_ = -1;
}
