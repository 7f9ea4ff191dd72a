#include "SourceFile.h"

#include <algorithm>
#include <cstring>

#include "ConversionFailure.h"

#ifdef _WIN32
#include <windows.h>

#include "Utf8.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace {
constexpr size_t kBufferSize = 256 * 1024;
}

#ifdef _WIN32

SourceFile::SourceFile(const std::string& name) : name_(name), buffer_(kBufferSize) {
  const std::wstring path = WideFromUtf8(name);
  handle_ = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                        OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      throw ConversionFailure(FailureKind::SourceIsFolder, name_);
    }
    switch (error) {
      case ERROR_FILE_NOT_FOUND:
      case ERROR_PATH_NOT_FOUND:
      case ERROR_INVALID_NAME:
      case ERROR_BAD_NETPATH:
      case ERROR_INVALID_DRIVE:
        throw ConversionFailure(FailureKind::SourceNotFound, name_);
      case ERROR_ACCESS_DENIED:
      case ERROR_SHARING_VIOLATION:
      case ERROR_LOCK_VIOLATION:
        throw ConversionFailure(FailureKind::SourceNoAccess, name_);
      default:
        throw ConversionFailure(FailureKind::SourceReadError, name_);
    }
  }
  LARGE_INTEGER size;
  if (!GetFileSizeEx(handle_, &size)) {
    CloseHandle(handle_);
    throw ConversionFailure(FailureKind::SourceReadError, name_);
  }
  size_ = static_cast<uint64_t>(size.QuadPart);
}

SourceFile::~SourceFile() { CloseHandle(handle_); }

size_t SourceFile::ReadAt(uint64_t offset, void* buffer, size_t size) {
  OVERLAPPED at = {};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD done = 0;
  if (!ReadFile(handle_, buffer, static_cast<DWORD>(size), &done, &at)) {
    if (GetLastError() == ERROR_HANDLE_EOF) return 0;
    throw ConversionFailure(FailureKind::SourceReadError, name_);
  }
  return done;
}

#else

SourceFile::SourceFile(const std::string& name) : name_(name), buffer_(kBufferSize) {
  fd_ = open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) {
    switch (errno) {
      case ENOENT:
      case ENOTDIR:
        throw ConversionFailure(FailureKind::SourceNotFound, name_);
      case EACCES:
      case EPERM:
        throw ConversionFailure(FailureKind::SourceNoAccess, name_);
      default:
        throw ConversionFailure(FailureKind::SourceReadError, name_);
    }
  }
  struct stat status;
  if (fstat(fd_, &status) != 0 || S_ISDIR(status.st_mode)) {
    const bool folder = S_ISDIR(status.st_mode);
    close(fd_);
    throw ConversionFailure(folder ? FailureKind::SourceIsFolder : FailureKind::SourceReadError, name_);
  }
  size_ = static_cast<uint64_t>(status.st_size);
  posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
}

SourceFile::~SourceFile() { close(fd_); }

size_t SourceFile::ReadAt(uint64_t offset, void* buffer, size_t size) {
  for (;;) {
    const ssize_t done = pread(fd_, buffer, size, static_cast<off_t>(offset));
    if (done >= 0) return static_cast<size_t>(done);
    if (errno != EINTR) throw ConversionFailure(FailureKind::SourceReadError, name_);
  }
}

#endif

size_t SourceFile::Read(void* buffer, size_t size) {
  auto* out = static_cast<uint8_t*>(buffer);
  size_t done = 0;
  while (done < size) {
    if (position_ >= bufferOffset_ && position_ < bufferOffset_ + bufferFill_) {
      const size_t at = static_cast<size_t>(position_ - bufferOffset_);
      const size_t count = std::min(size - done, bufferFill_ - at);
      std::memcpy(out + done, buffer_.data() + at, count);
      done += count;
      position_ += count;
      continue;
    }
    if (size - done >= buffer_.size()) {
      // Large reads skip the buffer.
      const size_t count = ReadAt(position_, out + done, size - done);
      if (count == 0) break;
      done += count;
      position_ += count;
      continue;
    }
    bufferOffset_ = position_;
    bufferFill_ = ReadAt(position_, buffer_.data(), buffer_.size());
    if (bufferFill_ == 0) break;
  }
  return done;
}
