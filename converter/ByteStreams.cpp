#include "ByteStreams.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

size_t MemorySource::Read(void* buffer, size_t size) {
  if (position_ >= bytes_.size()) return 0;
  const size_t count = static_cast<size_t>(std::min<uint64_t>(size, bytes_.size() - position_));
  std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
  return count;
}

void MemorySink::Write(const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  bytes_.insert(bytes_.end(), bytes, bytes + size);
}

void MemorySink::Overwrite(uint64_t position, const void* data, size_t size) {
  if (position > bytes_.size() || size > bytes_.size() - position) throw std::out_of_range("overwrite past the end");
  std::memcpy(bytes_.data() + position, data, size);
}
