#pragma once
// What a sound file is, from its first bytes: to pick the decoder, and to
// name in a refusal what users often mislabel as .amr or .wav.
#include <cstddef>
#include <cstdint>
#include <string_view>

class ByteSource;

enum class FileKind {
  Empty,
  AmrNarrow,
  AmrWide,
  AmrMultichannel,
  Mp4,  // 3GP and MP4 containers
  Silk,
  Mp3,
  Ogg,
  Wav,
  Aiff,
  Flac,
  Unknown,
};

// Enough leading bytes for every check below.
inline constexpr size_t kSniffSize = 16;

FileKind SniffFileKind(const uint8_t* bytes, size_t size);

// Sniffs the first bytes of source, leaving it positioned after them.
FileKind SniffFileKind(ByteSource& source);

// Russian, for "the file is ... , not ...".
std::string_view DescribeFileKind(FileKind kind);
