"""A private X display with a window manager, a tray host and a Wine server.

Everything it starts it stops again by process id; it never touches another
user's display or Wine processes. Used by the end-to-end tests, by
scripts/test (to give the Windows-side tests a display) and by scripts/run.

    python3 tests/e2e/session.py [--size WxH] [--tray] [--compositor] -- COMMAND...
runs COMMAND inside a session and exits with its code.
"""

import argparse
import os
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
PREFIX = Path(os.environ.get("WATERMARK_WINEPREFIX", ROOT / "build" / "wineprefix"))
WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"

FONT_LINK_KEY = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink"
FONT_LINKED_FACES = ["Tahoma", "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif", "SimSun"]


def wine_environment(display=None):
    env = dict(os.environ)
    env.update(
        WINEPREFIX=str(PREFIX),
        WINEDEBUG="-all",
        WINEDLLOVERRIDES="mscoree,mshtml=",
        WINEARCH="win64",
    )
    if display is not None:
        env["DISPLAY"] = display
    else:
        env.pop("DISPLAY", None)
    return env


def quiet(cmd, env, timeout=120):
    return subprocess.run(cmd, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=timeout).returncode


def prepare_prefix():
    """Creates the project's own Wine prefix once; later runs find it ready."""
    marker = PREFIX / ".watermark-ready"
    if marker.exists():
        return
    PREFIX.parent.mkdir(parents=True, exist_ok=True)
    env = wine_environment()
    quiet([WINE, "wineboot", "-i"], env, timeout=300)
    # Chinese glyphs in the standard controls under any locale, as Windows'
    # own font links give them.
    for face in FONT_LINKED_FACES:
        quiet([WINE, "reg", "add", FONT_LINK_KEY, "/v", face, "/t", "REG_MULTI_SZ", "/d",
               "wqy-microhei.ttc,WenQuanYi Micro Hei", "/f"], env)
    quiet([WINESERVER, "-w"], env, timeout=120)
    marker.write_text("ready\n")


class Session:
    def __init__(self, width=1920, height=1080, tray=True, compositor=False):
        self.width, self.height = width, height
        self.tray, self.compositor = tray, compositor
        self.processes = []
        self.display = None
        self.env = None

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.stop()

    def _spawn(self, cmd, env=None):
        process = subprocess.Popen(cmd, env=env or self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        self.processes.append(process)
        return process

    def start(self):
        prepare_prefix()
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{self.width}x{self.height}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(write_end)
        self.processes.append(xvfb)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        self.env = wine_environment(self.display)
        self._spawn(["openbox", "--sm-disable"])
        if self.compositor:
            self._spawn(["xcompmgr"])
        if self.tray:
            self.start_tray()
        # The Wine server and its services are started with every stream
        # closed, so that nothing that runs later waits on their output.
        quiet([WINESERVER, "-k"], self.env)
        quiet([WINESERVER, "-p"], self.env)
        quiet([WINE, "cmd", "/c", "exit"], self.env)

    def start_tray(self):
        self.tray_process = self._spawn(["trayer", "--edge", "top", "--align", "right",
                                         "--widthtype", "pixel", "--width", "120",
                                         "--heighttype", "pixel", "--height", "24"])

    def restart_tray(self):
        self.stop_process(self.tray_process)
        self.start_tray()

    def stop_process(self, process):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    def stop(self):
        if self.env is not None:
            quiet([WINESERVER, "-k"], self.env)
        for process in reversed(self.processes):
            self.stop_process(process)
        self.processes.clear()

    @staticmethod
    def wait_for(condition, timeout=20.0, interval=0.1):
        deadline = time.monotonic() + timeout
        while True:
            result = condition()
            if result:
                return result
            if time.monotonic() > deadline:
                return result
            time.sleep(interval)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--size", default="1920x1080")
    parser.add_argument("--no-tray", action="store_true")
    parser.add_argument("--compositor", action="store_true")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    width, height = (int(v) for v in args.size.split("x"))
    with Session(width, height, tray=not args.no_tray, compositor=args.compositor) as session:
        return subprocess.run(command, env=session.env, stdin=subprocess.DEVNULL).returncode


if __name__ == "__main__":
    sys.exit(main())
