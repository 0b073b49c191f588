#!/usr/bin/env python3
"""Writes the seed corpus under tests/fuzz/corpus: a few valid inputs per
target and near misses one field away from valid, so that mutation starts
next to the checks that matter. The seeds are checked in; rerun this only to
change them. Inputs that once broke a parser are kept beside them as crash_*."""
import pathlib
import struct

here = pathlib.Path(__file__).resolve().parent / "corpus"


def bmp(width, height, bpp, *, colours=0, table=0, compression=0, info_size=40,
        masks=b"", header_tail=b"", off_bits=None):
    stride = (width * bpp + 31) // 32 * 4
    header_end = 14 + info_size + len(masks) + 4 * table
    off_bits = header_end if off_bits is None else off_bits
    pixels = bytes((i * 37) & 0xFF for i in range(stride * abs(height)))
    info = struct.pack("<IiiHHIIiiII", info_size, width, height, 1, bpp, compression,
                       len(pixels), 2835, 2835, colours, 0)
    info += header_tail + bytes(info_size - 40 - len(header_tail))
    body = info + masks + bytes(i & 0xFF for i in range(4 * table))
    body += bytes(max(0, off_bits - 14 - len(body)))
    return b"BM" + struct.pack("<IHHI", off_bits + len(pixels), 0, 0, off_bits) + body + pixels


def icon(images, kind=1, count=None):
    """images: (width, colours, bitCount, image bytes) per entry."""
    count = len(images) if count is None else count
    out = struct.pack("<HHH", 0, kind, count)
    offset = 6 + 16 * len(images)
    blobs = b""
    for width, colours, bit_count, blob in images:
        out += struct.pack("<BBBBHHII", width, width, colours, 0, 1, bit_count, len(blob), offset)
        offset += len(blob)
        blobs += blob
    return out + blobs


def icon_bitmap(width, bpp):
    header = struct.pack("<IiiHHIIiiII", 40, width, 2 * width, 1, bpp, 0, 0, 0, 0, 0, 0)
    return header + bytes(8)


def png(width, height):
    ihdr = struct.pack(">I4sIIBBBBB", 13, b"IHDR", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + ihdr + bytes(4)


masks565 = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
argb = struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)

seeds = {
    "bmp_fuzz": {
        "24bit_3x2.bmp": bmp(3, 2, 24),
        "8bit_top_down_2_colours.bmp": bmp(3, -2, 8, colours=2, table=2),
        "8bit_full_palette.bmp": bmp(2, 1, 8, table=256),
        "4bit_4x3.bmp": bmp(4, 3, 4, table=16),
        "1bit_9x2.bmp": bmp(9, 2, 1, table=2),
        "16bit_bitfields.bmp": bmp(2, 2, 16, compression=3, masks=masks565),
        "32bit_v4_header_bitfields.bmp": bmp(2, 2, 32, compression=3, info_size=108,
                                             header_tail=argb),
        "32bit_v5_header.bmp": bmp(1, 1, 32, info_size=124),
        "near_truncated_pixels.bmp": bmp(3, 2, 24)[:-1],
        "near_palette_too_large.bmp": bmp(3, 2, 8, colours=257, table=2),
        "near_pixels_in_header.bmp": bmp(3, 2, 24, off_bits=20),
        "near_rle8.bmp": bmp(3, 2, 8, table=2, colours=2, compression=1),
        "near_masks_past_short_header.bmp": bmp(1, 1, 16, compression=3, info_size=44),
    },
    "icon_file_fuzz": {
        "two_bitmaps.ico": icon([(32, 16, 4, icon_bitmap(32, 4)), (16, 16, 4, icon_bitmap(16, 4))]),
        "bitmap_and_png.ico": icon([(16, 0, 32, icon_bitmap(16, 32)), (0, 0, 32, png(256, 256))]),
        "cursor.cur": icon([(32, 0, 1, icon_bitmap(32, 1))], kind=2),
        "near_count_too_large.ico": icon([(16, 16, 4, icon_bitmap(16, 4))], count=3),
        "near_image_short.ico": icon([(16, 16, 4, icon_bitmap(16, 4)[:39])]),
        "near_truncated_png.ico": icon([(0, 0, 32, png(48, 48)[:23])]),
    },
    "number_text_fuzz": {
        "plain.txt": b"1234",
        "spaces_and_sign.txt": b" \t-42px",
        "full_width_digits.txt": b"\xa3\xab\xa3\xb1\xa3\xb2\xa3\xb3",
        "ideographic_space_minus.txt": b"\xa1\xa1\xa3\xad\xa3\xb7\xa3\xb5",
        "mixed_forms.txt": b"\xa3\xad1\xa3\xb22",
        "int32_max_plus_one.txt": b"2147483648",
        "int32_min_minus_one.txt": b"-2147483649",
        "beyond_int64.txt": b"99999999999999999999999",
        "leading_zeros.txt": b"-000017",
        "nul_inside.txt": b"12\x0034",
        "lone_lead_byte.txt": b"7\xa3",
        "other_gbk.txt": b"\xd6\xd0\xce\xc4 12",
    },
    "text_layout_fuzz": {
        "crlf.txt": b"first\r\nsecond",
        "lf_lf.txt": b"a\n\nb",
        "cr_cr.txt": b"a\r\rb",
        "empty_lines.txt": b"\r\n\r\n\n",
        "trailing_break.txt": b"one line\r",
        "mixed.txt": b"top\n\r\nmiddle\r\n\rbottom \xd6\xd0\xce\xc4",
    },
}

for target, files in seeds.items():
    folder = here / target
    folder.mkdir(parents=True, exist_ok=True)
    for name, content in files.items():
        (folder / name).write_bytes(content)
