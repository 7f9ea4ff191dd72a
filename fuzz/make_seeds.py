#!/usr/bin/python3
"""Writes the committed seed corpus of the fuzz targets.

make_seeds.py CONVERTER: WAV seeds of every form the reader takes, made
here; AMR-NB seeds made from them by our converter; AMR-WB seeds with the
storage structure and payload bytes of a fixed pseudo-random sequence.
"""
import os
import random
import struct
import subprocess
import sys
import tempfile

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "tests", "hardening"))
import bad_files as bf  # noqa: E402


def alaw(sample):
    sign = 0x80 if sample >= 0 else 0
    s = min(abs(sample), 32635) >> 3
    if s < 32:
        code = s >> 1
    else:
        exp = s.bit_length() - 5
        code = (exp << 4) | ((s >> exp) & 0x0F)
    return (code | sign) ^ 0x55


def ulaw(sample):
    sign = 0x80 if sample < 0 else 0
    s = min(abs(sample), 32635) + 132
    exp = s.bit_length() - 8
    return ~(sign | (exp << 4) | ((s >> (exp + 3)) & 0x0F)) & 0xFF


def wav_seeds():
    s = bf.speech_like(0.06)
    stereo = bf.speech_like(0.02, 44100)
    seeds = {
        "pcm16-8k-mono": bf.valid_wav(s),
        "pcm16-44k-stereo": bf.riff([bf.chunk(b"fmt ", bf.fmt_payload(channels=2, rate=44100)),
                                     bf.chunk(b"data", bf.pcm16([v for v in stereo for _ in (0, 1)]))]),
        "pcm8-11k": bf.riff([bf.chunk(b"fmt ", bf.fmt_payload(rate=11025, bits=8)),
                             bf.chunk(b"data", bytes((v >> 8) + 128 for v in s))]),
        "pcm24-16k": bf.riff([bf.chunk(b"fmt ", bf.fmt_payload(rate=16000, bits=24)),
                              bf.chunk(b"data", b"".join(struct.pack("<i", v << 8)[:3] for v in s))]),
        "float32-48k": bf.riff([bf.chunk(b"fmt ", bf.fmt_payload(tag=3, rate=48000, bits=32)),
                                bf.chunk(b"data", struct.pack("<%df" % len(s), *(v / 32768 for v in s)))]),
        "alaw-8k": bf.riff([bf.chunk(b"fmt ", bf.fmt_payload(tag=6, bits=8)),
                            bf.chunk(b"data", bytes(alaw(v) for v in s))]),
        "ulaw-8k": bf.riff([bf.chunk(b"fmt ", bf.fmt_payload(tag=7, bits=8)),
                            bf.chunk(b"data", bytes(ulaw(v) for v in s))]),
        "extensible-pcm16": bf.riff([bf.chunk(b"fmt ", bf.extensible(b"\x01\x00\x00\x00")),
                                     bf.chunk(b"data", bf.pcm16(s))]),
        "ima-adpcm": bf.riff([bf.chunk(b"fmt ", bf.adpcm_fmt(0x11, 505)),
                              bf.chunk(b"data", b"\x00\x00\x00\x00" + bytes(range(252)))]),
    }
    return seeds


def amr_wb_seed(frames=12):
    rng = random.Random(16000)
    sizes = {0: 17, 1: 23, 2: 32, 3: 36, 4: 40, 5: 46, 6: 50, 7: 58, 8: 60, 9: 5, 15: 0}
    out = b"#!AMR-WB\n"
    for i in range(frames):
        ft = [2, 8, 9, 15][i % 4]
        out += bytes([ft << 3 | 4]) + bytes(rng.randrange(256) for _ in range(sizes[ft]))
    return out


def main():
    converter = sys.argv[1]
    wav_dir = os.path.join(here, "corpus", "wav_fuzzer")
    amr_dir = os.path.join(here, "corpus", "amr_fuzzer")
    os.makedirs(wav_dir, exist_ok=True)
    os.makedirs(amr_dir, exist_ok=True)
    for name, data in wav_seeds().items():
        with open(os.path.join(wav_dir, name + ".wav"), "wb") as f:
            f.write(data)
    with tempfile.TemporaryDirectory() as d:
        src = os.path.join(d, "speech.wav")
        with open(src, "wb") as f:
            f.write(bf.valid_wav(bf.speech_like(0.2)))
        for mode, dtx in (("MR475", False), ("MR102", False), ("MR122", False), ("MR102", True)):
            out = os.path.join(amr_dir, "%s%s.amr" % (mode.lower(), "-dtx" if dtx else ""))
            subprocess.run([converter, "wav2amr", src, out, mode] + (["--dtx"] if dtx else []), check=True,
                           stdout=subprocess.DEVNULL)
    with open(os.path.join(amr_dir, "wb-structure.amr"), "wb") as f:
        f.write(amr_wb_seed())
    print("seeds written")


if __name__ == "__main__":
    main()
