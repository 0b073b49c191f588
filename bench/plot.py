"""Draws the benchmark's plot with ImageMagick's own vector primitives (MVG),
so that no plotting library is needed: one panel per figure, a line per
program, screen pixels along the bottom."""

import math
import subprocess

WIDTH, HEIGHT = 1100, 460
PANEL_W, PANEL_H = 430, 320
COLOURS = ["#1f5fbf", "#d9731a", "#2e8b3a", "#9b2fae"]


def _nice_ceiling(value):
    """The smallest round number (1, 2, 2.5, 4 or 5 times a power of ten) that holds the value."""
    if value <= 0:
        return 1.0
    magnitude = 10 ** math.floor(math.log10(value))
    return next(f * magnitude for f in (1, 2, 2.5, 4, 5, 10) if f * magnitude >= value)


def _label(value):
    return f"{value:g}"


def _panel(left, top, title, unit, series, x_max):
    """MVG commands of one panel; series is [(name, [(x, y), ...]), ...]."""
    y_max = _nice_ceiling(max((y for _, points in series for _, y in points), default=1.0))
    right, bottom = left + PANEL_W, top + PANEL_H

    def at(x, y):
        # Whole pixels keep the one-pixel grid lines sharp.
        return round(left + x / x_max * PANEL_W), round(bottom - y / y_max * PANEL_H)

    out = ["stroke none", "fill black", "font-size 16",
           f"text {left},{top - 14} '{title} ({unit})'", "font-size 12"]
    for i in range(6):
        value = y_max * i / 5
        _, y = at(0, value)
        out += ["stroke #dddddd", "stroke-width 1", f"line {left},{y} {right},{y}",
                "stroke none", "fill #333333", f"text {left - 48},{y + 4} '{_label(value)}'"]
    for i in range(5):
        value = x_max * i / 4
        x, _ = at(value, 0)
        out += ["stroke #dddddd", f"line {x},{top} {x},{bottom}", "stroke none",
                f"text {x - 10},{bottom + 18} '{_label(value)}'"]
    out += ["stroke black", "stroke-width 1", "fill none",
            f"rectangle {left},{top} {right},{bottom}", "stroke none", "fill #333333",
            f"text {left + PANEL_W / 2 - 60},{bottom + 38} 'screen pixels (millions)'"]
    for index, (name, points) in enumerate(series):
        colour = COLOURS[index % len(COLOURS)]
        coords = " ".join(f"{x},{y}" for x, y in (at(px, v) for px, v in points))
        out += [f"stroke {colour}", "stroke-width 2", "fill none", f"polyline {coords}"]
        for x, y in (at(px, v) for px, v in points):
            out += ["stroke none", f"fill {colour}", f"circle {x},{y} {x + 4},{y}"]
        out += ["stroke none", f"fill {colour}", "font-size 13",
                f"text {left + 12},{top + 20 + 18 * index} '{name}'", "font-size 12"]
    return out


def draw(path, panels):
    """Writes a PNG of panels, each (title, unit, [(name, [(pixels, value), ...])])."""
    x_max = _nice_ceiling(max(x for _, _, series in panels for _, pts in series for x, _ in pts))
    commands = []
    for index, (title, unit, series) in enumerate(panels):
        commands += _panel(90 + index * (PANEL_W + 120), 60, title, unit, series, x_max)
    # The policy of Debian's ImageMagick forbids reading "@file" arguments, so
    # the drawing goes on the command line; it is a few kilobytes.
    subprocess.run(["/usr/bin/convert", "-size", f"{WIDTH}x{HEIGHT}", "xc:white", "-font",
                    "DejaVu-Sans", "-draw", "\n".join(commands), str(path)],
                   check=True, capture_output=True, timeout=60)
