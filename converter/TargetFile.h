#pragma once
// The converted file, written first to a temporary file in the target's
// folder and moved over the target only by Commit(): on any failure (or an
// interruption) the temporary file goes and an existing target stays as it
// was.
#include <string>
#include <vector>

#include "ByteStreams.h"

class TargetFile : public ByteSink {
 public:
  // Throws TargetFolderMissing, TargetIsFolder, TargetNoAccess,
  // TargetDiskFull or TargetWriteError, as every call below may.
  explicit TargetFile(const std::string& name);
  ~TargetFile() override;  // without Commit(): removes the temporary file
  TargetFile(const TargetFile&) = delete;
  TargetFile& operator=(const TargetFile&) = delete;

  void Write(const void* data, size_t size) override;
  void Overwrite(uint64_t position, const void* data, size_t size) override;
  void Commit();

  const std::string& temporaryName() const { return temporaryName_; }

 private:
  void Flush();
  void WriteAt(uint64_t offset, const void* data, size_t size);
  [[noreturn]] void Fail(unsigned long error);
  void Discard();

  std::string name_;
  std::string temporaryName_;
  bool replacing_ = false;  // the target exists
#ifdef _WIN32
  void* handle_;
#else
  int fd_;
#endif
  std::vector<uint8_t> buffer_;
  size_t buffered_ = 0;
  uint64_t flushedSize_ = 0;
};

// Ctrl+C, a closed console window or a termination signal: the temporary
// file of a conversion under way is removed before the process ends.
void RemoveTemporaryFileOnInterrupt();
