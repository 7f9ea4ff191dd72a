#include "TargetFile.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "ConversionFailure.h"

#ifdef _WIN32
#include <windows.h>

#include "Utf8.h"
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace {

constexpr size_t kBufferSize = 256 * 1024;
#ifdef _WIN32
constexpr char kSeparators[] = "\\/:";
#else
constexpr char kSeparators[] = "/";
#endif

// The temporary file that an interruption has to remove; one conversion
// per process, so one slot. Plain storage: a signal handler reads it.
#ifdef _WIN32
wchar_t pendingTemporary[32768];
#else
char pendingTemporary[4096];
#endif
std::atomic<bool> pendingSet{false};

std::string TemporaryNameFor(const std::string& target, unsigned attempt) {
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
#ifdef _WIN32
  const unsigned long process = GetCurrentProcessId();
#else
  const unsigned long process = static_cast<unsigned long>(getpid());
#endif
  char suffix[64];
  const int suffixLength = std::snprintf(suffix, sizeof suffix, ".%lx%04llx%u.tmp", process,
                                         static_cast<unsigned long long>(now) & 0xFFFF, attempt);
  // A target name as long as the file system allows must still get a
  // temporary name that fits: cut its name part, at a character's start, to
  // 255 bytes, the limit of ext4; in UTF-16 such a name takes at most 255
  // units, the limit of NTFS.
  const size_t nameStart = target.find_last_of(kSeparators) + 1;  // npos + 1 is 0
  const size_t room = 255 - static_cast<size_t>(suffixLength);
  size_t cut = target.size();
  if (cut - nameStart > room) {
    cut = nameStart + room;
    while (cut > nameStart && (static_cast<unsigned char>(target[cut]) & 0xC0) == 0x80) --cut;
  }
  return target.substr(0, cut) + suffix;
}

}  // namespace

#ifdef _WIN32

namespace {

FailureKind KindOf(DWORD error) {
  switch (error) {
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_DIRECTORY:
      return FailureKind::TargetFolderMissing;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return FailureKind::TargetNoAccess;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FailureKind::TargetDiskFull;
    default:
      return FailureKind::TargetWriteError;
  }
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

BOOL WINAPI OnConsoleControl(DWORD) {
  if (pendingSet.load()) DeleteFileW(pendingTemporary);  // we share delete access, so this works while it is open
  return FALSE;                                          // and let the default handler end the process
}

}  // namespace

TargetFile::TargetFile(const std::string& name) : name_(name), buffer_(kBufferSize) {
  const std::wstring target = WideFromUtf8(name);
  if (IsFolder(target)) throw ConversionFailure(FailureKind::TargetIsFolder, name_);
  replacing_ = GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
  for (unsigned attempt = 0;; ++attempt) {
    temporaryName_ = TemporaryNameFor(name, attempt);
    const std::wstring temporary = WideFromUtf8(temporaryName_);
    handle_ = CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle_ != INVALID_HANDLE_VALUE) {
      if (temporary.size() < std::size(pendingTemporary)) {
        std::wmemcpy(pendingTemporary, temporary.c_str(), temporary.size() + 1);
        pendingSet.store(true);
      }
      return;
    }
    const DWORD error = GetLastError();
    if ((error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) && attempt < 100) continue;
    throw ConversionFailure(KindOf(error), name_);
  }
}

void TargetFile::WriteAt(uint64_t offset, const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  while (size > 0) {
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD done = 0;
    if (!WriteFile(handle_, bytes, static_cast<DWORD>(size), &done, &at)) Fail(GetLastError());
    if (done == 0) Fail(ERROR_DISK_FULL);
    bytes += done;
    offset += done;
    size -= done;
  }
}

