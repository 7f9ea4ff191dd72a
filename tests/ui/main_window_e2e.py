#!/usr/bin/env python3
"""The main window end to end, with real input from the X server (xdotool)
into the real program under Wine on a virtual desktop of its own.

1. Beside a recording stand-in converter.exe: type a name, press Convert,
   and check what reached the converter (its arguments and working folder),
   also for a name with a blank and a Cyrillic name; the folder holding the
   program has a blank and Cyrillic letters too, and the program is started
   from another folder. Pictures of the window, and of it with its menu open.
2. Beside the real converter.exe (when given): AMR -> WAV and WAV -> AMR,
   checking that valid files appear. The program is started from a folder
   that holds a planted converter.exe (the recording stand-in): it must
   never run; the real one in the program's folder must.

Uses WINEPREFIX and DISPLAY when set; otherwise makes its own and stops
exactly what it started. Every wait is bounded.
"""
import argparse
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import wave

CAPTION = "Converter AMR<->WAV"
# Client places of the controls (96 dpi), centre points.
SOURCE_FIELD = (76, 89)
CONVERT_BUTTON = (76, 148)
WAV_TO_AMR = (152 + 16 + 8, 48 + 48 + 8)
AMR_TO_WAV = (152 + 16 + 8, 48 + 16 + 8)

failures = []


