"""Malformed WAV and AMR inputs, made from a small valid recording.

Each case is (name, bytes, expected): expected is 1 where the input can only
be refused, None where a careful reader may either convert what is there or
refuse it; never a crash, a hang or a lost file.
"""
import math
import struct

RATE = 8000


def speech_like(seconds=1.0, rate=RATE):
    """A deterministic voiced signal: harmonics under a syllable envelope."""
    n = int(seconds * rate)
    out = []
    for i in range(n):
        t = i / rate
        env = 0.5 - 0.5 * math.cos(2 * math.pi * 3 * t)
        f0 = 120 + 30 * math.sin(2 * math.pi * 0.7 * t)
        s = sum(math.sin(2 * math.pi * f0 * k * t) / k for k in range(1, 8))
        out.append(int(max(-32767, min(32767, 9000 * env * s))))
    return out


def chunk(tag, payload, size=None):
    size = len(payload) if size is None else size
    pad = b"\0" if len(payload) % 2 else b""
    return tag + struct.pack("<I", size) + payload + pad


def fmt_payload(tag=1, channels=1, rate=RATE, bits=16, block=None, byte_rate=None, extra=b""):
    block = channels * bits // 8 if block is None else block
    byte_rate = rate * block if byte_rate is None else byte_rate
    return struct.pack("<HHIIHH", tag, channels, rate & 0xFFFFFFFF, byte_rate & 0xFFFFFFFF,
                       block & 0xFFFF, bits & 0xFFFF) + extra


def riff(chunks, riff_size=None):
    body = b"WAVE" + b"".join(chunks)
    size = len(body) if riff_size is None else riff_size
    return b"RIFF" + struct.pack("<I", size & 0xFFFFFFFF) + body


def pcm16(samples):
    return struct.pack("<%dh" % len(samples), *samples)


def valid_wav(samples=None):
    samples = speech_like() if samples is None else samples
    return riff([chunk(b"fmt ", fmt_payload()), chunk(b"data", pcm16(samples))])


def extensible(subformat, bits=16, channels=1):
    guid_tail = b"\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71"
    extra = struct.pack("<HHI", 22, bits, 4) + subformat + guid_tail
    return fmt_payload(tag=0xFFFE, channels=channels, bits=bits, extra=extra)


