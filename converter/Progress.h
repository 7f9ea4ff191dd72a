#pragma once
// How far a conversion has come, for whoever shows it.
#include <cstdint>

class Progress {
 public:
  virtual ~Progress() = default;
  virtual void Update(uint64_t done, uint64_t total) = 0;
};
