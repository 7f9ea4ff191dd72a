#pragma once
// Where the converter reads from and writes to: a file on disk or, for tests
// and fuzzing, a buffer in memory. Errors are thrown as ConversionFailure.
#include <cstddef>
#include <cstdint>
#include <vector>

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to size bytes; fewer only at the end; 0 there.
  virtual size_t Read(void* buffer, size_t size) = 0;
  virtual void Seek(uint64_t position) = 0;
  virtual uint64_t Position() const = 0;
  virtual uint64_t Size() const = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void Write(const void* data, size_t size) = 0;
  // Overwrites bytes already written (a header whose sizes are known last).
  virtual void Overwrite(uint64_t position, const void* data, size_t size) = 0;
};

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  size_t Read(void* buffer, size_t size) override;
  void Seek(uint64_t position) override { position_ = position; }
  uint64_t Position() const override { return position_; }
  uint64_t Size() const override { return bytes_.size(); }

 private:
  std::vector<uint8_t> bytes_;
  uint64_t position_ = 0;
};

class MemorySink : public ByteSink {
 public:
  void Write(const void* data, size_t size) override;
  void Overwrite(uint64_t position, const void* data, size_t size) override;
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};
