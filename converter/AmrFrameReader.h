#pragma once
// Frames of an AMR storage stream, one at a time, each checked against what
// is left before a decoder sees it.
#include <cstdint>
#include <vector>

#include "AmrStorage.h"
#include "ByteStreams.h"

class AmrFrameReader {
 public:
  // The source stands just after the magic.
  AmrFrameReader(ByteSource& source, AmrBand band);

  enum class Step {
    Frame,     // frame() holds a whole frame, header byte first
    End,       // the stream ended after a whole frame
    Damaged,   // a reserved frame type or set padding bits
    CutShort,  // the stream ends inside a frame
  };
  Step Next();
  const uint8_t* frame() const { return frame_; }
  uint64_t framesRead() const { return frames_; }

 private:
  bool Fill(size_t needed);

  ByteSource& source_;
  AmrBand band_;
  std::vector<uint8_t> buffer_;
  size_t begin_ = 0, end_ = 0;
  const uint8_t* frame_ = nullptr;
  uint64_t frames_ = 0;
};
