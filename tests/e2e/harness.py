"""Drives the real program under Wine as a user would: X input through
xdotool, screen pixels through ImageMagick, and the window system's view of
things through a small Windows-side probe in the same Wine prefix."""

import os
import subprocess
import time
import unittest
from pathlib import Path

from session import ROOT, WINE, Session

BUILD = Path(os.environ.get("WATERMARK_BUILD", ROOT / "build" / "win64"))
PROGRAM = BUILD / "Veltrani.exe"
PROBE = BUILD / "tests" / "e2e" / "probe.exe"
FATAL_DEMO = BUILD / "tests" / "e2e" / "fatal_demo.exe"
SETTINGS_TITLE = "Veltrani  byQorvath"


def wait_for(condition, timeout=20.0, interval=0.1):
    return Session.wait_for(condition, timeout, interval)


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"r": "\r", "n": "\n"}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


class Probe:
    def __init__(self, session):
        self.session = session

    def run(self, *args):
        result = subprocess.run([WINE, str(PROBE), *map(str, args)], env=self.session.env,
                                stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
        return result.returncode, result.stdout.decode("utf-8", "replace")

    def fields(self, *args):
        code, out = self.run(*args)
        if code != 0:
            return None
        fields = {}
        for line in out.splitlines():
            key, _, value = line.partition("=")
            value = unescape(value)
            fields.setdefault(key, []).append(value)
        return {k: v[0] if len(v) == 1 else v for k, v in fields.items()}

    def find(self, title, pid=None):
        return self.fields("find", title, *([pid] if pid else []))

    def children(self, hwnd):
        rows = (self.fields("children", hwnd) or {}).get("child", [])
        rows = [rows] if isinstance(rows, str) else rows
        out = []
        for row in rows:
            index, handle, cls, rect, style, exstyle, text = row.split("|", 6)
            out.append(dict(index=int(index), hwnd=handle, cls=cls,
                            rect=tuple(int(v) for v in rect.split(",")),
                            style=int(style, 16), exstyle=int(exstyle, 16), text=text))
        return out

    def focus(self, hwnd):
        return self.fields("focus", hwnd)

    def pixels(self, x, y, w, h):
        rows = (self.fields("pixels", x, y, w, h) or {}).get("row", [])
        rows = [rows] if isinstance(rows, str) else rows
        return [[tuple(int(p[i:i + 2], 16) for i in (0, 2, 4)) for p in row.split()] for row in rows]


class X:
    """Real X input on the session's display."""

    def __init__(self, session):
        self.env = session.env

    def run(self, *args, check=True):
        return subprocess.run(["xdotool", *map(str, args)], env=self.env, stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=30, check=check).stdout.decode().strip()

    def window(self, name):
        ids = wait_for(lambda: self.run("search", "--onlyvisible", "--name", f"^{name}$",
                                        check=False).split())
        return ids[0] if ids else None

    def activate(self, window):
        self.run("windowactivate", "--sync", window, check=False)
        self.run("windowfocus", "--sync", window, check=False)

    def key(self, *keys):
        self.run("key", "--delay", "60", *keys)

    def type(self, text):
        self.run("type", "--delay", "60", "--", text)

    def click(self, x, y, button=1, repeat=1):
        self.run("mousemove", "--sync", x, y)
        self.run("click", "--repeat", repeat, "--delay", "80", button)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", str(path)], env=self.env, check=True,
                       stdin=subprocess.DEVNULL, capture_output=True, timeout=60)

    def paste(self, text):
        """Puts text on the clipboard, as another program would, and presses Ctrl+V."""
        clip = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-loops", "1"],
                                env=self.env, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        clip.stdin.write(text.encode())
        clip.stdin.close()
        time.sleep(0.3)
        self.key("ctrl+v")
        try:
            clip.wait(timeout=5)
        except subprocess.TimeoutExpired:
            clip.kill()


class Program:
    def __init__(self, session, exe=PROGRAM, args=()):
        self.session = session
        self.process = subprocess.Popen([WINE, str(exe), *args], env=session.env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL)

    def wait(self, timeout=30):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def output(self):
        return self.process.stdout.read().decode("utf-8", "replace")

    def running(self):
        return self.process.poll() is None

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        self.process.stdout.close()


class SessionTest(unittest.TestCase):
    """A test case whose class shares one session of the given screen size."""

    size = (1920, 1080)
    tray = True

    @classmethod
    def setUpClass(cls):
        cls.session = Session(*cls.size, tray=cls.tray)
        cls.session.start()
        cls.probe = Probe(cls.session)
        cls.x = X(cls.session)

    @classmethod
    def tearDownClass(cls):
        cls.session.stop()

    def start_program(self, exe=PROGRAM, args=()):
        program = Program(self.session, exe, args)
        self.addCleanup(program.kill)
        return program

    def open_settings(self):
        """Starts the program and waits until its settings window is up and active."""
        program = self.start_program()
        window = wait_for(lambda: self.probe.find(SETTINGS_TITLE))
        self.assertIsNotNone(window, "the settings window did not appear")
        xid = self.x.window(SETTINGS_TITLE)
        self.assertIsNotNone(xid, "the settings window is not mapped")
        self.x.activate(xid)
        return program, window, xid

    def control(self, window, text=None, cls=None):
        for child in self.probe.children(window["hwnd"]):
            if (text is None or child["text"] == text) and (cls is None or child["cls"] == cls):
                return child
        return None

    def focused(self, window):
        return (self.probe.focus(window["hwnd"]) or {}).get("focus")
