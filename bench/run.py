#!/usr/bin/env python3
"""Measures the program against the reference, the least Win32 program that
does the same visible job, under Wine on private X displays of several sizes,
and writes docs/PERFORMANCE.md and docs/performance.png.

    python3 bench/run.py [--sizes 1366x768,1920x1080] [--repeat 5] [--idle 30] [--no-build]
    python3 bench/run.py --report-only

The figures of the last run are kept in build/bench/bench-results.json.

Every figure is the median of --repeat runs; the runs of the two programs
alternate, so that a disturbance of the machine falls on both.
"""

import argparse
import datetime
import json
import os
import platform
import re
import statistics
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
BUILD = ROOT / "build" / "bench"
DOC = ROOT / "docs" / "PERFORMANCE.md"
PLOT = ROOT / "docs" / "performance.png"
RESULTS = BUILD / "bench-results.json"
SIZES = "1366x768,1920x1080,3840x2160,7680x4320"

TEXT_COLOUR = (0x16, 0xAF, 0xF1)  # COLORREF 0x00F1AF16 as the screen shows it
TEXT_AREA = (0, 0, 240, 48)  # where both programs draw the text
KEYSYM_SPACE = 0x20
SETTLE = 2.0  # seconds after the watermark shows before "settled" is read
MB = 1e6
KIB = 1024
EXE_LIMIT = 400 * KIB


@dataclass
class Subject:
    name: str
    exe: Path
    title: str
    # Keys typed into the settings window before Add, outside every clock.
    preparation: tuple


SUBJECTS = [
    # The position boxes are emptied (0, 0) so that the text is on screen at
    # every size, as the reference draws it: from the button, four Tabs reach
    # the X box, one more the Y box, and one more returns to the button.
    Subject("Veltrani", BUILD / "Veltrani.exe", "Veltrani  byQorvath",
            ("Tab", "Tab", "Tab", "Tab", "BackSpace", "Tab", "BackSpace", "Tab")),
    Subject("Reference", BUILD / "bench" / "reference.exe", "Reference", ()),
]


def arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sizes", default=SIZES, help="comma-separated WxH screen sizes")
    parser.add_argument("--repeat", type=int, default=5, help="runs per program and size")
    parser.add_argument("--idle", type=float, default=30.0, help="idle seconds with the overlay up")
    parser.add_argument("--no-build", action="store_true", help="use the executables as built")
    parser.add_argument("--report-only", action="store_true",
                        help="rewrite the page and the plot from the last run's figures")
    parser.add_argument("--prefix", default=str(ROOT / "build" / "bench-prefix"),
                        help="Wine prefix of its own, so that no other Wine user is disturbed")
    return parser.parse_args()


ARGS = arguments() if __name__ == "__main__" else None
# session.py reads the prefix when it is imported.
os.environ["WATERMARK_WINEPREFIX"] = ARGS.prefix if ARGS else str(ROOT / "build" / "bench-prefix")
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
sys.path.insert(0, str(Path(__file__).resolve().parent))
from session import PREFIX, WINE, Session  # noqa: E402
from xdisplay import Display  # noqa: E402
import plot  # noqa: E402


def build():
    if not (BUILD / "build.ninja").exists():
        subprocess.run(["cmake", "-S", ROOT, "-B", BUILD, "-G", "Ninja", "--toolchain",
                        ROOT / "cmake" / "mingw-x86_64.cmake", "-DCMAKE_BUILD_TYPE=MinSizeRel"],
                       check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", BUILD, "--target", "Veltrani", "reference", "probe"],
                   check=True, stdout=subprocess.DEVNULL)


# --- what /proc says about a process ----------------------------------------

def status(pid, task=None):
    path = f"/proc/{pid}/task/{task}/status" if task else f"/proc/{pid}/status"
    with open(path) as f:
        return dict(line.split(":", 1) for line in f if ":" in line)


def kilobytes(pid, field):
    return int(status(pid)[field].split()[0])


