#include "WavReader.h"

#include <sndfile.h>

#include "ConversionFailure.h"
#include "FormatSniffer.h"

// No speech survives below this rate, and upsampling from it would turn a
// few kilobytes into hours of sound.
constexpr int kLowestRate = 1000;

namespace {

// libsndfile is C: a failure of our source must not unwind through it, so
// the callbacks keep it and the reader throws it once libsndfile returns.
WavReader& ReaderOf(void* user) { return *static_cast<WavReader*>(user); }

sf_count_t SourceLength(void* user) { return static_cast<sf_count_t>(ReaderOf(user).source().Size()); }

sf_count_t SourceSeek(sf_count_t offset, int whence, void* user) {
  ByteSource& source = ReaderOf(user).source();
  const sf_count_t base = whence == SEEK_SET   ? 0
                          : whence == SEEK_CUR ? static_cast<sf_count_t>(source.Position())
                                               : static_cast<sf_count_t>(source.Size());
  if (base + offset < 0) return -1;
  try {
    source.Seek(static_cast<uint64_t>(base + offset));
  } catch (...) {
    ReaderOf(user).KeepFailure(std::current_exception());
    return -1;
  }
  return base + offset;
}

sf_count_t SourceRead(void* buffer, sf_count_t count, void* user) {
  try {
    sf_count_t done = 0;
    while (done < count) {
      const size_t got =
          ReaderOf(user).source().Read(static_cast<char*>(buffer) + done, static_cast<size_t>(count - done));
      if (got == 0) break;
      done += static_cast<sf_count_t>(got);
    }
    return done;
  } catch (...) {
    ReaderOf(user).KeepFailure(std::current_exception());
    return 0;
  }
}

sf_count_t SourceWrite(const void*, sf_count_t, void*) { return 0; }

sf_count_t SourceTell(void* user) { return static_cast<sf_count_t>(ReaderOf(user).source().Position()); }

bool HasShortSamples(int format) {
  switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_16:
    case SF_FORMAT_ALAW:
    case SF_FORMAT_ULAW:
    case SF_FORMAT_IMA_ADPCM:
    case SF_FORMAT_MS_ADPCM:
    case SF_FORMAT_GSM610:
    case SF_FORMAT_G721_32:
      return true;
    default:
      return false;
  }
}

}  // namespace

WavReader::WavReader(ByteSource& source, std::string sourceName) : source_(source), sourceName_(std::move(sourceName)) {
  const FileKind kind = SniffFileKind(source_);
  if (kind != FileKind::Wav) {
    throw ConversionFailure(FailureKind::NotWav, sourceName_, std::string(DescribeFileKind(kind)));
  }
  source_.Seek(0);

  SF_VIRTUAL_IO io = {SourceLength, SourceSeek, SourceRead, SourceWrite, SourceTell};
  SF_INFO info = {};
  file_ = sf_open_virtual(&io, SFM_READ, &info, this);
  if (pending_) std::rethrow_exception(pending_);
  if (file_ == nullptr) throw ConversionFailure(FailureKind::DamagedWav, sourceName_, sf_strerror(nullptr));
  const int major = info.format & SF_FORMAT_TYPEMASK;
  if ((major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX && major != SF_FORMAT_RF64) || info.channels < 1 ||
      info.samplerate < kLowestRate) {
    sf_close(file_);
    throw ConversionFailure(FailureKind::DamagedWav, sourceName_);
  }
  sampleRate_ = info.samplerate;
  channels_ = info.channels;
  frames_ = info.frames > 0 ? static_cast<uint64_t>(info.frames) : 0;
  telephoneForm_ = sampleRate_ == 8000 && channels_ == 1 && HasShortSamples(info.format);
  // Integer to float without any scaling quirks; clipping is ours.
  sf_command(file_, SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
}

WavReader::~WavReader() {
  if (file_ != nullptr) sf_close(file_);
}

size_t WavReader::Checked(long long count) {
  if (pending_) std::rethrow_exception(pending_);
  if (count < 0 || sf_error(file_) != SF_ERR_NO_ERROR) {
    throw ConversionFailure(FailureKind::DamagedWav, sourceName_, sf_strerror(file_));
  }
  return static_cast<size_t>(count);
}

size_t WavReader::ReadShorts(int16_t* samples, size_t frames) {
  return Checked(sf_readf_short(file_, samples, static_cast<sf_count_t>(frames)));
}

size_t WavReader::ReadFloats(float* interleaved, size_t frames) {
  return Checked(sf_readf_float(file_, interleaved, static_cast<sf_count_t>(frames)));
}
