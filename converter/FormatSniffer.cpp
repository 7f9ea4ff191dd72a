#include "FormatSniffer.h"

#include <cstring>

#include "AmrStorage.h"
#include "ByteStreams.h"

namespace {

bool StartsWith(const uint8_t* bytes, size_t size, std::string_view prefix, size_t at = 0) {
  return size >= at + prefix.size() && std::memcmp(bytes + at, prefix.data(), prefix.size()) == 0;
}

bool IsMpegAudioSync(const uint8_t* bytes, size_t size) {
  if (size < 3 || bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0) return false;
  const int version = (bytes[1] >> 3) & 3, layer = (bytes[1] >> 1) & 3, bitrate = bytes[2] >> 4;
  return version != 1 && layer != 0 && bitrate != 15 && ((bytes[2] >> 2) & 3) != 3;
}

}  // namespace

FileKind SniffFileKind(const uint8_t* bytes, size_t size) {
  if (size == 0) return FileKind::Empty;
  // The multichannel magics share their start with the single-channel ones.
  if (StartsWith(bytes, size, "#!AMR_MC1.0\n") || StartsWith(bytes, size, "#!AMR-WB_MC1.0\n")) {
    return FileKind::AmrMultichannel;
  }
  if (StartsWith(bytes, size, kAmrNarrowMagic)) return FileKind::AmrNarrow;
  if (StartsWith(bytes, size, kAmrWideMagic)) return FileKind::AmrWide;
  if (StartsWith(bytes, size, "ftyp", 4) || StartsWith(bytes, size, "moov", 4) || StartsWith(bytes, size, "mdat", 4)) {
    return FileKind::Mp4;
  }
  // Some messengers put one byte before the magic.
  if (StartsWith(bytes, size, "#!SILK") || StartsWith(bytes, size, "#!SILK", 1)) return FileKind::Silk;
  if (StartsWith(bytes, size, "ID3") || IsMpegAudioSync(bytes, size)) return FileKind::Mp3;
  if (StartsWith(bytes, size, "OggS")) return FileKind::Ogg;
  if ((StartsWith(bytes, size, "RIFF") || StartsWith(bytes, size, "RF64")) && StartsWith(bytes, size, "WAVE", 8)) {
    return FileKind::Wav;
  }
  if (StartsWith(bytes, size, "FORM") && (StartsWith(bytes, size, "AIFF", 8) || StartsWith(bytes, size, "AIFC", 8))) {
    return FileKind::Aiff;
  }
  if (StartsWith(bytes, size, "fLaC")) return FileKind::Flac;
  return FileKind::Unknown;
}

std::string_view DescribeFileKind(FileKind kind) {
  switch (kind) {
    case FileKind::Empty:
      return "пустой файл";
    case FileKind::AmrNarrow:
      return "файл AMR";
    case FileKind::AmrWide:
      return "файл AMR-WB";
    case FileKind::AmrMultichannel:
      return "многоканальный AMR";
    case FileKind::Mp4:
      return "контейнер 3GP/MP4";
    case FileKind::Silk:
      return "голосовое сообщение SILK";
    case FileKind::Mp3:
      return "файл MP3";
    case FileKind::Ogg:
      return "файл Ogg";
    case FileKind::Wav:
      return "файл WAV";
    case FileKind::Aiff:
      return "файл AIFF";
    case FileKind::Flac:
      return "файл FLAC";
    case FileKind::Unknown:
      break;
  }
  return "";
}

FileKind SniffFileKind(ByteSource& source) {
  uint8_t head[kSniffSize];
  size_t got = 0;
  while (got < sizeof head) {
    const size_t count = source.Read(head + got, sizeof head - got);
    if (count == 0) break;
    got += count;
  }
  return SniffFileKind(head, got);
}
