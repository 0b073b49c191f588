#!/usr/bin/env python3
"""Generate the application icon (watermark.ico) from code.

The icon is drawn procedurally so it can be rebuilt on any machine with a
plain Python 3 and no imaging libraries, and so the output is byte-identical
every time (the .ico is checked in; a rebuild must not produce a diff).

Usage: python3 resources/make_icon.py resources/watermark.ico
"""
import struct
import sys

# (size, bits per pixel) in directory order. The 8-bit images are kept for
# shells and remote sessions that still ask for palettised icons.
IMAGES = [(16, 8), (16, 32), (24, 8), (24, 32), (32, 8), (32, 32),
          (48, 8), (48, 32), (64, 32), (72, 32), (96, 32), (128, 32)]
EXPECTED_FILE_SIZE = 171014
SUPERSAMPLE = 4  # 4x4 samples per pixel is plenty for straight-edged shapes

TILE_TOP = (79, 172, 247)
TILE_BOTTOM = (20, 88, 186)
SHADOW = (8, 40, 96)
WHITE = (255, 255, 255)


def style_for(size):
    """Small icons get a bolder, narrower, simpler drawing so they survive
    16 px: steeper strokes whose caps land on whole pixels at 16 and 24."""
    if size <= 24:
        return dict(inset=0.0, radius=0.19, stroke=0.125, band=False,
                    shadow=False, top=0.25, bottom=0.75, mid=0.375,
                    span=0.3125, inner=0.156)
    return dict(inset=0.035, radius=0.19, stroke=0.105, band=True,
                shadow=size >= 48, top=0.27, bottom=0.75, mid=0.42,
                span=0.38, inner=0.181)


def w_strokes(st):
    """The "W" as four parallelogram strokes with flat tops and bottoms.

    Using horizontal caps (rather than line caps) makes the letter sit on the
    same baseline as a bold sans-serif glyph and keeps its edges on pixel rows.
    """
    half = st["stroke"] / 2
    span, inner = st["span"], st["inner"]
    top, bot, mid = st["top"], st["bottom"], st["mid"]
    xs = [0.5 - span, 0.5 - inner, 0.5, 0.5 + inner, 0.5 + span]
    ys = [top, bot, mid, bot, top]
    quads = []
    for i in range(4):
        (xa, ya), (xb, yb) = (xs[i], ys[i]), (xs[i + 1], ys[i + 1])
        if ya > yb:  # normalise so each stroke runs from its top to its bottom
            (xa, ya), (xb, yb) = (xb, yb), (xa, ya)
        quads.append([(xa - half, ya), (xa + half, ya),
                      (xb + half, yb), (xb - half, yb)])
    return quads


def in_convex(poly, x, y):
    """Point-in-convex-polygon; vertices are clockwise in y-down space."""
    n = len(poly)
    for i in range(n):
        x0, y0 = poly[i]
        x1, y1 = poly[(i + 1) % n]
        if (x1 - x0) * (y - y0) - (y1 - y0) * (x - x0) < 0:
            return False
    return True


def in_letter(quads, x, y):
    return any(in_convex(q, x, y) for q in quads)


def in_tile(st, x, y):
    half = 0.5 - st["inset"]
    r = st["radius"]
    if abs(x - 0.5) > half or abs(y - 0.5) > half:
        return False
    dx = max(abs(x - 0.5) - (half - r), 0.0)
    dy = max(abs(y - 0.5) - (half - r), 0.0)
    return dx * dx + dy * dy <= r * r


def over(dst, src, alpha):
    return tuple(d + (s - d) * alpha for d, s in zip(dst, src))


def sample(st, quads, x, y):
    """Colour of the icon at one sample point, or None outside the tile."""
    if not in_tile(st, x, y):
        return None
    t = (x * 0.35 + y * 0.65 - st["inset"]) / (1 - 2 * st["inset"])
    rgb = over(TILE_TOP, TILE_BOTTOM, min(max(t, 0.0), 1.0))
    # The translucent diagonal band hints at text laid over the desktop.
    if st["band"] and abs(x + y - 1.0) < 0.13:
        rgb = over(rgb, WHITE, 0.16)
    if st["shadow"] and in_letter(quads, x - 0.012, y - 0.022):
        rgb = over(rgb, SHADOW, 0.35)
    if in_letter(quads, x, y):
        rgb = WHITE
    return rgb