def cpu_ms(pid):
    """User plus system time of every thread of the process so far."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * 1000 / os.sysconf("SC_CLK_TCK")


def wakeups(pid):
    """Context switches of every thread, voluntary and involuntary: each is a
    time the process ran."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            s = status(pid, task)
        except FileNotFoundError:
            continue
        total += int(s["voluntary_ctxt_switches"]) + int(s["nonvoluntary_ctxt_switches"])
    return total


def reset_peak(pid):
    # Writing 5 sets the VmHWM high-water mark back to the present VmRSS.
    with open(f"/proc/{pid}/clear_refs", "w") as f:
        f.write("5")


def session_processes(session, program_pid):
    """The session's other processes: the X server, window manager and tray
    host, and every Wine process of the prefix but the program."""
    pids = [p.pid for p in session.processes]
    marker = f"WINEPREFIX={PREFIX}".encode()
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) in (program_pid, os.getpid()):
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                if marker in f.read().split(b"\0") and int(entry) not in pids:
                    pids.append(int(entry))
        except OSError:
            continue
    return pids


def usage(pids):
    cpu, wake = 0.0, 0
    for pid in pids:
        try:
            cpu += cpu_ms(pid)
            wake += wakeups(pid)
        except (FileNotFoundError, ProcessLookupError):
            continue
    return cpu, wake


def memory_map(pid):
    """Resident kilobytes by what is mapped: a file by its name, shared memory,
    and anonymous memory in blocks of at least 1 MB apart from the rest."""
    groups = {}
    name, anonymous_size = None, 0
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            head = line.split()
            if re.match(r"^[0-9a-f]+-[0-9a-f]+ ", line):
                start, end = (int(v, 16) for v in head[0].split("-"))
                path = head[5] if len(head) > 5 else ""
                anonymous_size = end - start
                if path.startswith("/SYSV"):
                    name = "shared memory (X images of window surfaces)"
                elif path.startswith("/"):
                    name = Path(path).name
                elif path:
                    name = path
                else:
                    name = None
            elif head[0] == "Rss:":
                kb = int(head[1])
                key = name
                if key is None:
                    key = ("anonymous blocks >= 1 MB" if anonymous_size >= MB
                           else "anonymous, small")
                groups[key] = groups.get(key, 0) + kb
    return groups


def big_blocks(pid):
    """Sizes in bytes of the anonymous mappings of at least 1 MB that are resident."""
    out, size, path = [], 0, ""
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            head = line.split()
            if re.match(r"^[0-9a-f]+-[0-9a-f]+ ", line):
                start, end = (int(v, 16) for v in head[0].split("-"))
                size, path = end - start, head[5] if len(head) > 5 else ""
            elif head[0] == "Rss:" and not path and size >= MB and int(head[1]) * KIB >= MB:
                out.append((size, int(head[1]) * KIB))
    return sorted(out, reverse=True)


# --- driving the programs ---------------------------------------------------

def xdotool(session, *args):
    return subprocess.run(["xdotool", *map(str, args)], env=session.env, capture_output=True,
                          text=True, timeout=30).stdout


