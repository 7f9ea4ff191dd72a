#pragma once
// A file to convert, opened by its UTF-8 name (on Windows by its wide
// path) and read through a buffer of its own.
#include <string>
#include <vector>

#include "ByteStreams.h"

class SourceFile : public ByteSource {
 public:
  // Throws SourceNotFound, SourceIsFolder, SourceNoAccess or SourceReadError.
  explicit SourceFile(const std::string& name);
  ~SourceFile() override;
  SourceFile(const SourceFile&) = delete;
  SourceFile& operator=(const SourceFile&) = delete;

  size_t Read(void* buffer, size_t size) override;
  void Seek(uint64_t position) override { position_ = position; }
  uint64_t Position() const override { return position_; }
  uint64_t Size() const override { return size_; }

 private:
  // Reads at an offset, without a file pointer of the system's.
  size_t ReadAt(uint64_t offset, void* buffer, size_t size);

  std::string name_;
#ifdef _WIN32
  void* handle_;
#else
  int fd_;
#endif
  uint64_t size_ = 0;
  uint64_t position_ = 0;
  std::vector<uint8_t> buffer_;
  uint64_t bufferOffset_ = 0;  // file offset of buffer_[0]
  size_t bufferFill_ = 0;
};