def render(size):
    """Rows top-down of straight-alpha (r, g, b, a) byte tuples."""
    st = style_for(size)
    quads = w_strokes(st)
    n = SUPERSAMPLE
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            hits = 0
            for sy in range(n):
                for sx in range(n):
                    c = sample(st, quads, (px + (sx + 0.5) / n) / size,
                               (py + (sy + 0.5) / n) / size)
                    if c is not None:
                        hits += 1
                        acc = [a + v for a, v in zip(acc, c)]
            if hits == 0:
                row.append((0, 0, 0, 0))
            else:
                # Averaging only covered samples gives straight (not
                # premultiplied) colour, which is what icon DIBs store.
                r, g, b = (int(v / hits + 0.5) for v in acc)
                row.append((r, g, b, (hits * 255 + n * n // 2) // (n * n)))
        rows.append(row)
    return rows


def build_palette():
    """6x6x6 cube, then the colours this icon actually uses: a ramp along the
    tile gradient (so the 8-bit images don't band) and white tints of it (so
    the letter's anti-aliased edges don't snap to lavender cube entries)."""
    pal = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6)
           for b in range(6)]
    pal += [over(TILE_TOP, TILE_BOTTOM, i / 23) for i in range(24)]
    pal += [over(over(TILE_TOP, TILE_BOTTOM, i / 3), WHITE, k / 5)
            for i in range(4) for k in range(1, 5)]
    pal = [tuple(int(v + 0.5) for v in rgb) for rgb in pal]
    assert len(pal) == 256
    return pal


PALETTE = build_palette()


def nearest(rgb, cache={}):
    if rgb not in cache:
        cache[rgb] = min(range(256), key=lambda i: sum(
            (a - b) ** 2 for a, b in zip(PALETTE[i], rgb)))
    return cache[rgb]


def row_pad(nbytes):
    return b"\0" * (-nbytes % 4)


def and_mask(rows):
    """1-bpp mask, bottom-up; set bits mark transparent pixels."""
    out = bytearray()
    for row in reversed(rows):
        bits = bytearray((len(row) + 7) // 8)
        for x, px in enumerate(row):
            if px[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bits + row_pad(len(bits))
    return bytes(out)


def info_header(size, bpp, image_bytes):
    return struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bpp, 0,
                       image_bytes, 0, 0, 0, 0)


def encode_8bit(rows):
    # Partially transparent pixels can't be expressed in a palette image, so
    # the AND mask alone decides visibility and colour is left unblended.
    xor = bytearray()
    for row in reversed(rows):
        xor += bytes(nearest(px[:3]) if px[3] >= 128 else 0 for px in row)
        xor += row_pad(len(row))
    mask = and_mask(rows)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return info_header(len(rows), 8, len(xor) + len(mask)) + pal + xor + mask


def encode_32bit(rows):
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask = and_mask(rows)
    return info_header(len(rows), 32, len(xor) + len(mask)) + xor + mask


def build_ico():
    renders = {}
    images = []
    for size, bpp in IMAGES:
        if size not in renders:
            renders[size] = render(size)
        encode = encode_8bit if bpp == 8 else encode_32bit
        images.append(encode(renders[size]))

    header = struct.pack("<HHH", 0, 1, len(IMAGES))
    offset = len(header) + 16 * len(IMAGES)
    entries = b""
    for (size, bpp), data in zip(IMAGES, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, bpp,
                               len(data), offset)
        offset += len(data)
    blob = header + entries + b"".join(images)
    assert len(blob) == EXPECTED_FILE_SIZE, len(blob)
    return blob


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    with open(argv[1], "wb") as f:
        f.write(build_ico())


if __name__ == "__main__":
    main(sys.argv)