def tray_icons(session):
    """Centres of the docked notification icons: small viewable windows of Wine's explorer."""
    icons = []
    for xid in xdotool(session, "search", "--onlyvisible", "--class", "explorer.exe").split():
        values = dict(line.split("=", 1) for line in
                      xdotool(session, "getwindowgeometry", "--shell", xid).split())
        if values and 8 <= int(values["WIDTH"]) <= 64 and 8 <= int(values["HEIGHT"]) <= 64:
            icons.append((int(values["X"]) + int(values["WIDTH"]) // 2,
                          int(values["Y"]) + int(values["HEIGHT"]) // 2))
    return icons


def probe(session, *args):
    result = subprocess.run([WINE, str(BUILD / "tests" / "e2e" / "probe.exe"), *map(str, args)],
                            env=session.env, capture_output=True, text=True, timeout=60)
    return dict(line.split("=", 1) for line in result.stdout.splitlines() if "=" in line)


def end(session, process):
    """Ends the program as a user does, with a left double-click on its tray icon."""
    icons = Session.wait_for(lambda: tray_icons(session), 10, 0.2)
    if icons:
        x, y = icons[0]
        xdotool(session, "mousemove", "--sync", x, y)
        xdotool(session, "click", "--repeat", 2, "--delay", 80, 1)
    # The pointer leaves the tray, lest the next icon show its tooltip while idle.
    xdotool(session, "mousemove", "--sync", session.width // 2, session.height // 2)
    try:
        process.wait(timeout=15)
        clean = True
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
        clean = False
    Session.wait_for(lambda: not tray_icons(session), 10, 0.2)
    return clean


def start(session, subject):
    return subprocess.Popen([WINE, str(subject.exe)], env=session.env, stdin=subprocess.DEVNULL,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def one_run(session, display, subject, idle, check):
    t0 = time.monotonic()
    process = start(session, subject)
    window = Session.wait_for(lambda: display.viewable_window(subject.title), 60, 0.005)
    started = time.monotonic() - t0
    if not window:
        process.kill()
        raise RuntimeError(f"{subject.name}: no window titled {subject.title!r}")
    pid = process.pid
    start_cpu = cpu_ms(pid)
    xdotool(session, "windowactivate", "--sync", window)
    time.sleep(1.0)
    for key in subject.preparation:
        xdotool(session, "key", key)
        time.sleep(0.06)
    time.sleep(0.5)

    others = session_processes(session, pid)
    before = kilobytes(pid, "VmRSS")
    reset_peak(pid)
    add_cpu0, add_others0 = cpu_ms(pid), usage(others)[0]
    t1 = time.monotonic()
    display.tap(KEYSYM_SPACE)
    shown = Session.wait_for(lambda: display.has_colour(*TEXT_AREA, TEXT_COLOUR), 120, 0.003)
    added = time.monotonic() - t1
    add_cpu, add_others = cpu_ms(pid) - add_cpu0, usage(others)[0] - add_others0
    if not shown:
        process.kill()
        raise RuntimeError(f"{subject.name}: the watermark did not show")
    time.sleep(SETTLE)
    peak, settled = kilobytes(pid, "VmHWM"), kilobytes(pid, "VmRSS")
    blocks = big_blocks(pid)
    groups = memory_map(pid)
    facts = {}
    if check:
        # The probe speaks Windows process ids, which are not Linux's.
        windows_pid = probe(session, "find", subject.title).get("pid")
        overlay = probe(session, "find", "", windows_pid) if windows_pid else {}
        facts = {k: overlay.get(k) for k in ("rect", "exstyle", "layered")}

    cpu0, wake0 = cpu_ms(pid), wakeups(pid)
    other_cpu0, other_wake0 = usage(others)
    time.sleep(idle)
    cpu1, wake1 = cpu_ms(pid), wakeups(pid)
    other_cpu1, other_wake1 = usage(others)

    clean = end(session, process)
    return dict(start_ms=started * 1000, start_cpu_ms=start_cpu, add_ms=added * 1000,
                add_cpu_ms=add_cpu, add_others_cpu_ms=add_others, before_mb=before * KIB / MB,
                peak_mb=peak * KIB / MB, settled_mb=settled * KIB / MB,
                idle_cpu_ms=cpu1 - cpu0, idle_wakeups=wake1 - wake0,
                others_cpu_ms=other_cpu1 - other_cpu0, others_wakeups=other_wake1 - other_wake0,
                clean_exit=clean, blocks=blocks, groups=groups, facts=facts)


def warm_up(session, display, subject):
    """One untimed start, so that the first timed one does not pay for a cold file cache."""
    process = start(session, subject)
    Session.wait_for(lambda: display.viewable_window(subject.title), 60, 0.05)
    time.sleep(0.5)
    process.kill()
    process.wait()


def measure_size(width, height, repeat, idle):
    runs = {s.name: [] for s in SUBJECTS}
    with Session(width, height, tray=True) as session, Display(session.display) as display:
        for subject in SUBJECTS:
            warm_up(session, display, subject)
        for i in range(repeat):
            for subject in SUBJECTS:
                run = one_run(session, display, subject, idle, check=i == 0)
                runs[subject.name].append(run)
                print(f"  {width}x{height} {subject.name:9} run {i + 1}: "
                      f"start {run['start_ms']:.0f} ms, Add {run['add_ms']:.0f} ms, "
                      f"settled {run['settled_mb']:.1f} MB, peak {run['peak_mb']:.1f} MB, "
                      f"idle {run['idle_cpu_ms']:.0f} ms CPU / {run['idle_wakeups']} wake-ups",
                      flush=True)
    return runs


NUMERIC = ("start_ms", "start_cpu_ms", "add_ms", "add_cpu_ms", "add_others_cpu_ms", "before_mb", "peak_mb", "settled_mb", "idle_cpu_ms",
           "idle_wakeups", "others_cpu_ms", "others_wakeups")


def medians(runs):
    out = {key: statistics.median(r[key] for r in runs) for key in NUMERIC}
    out["clean_exit"] = all(r["clean_exit"] for r in runs)
    out["blocks"] = runs[-1]["blocks"]
    out["groups"] = runs[-1]["groups"]
    out["facts"] = runs[0]["facts"]
    return out


# --- the report --------------------------------------------------------------

def picture_mb(size):
    return size[0] * size[1] * 3 / MB


def linear_fit(xs, ys):
    """Least squares line: (intercept, slope, R squared)."""
    mx, my = statistics.fmean(xs), statistics.fmean(ys)
    sxx = sum((x - mx) ** 2 for x in xs)
    slope = sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / sxx
    intercept = my - slope * mx
    total = sum((y - my) ** 2 for y in ys)
    residual = sum((y - intercept - slope * x) ** 2 for x, y in zip(xs, ys))
    return intercept, slope, 1 - residual / total if total else 1.0


def verdict(ok):
    return "pass" if ok else "**fail**"


def file_size(path):
    return path.stat().st_size if path.exists() else None


def machine_facts():
    cpu = "unknown"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    wine = subprocess.run([WINE, "--version"], capture_output=True, text=True).stdout.strip()
    with open("/proc/loadavg") as f:
        load = " ".join(f.read().split()[:3])
    return dict(date=datetime.datetime.now().strftime("%Y-%m-%d %H:%M"), nproc=os.cpu_count(),
                cpu=cpu, wine=wine, kernel=platform.release(), load=load,
                memory=f"{os.sysconf('SC_PAGE_SIZE') * os.sysconf('SC_PHYS_PAGES') / 2**30:.0f} GiB")


def targets(results, sizes, exes):
    rows = []
    program, reference = SUBJECTS[0].name, SUBJECTS[1].name
    for size in sizes:
        p, r = results[size][program], results[size][reference]
        label = f"{size[0]}x{size[1]}"
        ratio = p["start_ms"] / r["start_ms"]
        rows.append((f"start-up within 1.2x the reference, {label}", f"{ratio:.2f}x",
                     verdict(ratio <= 1.2)))
    for size in sizes:
        if size == (3840, 2160):
            ratio = results[size][program]["add_ms"] / results[size][reference]["add_ms"]
            rows.append(("Add to watermark within 1.5x the reference, 3840x2160",
                         f"{ratio:.2f}x", verdict(ratio <= 1.5)))
    for size in sizes:
        p, r = results[size][program], results[size][reference]
        ratio = p["settled_mb"] / r["settled_mb"]
        rows.append((f"settled memory within 1.1x the reference, {size[0]}x{size[1]}",
                     f"{ratio:.2f}x ({p['settled_mb'] - r['settled_mb']:+.1f} MB)",
                     verdict(ratio <= 1.1)))
    for size in sizes:
        p = results[size][program]
        above = (p["peak_mb"] - p["settled_mb"]) / picture_mb(size)
        rows.append((f"peak at most 2 pictures above settled, {size[0]}x{size[1]}",
                     f"{above:.2f} pictures", verdict(above <= 2)))
    if len(sizes) >= 3:
        # The Add cost is the program's CPU time: its wall-clock time moves with
        # whatever else the machine runs, and its R² is shown beside.
        xs = [w * h / 1e6 for w, h in sizes]
        _, slope, r2 = linear_fit(xs, [results[s][program]["add_cpu_ms"] for s in sizes])
        wall = linear_fit(xs, [results[s][program]["add_ms"] for s in sizes])[2]
        rows.append(("Add CPU time linear in pixels (R² ≥ 0.99)",
                     f"R² = {r2:.4f}, {slope:.1f} ms per Mpx (wall clock: R² = {wall:.4f})",
                     verdict(r2 >= 0.99)))
        _, slope, r2 = linear_fit(xs, [results[s][program]["settled_mb"] for s in sizes])
        rows.append(("settled memory linear in pixels (R² ≥ 0.99)",
                     f"R² = {r2:.4f}, {slope:.1f} MB per Mpx", verdict(r2 >= 0.99)))
    for size in sizes:
        p = results[size][program]
        rows.append((f"zero CPU and wake-ups while idle, {size[0]}x{size[1]}",
                     f"{p['idle_cpu_ms']:.0f} ms, {p['idle_wakeups']:.0f} wake-ups",
                     verdict(p["idle_cpu_ms"] == 0 and p["idle_wakeups"] == 0)))
    size = exes["Veltrani.exe (x86_64)"]
    rows.append(("exe, icon included, under 400 KB (409,600 bytes)", f"{size:,} bytes",
                 verdict(size < EXE_LIMIT)))
    if exes.get("Veltrani.exe (i686, build/win32)"):
        size = exes["Veltrani.exe (i686, build/win32)"]
        rows.append(("i686 exe under 400 KB", f"{size:,} bytes", verdict(size < EXE_LIMIT)))
    return rows


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    lines += ["| " + " | ".join(str(c) for c in row) + " |" for row in rows]
    return "\n".join(lines)


def figures_rows(results, sizes):
    rows = []
    for size in sizes:
        pic = picture_mb(size)
        ref = results[size][SUBJECTS[1].name]
        for subject in SUBJECTS:
            m = results[size][subject.name]
            ratio = "" if subject is SUBJECTS[1] else (
                f"{m['start_ms'] / ref['start_ms']:.2f}x / {m['add_ms'] / ref['add_ms']:.2f}x / "
                f"{m['settled_mb'] / ref['settled_mb']:.2f}x")
            rows.append((f"{size[0]}x{size[1]}", subject.name,
                         f"{m['start_ms']:.0f} ({m['start_cpu_ms']:.0f})",
                         f"{m['add_ms']:.0f} ({m['add_cpu_ms']:.0f} / {m['add_others_cpu_ms']:.0f})",
                         f"{m['before_mb']:.1f}",
                         f"{m['peak_mb']:.1f} ({m['peak_mb'] / pic:.1f})",
                         f"{m['settled_mb']:.1f} ({m['settled_mb'] / pic:.1f})",
                         f"{(m['settled_mb'] - m['before_mb']) * MB / (size[0] * size[1]):.1f}",
                         f"{m['idle_cpu_ms']:.0f}", f"{m['idle_wakeups']:.0f}",
                         f"{m['others_cpu_ms']:.0f} / {m['others_wakeups']:.0f}", ratio))
    return rows


FIGURE_HEADER = ("screen", "program", "start ms (CPU)", "Add ms (CPU: own / rest)", "before MB",
                 "peak MB (pictures)", "settled MB (pictures)", "Add bytes/pixel",
                 "idle CPU ms", "idle wake-ups", "rest of session idle CPU ms / wake-ups",
                 "vs reference: start / Add / settled")


def memory_rows(results, size):
    groups = {s.name: results[size][s.name]["groups"] for s in SUBJECTS}
    names = sorted(set().union(*groups.values()),
                   key=lambda n: -max(g.get(n, 0) for g in groups.values()))
    rows = []
    for name in names:
        values = [groups[s.name].get(name, 0) * KIB / MB for s in SUBJECTS]
        if max(values) >= 0.5:
            rows.append((name, *(f"{v:.1f}" for v in values), f"{values[0] - values[1]:+.1f}"))
    return rows


def report(results, sizes, idle, repeat, exes, facts):
    program, reference = SUBJECTS[0].name, SUBJECTS[1].name
    largest = max(sizes, key=lambda s: s[0] * s[1])
    blocks = {s.name: results[largest][s.name]["blocks"] for s in SUBJECTS}
    overlay = {s.name: results[sizes[0]][s.name]["facts"] for s in SUBJECTS}
    exe_rows = [(name, f"{size:,}", f"{size / KIB:.0f} KiB") for name, size in exes.items() if size]
    clean = all(results[s][n]["clean_exit"] for s in sizes for n in (program, reference))
    text = f"""# Performance

The program against a reference: `bench/reference/reference.cpp`, the least
Win32 program that does the same visible job (a window with one focused
button; Add hides it and shows a screen-sized, topmost, click-through layered
window with colour key 0x00FF8800 and opacity 100, painted from a screen-sized
24-bit DIB with the line of text at its top-left; a tray icon whose
double-click ends it). Both are built the same way (MinSizeRel, x86_64,
`-static`) and run under Wine on a private Xvfb display with openbox and
trayer, without a compositor.

Regenerate this page and `docs/performance.png` with

```sh
python3 bench/run.py                  # every size, {repeat} runs, {idle:g} s idle
python3 bench/run.py --sizes 1920x1080 --repeat 3 --idle 10   # a quick look
python3 bench/run.py --report-only    # rewrite both from the last run's figures
```

It builds both programs in `build/bench` and uses its own Wine prefix,
`build/bench-prefix`, so it can run beside the tests.

Measured {facts['date']} on {facts['nproc']} × {facts['cpu']}, {facts['memory']},
Linux {facts['kernel']}, {facts['wine']}; load average at the end {facts['load']}
(other work may share the machine: times are medians of {repeat} runs, the
programs' runs alternating). Every exit was {'by the tray icon' if clean else
'by the tray icon, except runs that had to be killed'}.

## Targets

{table(("target", "measured", "verdict"), targets(results, sizes, exes))}

## Figures

Medians of {repeat} runs. A *picture* is one screen-sized 24-bit image,
width × height × 3 bytes; MB are 10⁶ bytes.

{table(FIGURE_HEADER, figures_rows(results, sizes))}

![Add latency and settled memory against screen pixels](performance.png)

## Executables

{table(("file", "bytes", "size"), exe_rows)}

## Where the memory goes at {largest[0]}x{largest[1]}

Resident MB after Add has settled, by mapping (`/proc/PID/smaps`), last run:

{table(("mapping", program, reference, "difference"), memory_rows(results, largest))}

Anonymous blocks of at least 1 MB (size, resident), in bytes; a picture is
{largest[0] * largest[1] * 3:,} bytes, Wine's window surface (32 bits a
pixel) {largest[0] * largest[1] * 4:,}:

- {program}: {", ".join(f"{s:,} ({r:,})" for s, r in blocks[program]) or "none"}
- {reference}: {", ".join(f"{s:,} ({r:,})" for s, r in blocks[reference]) or "none"}

The overlays as the window system sees them ({sizes[0][0]}x{sizes[0][1]}, first
run): {program} {overlay[program]}, {reference} {overlay[reference]}.

## What each figure is

- **start**: from starting `wine64 EXE` to the first window, titled as the
  program titles it, being viewable on the X display (polled every 5 ms
  through libX11). In brackets the CPU time the process had used by then.
- **Add**: from the XTEST press and release of Space on the focused Add
  button to the text colour 0x00F1AF16 showing in the screen area
  {TEXT_AREA[2]}x{TEXT_AREA[3]} at the top-left corner (the root window read
  every 3 ms). The program's position boxes are emptied beforehand so that
  both draw at (0, 0). In brackets the CPU time spent meanwhile by the
  program and by the rest of the session (mostly the X server). CPU times
  move far less than wall-clock times when other work shares the machine.
- **before / peak / settled**: VmRSS of the program's process just before Add;
  VmHWM, reset just before Add (`clear_refs`), read {SETTLE:g} s after the
  watermark showed; VmRSS at that moment. Under Wine 8 the `wine64 EXE`
  process is the Windows process itself (one Linux thread here).
- **Add bytes/pixel**: (settled − before) / screen pixels: what the overlay
  costs for each pixel of the screen.
- **idle CPU / wake-ups**: utime + stime (`/proc/PID/stat`, 10 ms ticks) and
  voluntary + involuntary context switches summed over `/proc/PID/task/*`
  during {idle:g} s with the overlay up and nothing happening. *Rest of
  session* is the same for Xvfb, openbox, trayer and the prefix's other Wine
  processes (wineserver, explorer with the tray, services): the share of
  the floor that is not the program's own.

## The targets

- Start-up within 1.2 times the reference's at every size.
- Add to watermark within 1.5 times the reference's at 3840x2160.
- Settled memory after Add within 1.1 times the reference's at every size.
- The peak during Add at most two pictures above the settled memory.
- Cost growing linearly with the pixels: a straight line through the sizes
  explains the program's CPU time for Add and its settled memory (R² ≥ 0.99).
- No CPU time and no wake-ups while idle. Wine itself may wake a process;
  the reference shows that floor.
- The shipped executable, icon included, under 400 KB (409,600 bytes).
"""
    DOC.write_text(text)


def draw(results, sizes):
    series = {key: [(s.name, [(w * h / 1e6, results[(w, h)][s.name][key]) for w, h in sizes])
                    for s in SUBJECTS] for key in ("add_ms", "settled_mb")}
    plot.draw(PLOT, [("Add to watermark", "ms", series["add_ms"]),
                     ("Settled memory after Add", "MB", series["settled_mb"])])


def print_summary(results, sizes, exes):
    print()
    for row in [FIGURE_HEADER] + figures_rows(results, sizes):
        print("  ".join(f"{c:>10}" if i > 1 else f"{c:10}" for i, c in enumerate(row)))
    print()
    for name, value, ok in targets(results, sizes, exes):
        print(f"{ok.strip('*'):5} {name}: {value}")


def measure(sizes):
    exes = {"Veltrani.exe (x86_64)": file_size(BUILD / "Veltrani.exe"),
            "Veltrani.exe (i686, build/win32)": file_size(ROOT / "build" / "win32" / "Veltrani.exe"),
            "reference.exe (x86_64)": file_size(SUBJECTS[1].exe)}
    results = {}
    for width, height in sizes:
        print(f"{width}x{height}:", flush=True)
        runs = measure_size(width, height, ARGS.repeat, ARGS.idle)
        results[f"{width}x{height}"] = {name: medians(r) for name, r in runs.items()}
    return dict(repeat=ARGS.repeat, idle=ARGS.idle, exes=exes, facts=machine_facts(),
                results=results)


def main():
    if ARGS.report_only:
        saved = json.loads(RESULTS.read_text())
    else:
        if not ARGS.no_build:
            build()
        saved = measure([tuple(int(v) for v in s.split("x")) for s in ARGS.sizes.split(",")])
        RESULTS.write_text(json.dumps(saved, indent=1))
    sizes = [tuple(int(v) for v in key.split("x")) for key in saved["results"]]
    results = {size: saved["results"][f"{size[0]}x{size[1]}"] for size in sizes}
    exes = saved["exes"]
    report(results, sizes, saved["idle"], saved["repeat"], exes, saved["facts"])
    written = [DOC]
    if len(sizes) >= 2:
        draw(results, sizes)
        written.append(PLOT)
    print_summary(results, sizes, exes)
    print("\nwrote " + " and ".join(str(p.relative_to(ROOT)) for p in written))


if __name__ == "__main__":
    main()
