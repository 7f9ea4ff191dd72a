#pragma once
// Why a conversion stopped. Thrown from wherever the trouble is found and
// turned into one Russian line and an exit code at the top.
#include <stdexcept>
#include <string>

enum class FailureKind {
  SameFile,  // source and target are one file
  SourceNotFound,
  SourceIsFolder,
  SourceNoAccess,
  SourceReadError,
  NotAmr,          // detail: what the file is instead (FileKind name), or empty
  UnsupportedAmr,  // multichannel AMR variants
  DamagedAmr,      // damage before the first whole frame
  NotWav,          // detail: what the file is instead, or empty
  DamagedWav,      // looks like a WAV, but cannot be read
  TargetFolderMissing,
  TargetIsFolder,
  TargetNoAccess,
  TargetDiskFull,
  TargetWriteError,
  TooLongForWav,
};

class ConversionFailure : public std::runtime_error {
 public:
  ConversionFailure(FailureKind kind, std::string file, std::string detail = {})
      : std::runtime_error("conversion failed"), kind_(kind), file_(std::move(file)), detail_(std::move(detail)) {}

  FailureKind kind() const { return kind_; }
  const std::string& file() const { return file_; }
  const std::string& detail() const { return detail_; }

 private:
  FailureKind kind_;
  std::string file_;
  std::string detail_;
};
