#!/usr/bin/env python3
"""Faults around the target: a read-only folder, a full disk, the converter
killed mid-way, two converters racing for one target. The old target must
stay byte-identical (or be replaced by one whole new file), and no
half-written file may ever stand under the target's name.

check_faults.py CONVERTER
"""
import os
import random
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import bad_files  # noqa: E402

OLD = b"an older target that must survive\n" * 8
faults = []


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def in_mount_namespace(script):
    """Runs a shell script in a mount namespace of its own (as root there)."""
    return subprocess.run(["unshare", "-rm", "sh", "-ec", script], capture_output=True, text=True)


def check(condition, what):
    if not condition:
        faults.append(what)


def convert_into_small_mount(converter, work, name, seconds, size, read_only):
    """Converts into a tmpfs of SIZE holding an old target; expects a clean refusal."""
    src = os.path.join(work, name + ".wav")
    write(src, bad_files.valid_wav(bad_files.speech_like(seconds)))
    old = os.path.join(work, name + "-old.amr")
    write(old, OLD)
    target_dir = os.path.join(work, name)
    os.mkdir(target_dir)
    r = in_mount_namespace(f"""
        mount -t tmpfs -o size={size} none {target_dir}
        cp {old} {target_dir}/out.amr
        {"mount -o remount,ro " + target_dir if read_only else ""}
        set +e
        {converter} wav2amr {src} {target_dir}/out.amr MR102
        echo "exit=$?"
        cmp -s {target_dir}/out.amr {old} && echo same || echo changed
        ls -a {target_dir} | tr '\\n' ' '
    """)
    lines = r.stdout.strip().splitlines()
    check("exit=1" in lines, "%s: converter did not fail with 1: %r %r" % (name, r.stdout, r.stderr))
    check("same" in lines, "%s: old target changed" % name)
    check(lines[-1:] == [". .. out.amr"], "%s: folder holds %r" % (name, lines[-1:]))
    check("out.amr" in r.stderr, "%s: no message naming the target: %r" % (name, r.stderr))


def fault_killed(converter, work, rounds=20):
    src = os.path.join(work, "long.wav")
    write(src, bad_files.valid_wav(bad_files.speech_like(600)))
    target = os.path.join(work, "killed.amr")
    # The whole result, to tell a finished run from a torn one.
    start = time.monotonic()
    subprocess.run([converter, "wav2amr", src, target, "MR102"], check=True, stderr=subprocess.DEVNULL)
    duration = time.monotonic() - start
    whole = read(target)
    rng = random.Random(20261211)
    for i in range(rounds):
        write(target, OLD)
        proc = subprocess.Popen([converter, "wav2amr", src, target, "MR102"], stderr=subprocess.DEVNULL)
        time.sleep(rng.uniform(0, duration * 1.05))
        proc.send_signal(signal.SIGKILL)
        proc.wait()
        now = read(target)
        check(now in (OLD, whole), "killed run %d: target is neither the old file nor the whole new one (%d bytes)"
              % (i, len(now)))
    for name in os.listdir(work):
        path = os.path.join(work, name)
        if name not in ("long.wav", "killed.amr") and os.path.isfile(path):
            os.remove(path)  # what a killed process could not clean up
    return whole


def fault_two_at_once(converter, work, whole):
    src = os.path.join(work, "long.wav")
    target = os.path.join(work, "race.amr")
    write(target, OLD)
    procs = [subprocess.Popen([converter, "wav2amr", src, target, "MR102"], stderr=subprocess.PIPE)
             for _ in range(2)]
    codes = [p.wait() for p in procs]
    check(codes == [0, 0], "two at once: exit codes %r" % codes)
    check(read(target) == whole, "two at once: target is not one whole file")
    left = sorted(n for n in os.listdir(work)
                  if os.path.isfile(os.path.join(work, n)) and n not in ("long.wav", "killed.amr", "race.amr")
                  and not n.endswith(("-old.amr", ".wav")))
    check(left == [], "two at once: left behind %r" % left)


def main():
    converter = os.path.abspath(sys.argv[1])
    work = tempfile.mkdtemp(prefix="faults-")
    try:
        convert_into_small_mount(converter, work, "read-only-folder", 1, "1m", read_only=True)
        convert_into_small_mount(converter, work, "disk-full", 120, "48k", read_only=False)
        whole = fault_killed(converter, work)
        fault_two_at_once(converter, work, whole)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    for f in faults:
        print(f)
    print("faults: %d" % len(faults))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
