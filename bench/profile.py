#!/usr/bin/env python3
"""Shows where Add spends its time: runs each program once under Wine's relay
trace, limited to the calls that the programs themselves make, and prints the
calls and window procedures of the Add that took at least --least ms, nested,
with their start (ms after the key press) and duration.

    python3 bench/profile.py [--size 3840x2160] [--least 3]

The trace slows small calls down; the large ones (painting, copying, waiting
on other processes) keep their proportions. Build first with bench/run.py.
"""

import argparse
import os
import re
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
os.environ["WATERMARK_WINEPREFIX"] = str(ROOT / "build" / "bench-prefix")
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.path.insert(0, str(Path(__file__).resolve().parent))
from session import WINE, Session  # noqa: E402
from xdisplay import Display  # noqa: E402
import run  # noqa: E402

DEBUG_KEY = r"HKCU\Software\Wine\Debug"
LINE = re.compile(r"^(\d+\.\d+):\w+:(Call|Ret)\s+(.*)$")


def trace(session, display, subject, log_path):
    env = dict(session.env, WINEDEBUG="+timestamp,+relay")
    with open(log_path, "w") as log:
        process = subprocess.Popen([WINE, str(subject.exe)], env=env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=log)
        window = Session.wait_for(lambda: display.viewable_window(subject.title), 120, 0.01)
        run.xdotool(session, "windowactivate", "--sync", window)
        time.sleep(2)
        for key in subject.preparation:
            run.xdotool(session, "key", key)
            time.sleep(0.06)
        time.sleep(1)
        log.flush()
        start = os.path.getsize(log_path)
        display.tap(run.KEYSYM_SPACE)
        Session.wait_for(lambda: display.has_colour(*run.TEXT_AREA, run.TEXT_COLOUR), 120, 0.003)
        time.sleep(1)
        log.flush()
        end = os.path.getsize(log_path)
        run.end(session, process)
    with open(log_path, "rb") as log:
        log.seek(start)
        return log.read(end - start).decode("utf-8", "replace").splitlines()


def calls(lines):
    """(start, depth, name, duration) of every call, in order, times in ms."""
    stack, out, first = [], [], None
    for line in lines:
        match = LINE.match(line)
        if not match:
            continue
        t, kind, rest = float(match.group(1)) * 1000, match.group(2), match.group(3)
        first = t if first is None else first
        message = re.search(r"msg=(\w+)", rest)
        name = f"window procedure {message.group(1)}" if rest.startswith("window proc") and \
            message else rest.split("(")[0]
        if kind == "Call":
            stack.append((name, t, len(out)))
            out.append(None)
            continue
        while stack and stack[-1][0] != name:
            stack.pop()
        if stack:
            _, began, index = stack.pop()
            out[index] = (began - first, len(stack), name, t - began)
    return [c for c in out if c]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--size", default="3840x2160")
    parser.add_argument("--least", type=float, default=3.0, help="shortest call shown, ms")
    args = parser.parse_args()
    width, height = (int(v) for v in args.size.split("x"))
    names = ";".join(s.exe.name.lower() for s in run.SUBJECTS)
    with Session(width, height) as session, Display(session.display) as display:
        subprocess.run([WINE, "reg", "add", DEBUG_KEY, "/v", "RelayFromInclude", "/t", "REG_SZ",
                        "/d", names, "/f"], env=session.env, capture_output=True)
        try:
            for subject in run.SUBJECTS:
                lines = trace(session, display, subject, run.BUILD / f"relay-{subject.name}.log")
                print(f"{subject.name} at {width}x{height}:")
                for began, depth, name, took in calls(lines):
                    if took >= args.least:
                        print(f"  {began:7.0f} ms  {'  ' * depth}{name}  {took:.0f} ms")
        finally:
            subprocess.run([WINE, "reg", "delete", DEBUG_KEY, "/v", "RelayFromInclude", "/f"],
                           env=session.env, capture_output=True)


if __name__ == "__main__":
    main()
