#!/usr/bin/env python3
"""Feeds the converter malformed inputs and checks that nothing is ever lost.

check_bad_inputs.py CONVERTER corpus   the malformed WAV and AMR corpus
check_bad_inputs.py CONVERTER sweeps   every cut and every bit flip of a valid file

For every input: exit 0 or 1 as documented (never a signal), a one-line
message naming the file on failure, well under 2 s and 256 MB, an existing
target unchanged on failure, no target created, no temporary file left, and
no sanitizer report.
"""
import concurrent.futures
import os
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bad_files  # noqa: E402

SENTINEL = b"an older target that must survive\n"
TIME_LIMIT = 2.0
MEMORY_LIMIT_KB = 256 * 1024
SANITIZER_MARKS = ("AddressSanitizer", "LeakSanitizer", "runtime error:", "UndefinedBehaviorSanitizer")


def run(converter, args, cwd):
    """Runs one conversion: exit code (None when it hung), stderr, seconds, peak kB."""
    with tempfile.TemporaryFile() as err:
        start = time.monotonic()
        proc = subprocess.Popen([converter] + args, cwd=cwd, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=err)
        timer = threading.Timer(30, proc.kill)
        timer.start()
        _, status, usage = os.wait4(proc.pid, 0)
        timer.cancel()
        proc.returncode = os.waitstatus_to_exitcode(status)
        elapsed = time.monotonic() - start
        err.seek(0)
        if elapsed >= 30:
            return None, err.read(), elapsed, usage.ru_maxrss
        return proc.returncode, err.read(), elapsed, usage.ru_maxrss


def looks_whole(kind, data):
    if kind == "amr":
        if data.startswith(b"#!AMR\n"):
            i = 6
            while i < len(data):
                ft = (data[i] >> 3) & 0x0F
                if ft not in bad_files.AMR_SIZES:
                    return False
                i += 1 + bad_files.AMR_SIZES[ft]
            return i == len(data)
        return False
    return data[:4] == b"RIFF" and data[8:12] == b"WAVE" and len(data) >= 44


def check_case(converter, kind, name, data, expected, with_old_target):
    """Returns a list of faults (empty when the case behaves)."""
    source_ext, target_ext, op = (".wav", ".amr", ["wav2amr"]) if kind == "wav" else (".amr", ".wav", ["amr2wav"])
    faults = []
    with tempfile.TemporaryDirectory(prefix="bad-input-") as d:
        source = "in-" + name + source_ext
        target = "out" + target_ext
        with open(os.path.join(d, source), "wb") as f:
            f.write(data)
        if with_old_target:
            with open(os.path.join(d, target), "wb") as f:
                f.write(SENTINEL)
        args = op + [source, target] + (["MR102"] if kind == "wav" else [])
        code, err, elapsed, peak_kb = run(converter, args, d)
        text = err.decode("utf-8", "replace")
        if code is None:
            return ["hung (killed after 30 s)"]
        if code not in (0, 1):
            faults.append("exit code %s" % code)
        if expected is not None and code != expected:
            faults.append("exit %s where %s was expected" % (code, expected))
        if elapsed > TIME_LIMIT:
            faults.append("took %.2f s" % elapsed)
        if peak_kb > MEMORY_LIMIT_KB:
            faults.append("peak memory %d kB" % peak_kb)
        if any(m in text for m in SANITIZER_MARKS):
            faults.append("sanitizer report: " + text.strip().splitlines()[0])
        left = sorted(os.listdir(d))
        target_path = os.path.join(d, target)
        if code == 1:
            lines = [l for l in text.splitlines() if l.strip()]
            if not lines or source not in text:
                faults.append("no message naming the file: %r" % text[:200])
            if with_old_target:
                with open(target_path, "rb") as f:
                    if f.read() != SENTINEL:
                        faults.append("old target changed")
            if left != sorted([source] + ([target] if with_old_target else [])):
                faults.append("left behind: %s" % left)
        elif code == 0:
            if left != sorted([source, target]):
                faults.append("files after success: %s" % left)
            else:
                with open(target_path, "rb") as f:
                    if not looks_whole("amr" if kind == "wav" else "wav", f.read()):
                        faults.append("target not a whole file")
    return faults


def make_valid_amr(converter, workdir):
    wav = os.path.join(workdir, "valid.wav")
    amr = os.path.join(workdir, "valid.amr")
    with open(wav, "wb") as f:
        f.write(bad_files.valid_wav())
    subprocess.run([converter, "wav2amr", wav, amr, "MR102"], check=True, stdout=subprocess.DEVNULL)
    with open(amr, "rb") as f:
        return f.read()


def corpus(converter, valid_amr):
    cases = [("wav",) + c for c in bad_files.wav_cases()] + [("amr",) + c for c in bad_files.amr_cases(valid_amr)]
    jobs = []
    for kind, name, data, expected in cases:
        jobs.append((kind, name, data, expected, True))
        jobs.append((kind, name, data, expected, False))
    return jobs, []


def sweeps(converter, valid_amr, cut_limit=4096, flip_bytes=512):
    wav = bad_files.valid_wav(bad_files.speech_like(0.3))
    jobs = []
    for kind, data in (("wav", wav), ("amr", valid_amr)):
        for n in range(0, min(len(data), cut_limit)):
            jobs.append((kind, "cut-%d" % n, data[:n], None, True))
        for byte in range(min(flip_bytes, len(data))):
            for bit in range(8):
                flipped = bytearray(data)
                flipped[byte] ^= 1 << bit
                jobs.append((kind, "flip-%d-%d" % (byte, bit), bytes(flipped), None, True))
    return jobs, []


def main():
    converter, mode = os.path.abspath(sys.argv[1]), sys.argv[2]
    with tempfile.TemporaryDirectory() as d:
        valid_amr = make_valid_amr(converter, d)
    jobs, faults = (corpus if mode == "corpus" else sweeps)(converter, valid_amr)
    workers = max(1, min(4, os.cpu_count() or 1))
    with concurrent.futures.ThreadPoolExecutor(workers) as pool:
        results = pool.map(lambda j: (j, check_case(converter, *j)), jobs)
        for (kind, name, _, _, old), found in results:
            for fault in found:
                faults.append("%s/%s%s: %s" % (kind, name, " (old target)" if old else "", fault))
    for fault in faults[:60]:
        print(fault)
    if len(faults) > 60:
        print("... and %d more" % (len(faults) - 60))
    print("%s: %d inputs, %d faults" % (mode, len(jobs), len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