def check(what, condition, detail=""):
    if condition:
        print(f"ok: {what}")
    else:
        print(f"FAILED: {what} {detail}", file=sys.stderr)
        failures.append(what)


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Session:
    def __init__(self, out):
        self.out = out
        self.started = []  # (process, what) we must stop
        self.xvfb = None
        self.own_prefix = False
        self.env = dict(os.environ, WINEARCH="win32", WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
        if not self.env.get("DISPLAY"):
            self.start_xvfb()
        if not self.env.get("WINEPREFIX"):
            self.env["WINEPREFIX"] = os.path.join(out, "wine")
            self.own_prefix = True
        if not os.path.exists(os.path.join(self.env["WINEPREFIX"], "system.reg")):
            os.makedirs(self.env["WINEPREFIX"], exist_ok=True)
            subprocess.run(["wineboot", "--init"], env=self.env, timeout=120,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if self.own_prefix:
            subprocess.run(["wineserver", "-p"], env=self.env, timeout=30)
        self.desktop = "e2e%d" % os.getpid()

    def start_xvfb(self):
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                                      "-nolisten", "tcp"], pass_fds=(write,),
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        number = b""
        deadline = time.time() + 20
        while not number.endswith(b"\n") and time.time() < deadline:
            chunk = os.read(read, 16)
            if not chunk:
                break
            number += chunk
        os.close(read)
        if not number.strip():
            raise SystemExit("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def wine_in_desktop(self, program, *arguments, cwd=None):
        command = ["wine", "explorer", f"/desktop={self.desktop},1024x768", program, *arguments]
        process = subprocess.Popen(command, env=self.env, cwd=cwd or self.out,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.started.append(process)
        return process

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=self.env, timeout=30, check=False)

    def screenshot(self, path, box):
        left, top, right, bottom = box
        subprocess.run(["import", "-window", "root", "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                        "+repage", path], env=self.env, timeout=60, check=False)

    def stop(self):
        for process in self.started:
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
        if self.own_prefix:
            subprocess.run(["wineserver", "-k"], env=self.env, timeout=30, check=False)
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait(10)


class MainWindow:
    def __init__(self, session, locator, folder, program, cwd=None):
        self.session, self.locator, self.folder = session, locator, folder
        self.process = session.wine_in_desktop(windows_path(program), cwd=cwd or session.out)
        self.place = None

    def ask(self, question):
        answer = os.path.join(self.session.out, "locator-answer.txt")
        if os.path.exists(answer):
            os.remove(answer)
        self.session.wine_in_desktop(windows_path(self.locator), windows_path(answer), question, CAPTION)
        deadline = time.time() + 30
        while time.time() < deadline:
            if os.path.exists(answer):
                with open(answer, encoding="utf-8") as f:
                    return f.read().rstrip("\n")
            time.sleep(0.2)
        return "none"

    def wait_shown(self):
        deadline = time.time() + 60
        while time.time() < deadline:
            answer = self.ask("find")
            if answer != "none":
                self.place = [int(v) for v in answer.split()]
                time.sleep(1)  # painted
                return True
            time.sleep(0.5)
        return False

    def point(self, client):
        return self.place[4] + client[0], self.place[5] + client[1]

    def click(self, client):
        x, y = self.point(client)
        self.session.xdotool("mousemove", str(x), str(y), "click", "1")
        time.sleep(0.5)

    def set_source(self, text):
        # Letters outside the X keymap are typed through a keycode that
        # xdotool remaps for a moment; under load one may be lost, so type
        # again, slower, until the field holds the text.
        for delay in (40, 150, 400):
            self.click(SOURCE_FIELD)
            self.session.xdotool("key", "End")
            self.session.xdotool("key", "--repeat", "40", "--delay", "10", "BackSpace")
            self.session.xdotool("type", "--delay", str(delay), text)
            time.sleep(0.5)
            if self.ask("text") == "text:" + text:
                return True
        check(f"'{text}' can be typed into the source field", False, self.ask("text"))
        return False

    def window_box(self, extra_below=0):
        left, top, right, bottom = self.place[:4]
        return left, top, right, bottom + extra_below

    def close(self):
        self.ask("close")
        try:
            self.process.wait(20)
        except subprocess.TimeoutExpired:
            pass


def wait_for(predicate, seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if predicate():
            return True
        time.sleep(0.3)
    return predicate()


def received(folder):
    path = os.path.join(folder, "received.txt")
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    return {"folder": lines[0], "arguments": [line for line in lines[1:] if line]}


def with_recording_converter(session, args):
    folder = os.path.join(session.out, "папка с программой")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    program = os.path.join(folder, "ConverterAmrWav.exe")
    shutil.copy(args.program, program)
    shutil.copy(args.recorder, os.path.join(folder, "converter.exe"))
    window = MainWindow(session, args.locator, folder, program)
    if not window.wait_shown():
        check("the main window appears", False)
        return
    session.screenshot(os.path.join(session.out, "main-window.png"), window.window_box())

    cases = [
        ("voice.amr", ["amr2wav", "voice.amr", "voice.wav"]),
        ("my voice.amr", ["amr2wav", "my voice.amr", "my voice.wav"]),
        ("запись.amr", ["amr2wav", "запись.amr", "запись.wav"]),
    ]
    for typed, expected in cases:
        record = os.path.join(folder, "received.txt")
        if os.path.exists(record):
            os.remove(record)
        window.set_source(typed)
        window.click(CONVERT_BUTTON)
        wait_for(lambda: received(folder) is not None, 30)
        got = received(folder)
        check(f"'{typed}' reaches the converter as {expected}", got and got["arguments"] == expected, repr(got))
        if got:
            check(f"the converter for '{typed}' runs in the program's folder",
                  got["folder"].rstrip("\\").lower() == windows_path(folder).lower(), got["folder"])

    window.set_source("voice.amr")
    x, y = window.point((14, -9))  # "Файл" on the menu bar, just above the client area
    session.xdotool("mousemove", str(x), str(y), "click", "1")
    time.sleep(1.5)
    session.screenshot(os.path.join(session.out, "main-window-menu.png"), window.window_box(extra_below=140))
    session.xdotool("key", "Escape")
    session.xdotool("key", "Escape")
    window.close()
    check("the main window closes and the program ends", window.process.poll() is not None)


def valid_wav(path):
    try:
        with wave.open(path, "rb") as w:
            return w.getnframes() > 0 and w.getframerate() > 0
    except (OSError, wave.Error, EOFError):
        return False


def valid_amr(path):
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError:
        return False
    return data.startswith(b"#!AMR\n") and len(data) > 6 + 27


def stable(path):
    if not os.path.exists(path):
        return False
    size = os.path.getsize(path)
    time.sleep(0.5)
    return size > 0 and os.path.getsize(path) == size


def with_real_converter(session, args):
    folder = os.path.join(session.out, "real converter")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    program = os.path.join(folder, "ConverterAmrWav.exe")
    shutil.copy(args.program, program)
    shutil.copy(args.converter, os.path.join(folder, "converter.exe"))
    tone = os.path.join(folder, "tone.wav")
    subprocess.run(["sox", "-n", "-r", "8000", "-c", "1", "-b", "16", tone, "synth", "1", "sine", "440"],
                   check=True, timeout=60)
    for name in ("voice.amr", "запись.amr", "my voice.amr"):
        subprocess.run(["sox", tone, "-t", "amr-nb", os.path.join(folder, name)], check=True, timeout=60)
    # The current folder of the program holds a planted converter.exe and
    # the same sound files, as a downloads folder might.
    planted = os.path.join(session.out, "planted")
    shutil.rmtree(planted, ignore_errors=True)
    os.makedirs(planted)
    shutil.copy(args.recorder, os.path.join(planted, "converter.exe"))
    for name in ("voice.amr", "tone.wav"):
        shutil.copy(os.path.join(folder, name), planted)

    window = MainWindow(session, args.locator, folder, program, cwd=planted)
    if not window.wait_shown():
        check("the main window appears beside the real converter", False)
        return
    for source, target in (("voice.amr", "voice.wav"), ("запись.amr", "запись.wav"), ("my voice.amr", "my voice.wav")):
        window.set_source(source)
        window.click(CONVERT_BUTTON)
        path = os.path.join(folder, target)
        wait_for(lambda: stable(path), 60)
        check(f"{source} becomes a valid {target}", valid_wav(path))
    window.click(WAV_TO_AMR)
    window.set_source("tone.wav")
    window.click(CONVERT_BUTTON)
    path = os.path.join(folder, "tone.amr")
    wait_for(lambda: stable(path), 60)
    check("tone.wav becomes a valid tone.amr", valid_amr(path))
    window.close()
    check("the planted converter.exe in the current folder never ran",
          not os.path.exists(os.path.join(planted, "received.txt")))
    check("nothing was converted in the current folder",
          sorted(os.listdir(planted)) == ["converter.exe", "tone.wav", "voice.amr"], repr(os.listdir(planted)))


def main():
    parser = argparse.ArgumentParser()
    for name in ("program", "recorder", "locator", "out"):
        parser.add_argument("--" + name, required=True)
    parser.add_argument("--converter")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    args.out = os.path.abspath(args.out)
    session = Session(args.out)
    try:
        with_recording_converter(session, args)
        if args.converter and os.path.exists(args.converter):
            with_real_converter(session, args)
        else:
            print("skipped: no real converter.exe given")
    finally:
        session.stop()
    print(f"pictures: {args.out}/main-window.png, {args.out}/main-window-menu.png")
    if failures:
        print(f"{len(failures)} check(s) failed", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
