#include "AmrFrameReader.h"

#include <cstring>

AmrFrameReader::AmrFrameReader(ByteSource& source, AmrBand band) : source_(source), band_(band), buffer_(64 * 1024) {}

// At least `needed` unread bytes in the buffer, unless the stream ends first.
bool AmrFrameReader::Fill(size_t needed) {
  if (end_ - begin_ >= needed) return true;
  std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
  end_ -= begin_;
  begin_ = 0;
  while (end_ < needed) {
    const size_t count = source_.Read(buffer_.data() + end_, buffer_.size() - end_);
    if (count == 0) return false;
    end_ += count;
  }
  return true;
}

AmrFrameReader::Step AmrFrameReader::Next() {
  if (!Fill(1)) return Step::End;
  const AmrFrameHeader header = ReadFrameHeader(band_, buffer_[begin_]);
  if (!header.valid) return Step::Damaged;
  const size_t size = 1 + header.payloadSize;
  if (!Fill(size)) return Step::CutShort;
  frame_ = buffer_.data() + begin_;
  begin_ += size;
  ++frames_;
  return Step::Frame;
}