void TargetFile::Commit() {
  Flush();
  // Only a replaced target could be lost to a crash right after the move.
  if (replacing_ && !FlushFileBuffers(handle_)) Fail(GetLastError());
  if (!CloseHandle(handle_)) {
    handle_ = INVALID_HANDLE_VALUE;
    Fail(GetLastError());
  }
  handle_ = INVALID_HANDLE_VALUE;
  const std::wstring target = WideFromUtf8(name_);
  if (!MoveFileExW(WideFromUtf8(temporaryName_).c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    if (IsFolder(target)) {
      Discard();
      throw ConversionFailure(FailureKind::TargetIsFolder, name_);
    }
    Fail(error);
  }
  pendingSet.store(false);
  temporaryName_.clear();
}

void TargetFile::Discard() {
  pendingSet.store(false);
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  handle_ = INVALID_HANDLE_VALUE;
  if (!temporaryName_.empty()) DeleteFileW(WideFromUtf8(temporaryName_).c_str());
  temporaryName_.clear();
}

void TargetFile::Fail(unsigned long error) {
  Discard();
  throw ConversionFailure(KindOf(error), name_);
}

void RemoveTemporaryFileOnInterrupt() { SetConsoleCtrlHandler(OnConsoleControl, TRUE); }

#else

namespace {

FailureKind KindOf(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return FailureKind::TargetFolderMissing;
    case EISDIR:
      return FailureKind::TargetIsFolder;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EBUSY:
      return FailureKind::TargetNoAccess;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return FailureKind::TargetDiskFull;
    default:
      return FailureKind::TargetWriteError;
  }
}

void OnTerminatingSignal(int signal) {
  if (pendingSet.load()) unlink(pendingTemporary);
  ::signal(signal, SIG_DFL);
  raise(signal);
}

}  // namespace

TargetFile::TargetFile(const std::string& name) : name_(name), buffer_(kBufferSize) {
  struct stat existing;
  if (stat(name.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) throw ConversionFailure(FailureKind::TargetIsFolder, name_);
    replacing_ = true;
  }
  for (unsigned attempt = 0;; ++attempt) {
    temporaryName_ = TemporaryNameFor(name, attempt);
    fd_ = open(temporaryName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ >= 0) break;
    if (errno == EEXIST && attempt < 100) continue;
    const int error = errno;
    temporaryName_.clear();
    throw ConversionFailure(KindOf(error), name_);
  }
  if (temporaryName_.size() < sizeof pendingTemporary) {
    std::memcpy(pendingTemporary, temporaryName_.c_str(), temporaryName_.size() + 1);
    pendingSet.store(true);
  }
  // A replaced file keeps its permissions.
  if (replacing_ && S_ISREG(existing.st_mode)) fchmod(fd_, existing.st_mode & 07777);
}

void TargetFile::WriteAt(uint64_t offset, const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  while (size > 0) {
    const ssize_t done = pwrite(fd_, bytes, size, static_cast<off_t>(offset));
    if (done < 0) {
      if (errno == EINTR) continue;
      Fail(static_cast<unsigned long>(errno));
    }
    if (done == 0) Fail(ENOSPC);
    bytes += done;
    offset += static_cast<uint64_t>(done);
    size -= static_cast<size_t>(done);
  }
}

void TargetFile::Commit() {
  Flush();
  // Only a replaced target could be lost to a crash right after the rename.
  if (replacing_ && fsync(fd_) != 0) Fail(static_cast<unsigned long>(errno));
  const int closed = close(fd_);
  fd_ = -1;
  if (closed != 0) Fail(static_cast<unsigned long>(errno));
  if (rename(temporaryName_.c_str(), name_.c_str()) != 0) Fail(static_cast<unsigned long>(errno));
  pendingSet.store(false);
  temporaryName_.clear();
}

void TargetFile::Discard() {
  pendingSet.store(false);
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!temporaryName_.empty()) unlink(temporaryName_.c_str());
  temporaryName_.clear();
}

void TargetFile::Fail(unsigned long error) {
  Discard();
  throw ConversionFailure(KindOf(static_cast<int>(error)), name_);
}

void RemoveTemporaryFileOnInterrupt() {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) ::signal(signal, OnTerminatingSignal);
}

#endif

TargetFile::~TargetFile() {
  if (!temporaryName_.empty()) Discard();
}

void TargetFile::Write(const void* data, size_t size) {
  if (size == 0) return;  // data may be null then, which memcpy must not see
  const auto* bytes = static_cast<const uint8_t*>(data);
  if (buffered_ + size > buffer_.size()) {
    Flush();
    if (size >= buffer_.size()) {
      WriteAt(flushedSize_, bytes, size);
      flushedSize_ += size;
      return;
    }
  }
  std::memcpy(buffer_.data() + buffered_, bytes, size);
  buffered_ += size;
}

void TargetFile::Overwrite(uint64_t position, const void* data, size_t size) {
  Flush();
  WriteAt(position, data, size);
}

void TargetFile::Flush() {
  if (buffered_ == 0) return;
  WriteAt(flushedSize_, buffer_.data(), buffered_);
  flushedSize_ += buffered_;
  buffered_ = 0;
}