def adpcm_fmt(tag, samples_per_block, block=256):
    extra = struct.pack("<HH", 2, samples_per_block & 0xFFFF)
    return fmt_payload(tag=tag, bits=4, block=block, byte_rate=RATE * block // 505, extra=extra)


def wav_cases():
    data = pcm16(speech_like(0.25))
    fmt = chunk(b"fmt ", fmt_payload())
    good = chunk(b"data", data)
    nan = struct.pack("<4f", float("nan"), float("inf"), float("-inf"), 0.5) * 400
    cases = [
        ("riff-size-0", riff([fmt, good], riff_size=0), None),
        ("riff-size-ffffffff", riff([fmt, good], riff_size=0xFFFFFFFF), None),
        ("riff-size-beyond-file", riff([fmt, good], riff_size=10_000_000), None),
        ("data-size-0", riff([fmt, chunk(b"data", b"", 0)]), None),
        ("data-size-ffffffff", riff([fmt, b"data" + struct.pack("<I", 0xFFFFFFFF) + data]), None),
        ("data-size-beyond-file", riff([fmt, b"data" + struct.pack("<I", 5_000_000) + data]), None),
        ("fmt-shorter-than-16", riff([chunk(b"fmt ", fmt_payload()[:12]), good]), 1),
        ("channels-0", riff([chunk(b"fmt ", fmt_payload(channels=0, block=2)), good]), 1),
        ("channels-65535", riff([chunk(b"fmt ", fmt_payload(channels=65535)), good]), None),
        ("rate-0", riff([chunk(b"fmt ", fmt_payload(rate=0)), good]), 1),
        ("rate-1", riff([chunk(b"fmt ", fmt_payload(rate=1, channels=2, block=4)), good]), 1),
        ("rate-4294967295", riff([chunk(b"fmt ", fmt_payload(rate=0xFFFFFFFF)), good]), None),
        ("bits-0", riff([chunk(b"fmt ", fmt_payload(bits=0, block=2)), good]), 1),
        ("bits-7", riff([chunk(b"fmt ", fmt_payload(bits=7, block=1)), good]), None),
        ("bits-33", riff([chunk(b"fmt ", fmt_payload(bits=33, block=5)), good]), None),
        ("bits-65535", riff([chunk(b"fmt ", fmt_payload(bits=65535, block=2)), good]), None),
        ("block-align-inconsistent", riff([chunk(b"fmt ", fmt_payload(block=7)), good]), None),
        ("byte-rate-inconsistent", riff([chunk(b"fmt ", fmt_payload(byte_rate=1)), good]), None),
        ("block-align-0", riff([chunk(b"fmt ", fmt_payload(block=0)), good]), None),
        ("extensible-bogus-subformat", riff([chunk(b"fmt ", extensible(b"\x99\x99\x00\x00")), good]), 1),
        ("extensible-pcm", riff([chunk(b"fmt ", extensible(b"\x01\x00\x00\x00")), good]), None),
        ("ima-adpcm-zero-samples-per-block", riff([chunk(b"fmt ", adpcm_fmt(0x11, 0)), good]), None),
        ("ima-adpcm-huge-samples-per-block", riff([chunk(b"fmt ", adpcm_fmt(0x11, 0xFFFF)), good]), None),
        ("ms-adpcm-zero-samples-per-block", riff([chunk(b"fmt ", adpcm_fmt(0x02, 0)), good]), None),
        ("ms-adpcm-huge-samples-per-block", riff([chunk(b"fmt ", adpcm_fmt(0x02, 0xFFFF)), good]), None),
        ("float-nan-and-infinity", riff([chunk(b"fmt ", fmt_payload(tag=3, bits=32)), chunk(b"data", nan)]), None),
        ("double-nan-and-infinity",
         riff([chunk(b"fmt ", fmt_payload(tag=3, bits=64)),
               chunk(b"data", struct.pack("<4d", float("nan"), float("inf"), -float("inf"), 0.5) * 200)]), None),
        ("fmt-missing", riff([good]), 1),
        ("data-missing", riff([fmt]), None),
        ("fmt-duplicated", riff([fmt, chunk(b"fmt ", fmt_payload(channels=2, rate=44100)), good]), None),
        ("data-duplicated", riff([fmt, good, good]), None),
        ("data-before-fmt", riff([good, fmt]), None),
        ("empty-file", b"", 1),
        ("text-named-wav", b"This is not a recording at all.\r\nJust some notes.\r\n" * 20, 1),
        ("riff-header-only", b"RIFF\x04\x00\x00\x00WAVE", 1),
        ("not-wave", b"RIFF\x10\x00\x00\x00AVI LIST\x04\x00\x00\x00abcd", 1),
        ("chunk-size-huge", riff([fmt, chunk(b"LIST", b"x" * 8, 0xFFFFFFF0), good]), None),
    ]
    return cases


AMR_MAGIC = b"#!AMR\n"
# Payload bytes that follow the header byte, by frame type (0-8 speech/SID, 15 no data).
AMR_SIZES = {0: 12, 1: 13, 2: 15, 3: 17, 4: 19, 5: 20, 6: 26, 7: 31, 8: 5, 15: 0}


def amr_frames(amr):
    """Splits a valid AMR-NB file into its frames (header byte + payload)."""
    frames, i = [], len(AMR_MAGIC)
    while i < len(amr):
        ft = (amr[i] >> 3) & 0x0F
        n = 1 + AMR_SIZES[ft]
        frames.append(amr[i:i + n])
        i += n
    return frames


def amr_cases(valid_amr):
    frames = amr_frames(valid_amr)
    body = b"".join(frames)
    cases = []
    for ft in range(9, 15):
        cases.append(("reserved-type-%d-first" % ft, AMR_MAGIC + bytes([ft << 3 | 4]) + body, 1))
        cases.append(("reserved-type-%d-later" % ft, AMR_MAGIC + b"".join(frames[:10]) + bytes([ft << 3 | 4]) +
                      b"".join(frames[10:]), None))
    cases += [
        ("padding-bits-set-first", AMR_MAGIC + bytes([frames[0][0] | 0x81]) + body[1:], 1),
        ("quality-bit-clear", AMR_MAGIC + b"".join(bytes([f[0] & ~0x04]) + f[1:] for f in frames), None),
        ("truncated-last-frame", AMR_MAGIC + body[:-3], None),
        ("truncated-first-frame", AMR_MAGIC + body[:5], None),
        ("magic-only", AMR_MAGIC, None),
        ("magic-cut", AMR_MAGIC[:4], 1),
        ("amr-wb-magic-on-nb-frames", b"#!AMR-WB\n" + body, None),
        ("amr-wb-magic-only", b"#!AMR-WB\n", None),
        ("multichannel-nb-magic", b"#!AMR_MC1.0\n\x00\x00\x00\x02" + body, 1),
        ("multichannel-wb-magic", b"#!AMR-WB_MC1.0\n\x00\x00\x00\x02" + body, 1),
        ("empty-file", b"", 1),
        ("wrong-magic", b"#!AMX\n" + body, 1),
        ("3gp-named-amr", struct.pack(">I", 24) + b"ftyp3gp4\x00\x00\x02\x003gp43gp6" + b"\0" * 64, 1),
        ("wav-named-amr", valid_wav(speech_like(0.05)), 1),
        ("silk-named-amr", b"#!SILK_V3" + b"\x10\x00" * 40, 1),
        ("silk-tencent-named-amr", b"\x02#!SILK_V3" + b"\x10\x00" * 40, 1),
        ("mp3-named-amr", b"ID3\x03\x00\x00\x00\x00\x00\x10" + b"\xff\xfb\x90\x00" * 40, 1),
        ("ogg-named-amr", b"OggS\x00\x02" + b"\x00" * 60, 1),
    ]
    return cases
