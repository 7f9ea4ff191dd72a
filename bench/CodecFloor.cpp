// The floor for the converter's timings: the same codec calls over audio
// already in memory, with nothing around them. Prints the loop's wall and
// processor seconds.
//   codec_floor encode IN.wav [--dtx]   (8000 Hz mono 16-bit, MR102)
//   codec_floor decode IN.amr           (AMR-NB storage)
#include <sndfile.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" {
#include <opencore-amrnb/interf_dec.h>
#include <opencore-amrnb/interf_enc.h>
}

namespace {

struct Stopwatch {
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
  std::clock_t processor = std::clock();
  void Print() const {
    std::printf("%.3f %.3f\n", std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count(),
                static_cast<double>(std::clock() - processor) / CLOCKS_PER_SEC);
  }
};

int Encode(const char* path, bool dtx) {
  SF_INFO info = {};
  SNDFILE* file = sf_open(path, SFM_READ, &info);
  if (file == nullptr || info.channels != 1 || info.samplerate != 8000) {
    std::fprintf(stderr, "%s: not an 8000 Hz mono WAV\n", path);
    return 1;
  }
  std::vector<short> samples(static_cast<size_t>(info.frames));
  samples.resize(static_cast<size_t>(sf_readf_short(file, samples.data(), info.frames)));
  sf_close(file);
  samples.resize(samples.size() / 160 * 160);
  std::vector<unsigned char> coded(samples.size() / 160 * 32);

  const Stopwatch stopwatch;
  void* encoder = Encoder_Interface_init(dtx ? 1 : 0);
  size_t size = 0;
  for (size_t i = 0; i < samples.size(); i += 160) {
    size += static_cast<size_t>(Encoder_Interface_Encode(encoder, MR102, &samples[i], &coded[size], 0));
  }
  Encoder_Interface_exit(encoder);
  stopwatch.Print();
  std::fprintf(stderr, "%zu frames, %zu bytes\n", samples.size() / 160, size);
  return 0;
}

int Decode(const char* path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
  static const int kPayload[16] = {12, 13, 15, 17, 19, 20, 26, 31, 5, -1, -1, -1, -1, -1, -1, 0};
  if (bytes.size() < 6 || std::memcmp(bytes.data(), "#!AMR\n", 6) != 0) {
    std::fprintf(stderr, "%s: not AMR-NB\n", path);
    return 1;
  }
  std::vector<size_t> frames;
  for (size_t at = 6; at < bytes.size();) {
    const int payload = kPayload[(bytes[at] >> 3) & 15];
    if (payload < 0 || at + 1 + payload > bytes.size()) break;
    frames.push_back(at);
    at += 1 + static_cast<size_t>(payload);
  }
  std::vector<short> samples(frames.size() * 160);

  const Stopwatch stopwatch;
  void* decoder = Decoder_Interface_init();
  for (size_t i = 0; i < frames.size(); ++i) Decoder_Interface_Decode(decoder, &bytes[frames[i]], &samples[i * 160], 0);
  Decoder_Interface_exit(decoder);
  stopwatch.Print();
  std::fprintf(stderr, "%zu frames\n", frames.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "encode")
    return Encode(argv[2], argc > 3 && std::string(argv[3]) == "--dtx");
  if (argc == 3 && std::string(argv[1]) == "decode") return Decode(argv[2]);
  std::fprintf(stderr, "usage: codec_floor encode IN.wav [--dtx] | decode IN.amr\n");
  return 2;
}
