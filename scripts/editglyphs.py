#!/usr/bin/env python3
"""Writes the check-box and radio glyph strips and the panel pattern of lib/edits/resources.

FLATCHECKS.bmp  seven 11 x 11 check-box cells: 0 hot unchecked, 1 hot checked, 2 unchecked,
                3 checked, 4 disabled unchecked, 5 disabled checked (also grayed), 6 hot grayed
FLATRADIO.bmp   six 12 x 12 radio cells in the same order; the bottom-left pixel's colour
                (fuchsia) is transparent
DEFAULTPANEL.bmp  a 64 x 32 background pattern, tiled over panels

Run it after changing a picture: scripts/editglyphs.py lib/edits/resources
"""
import struct
import sys
from pathlib import Path

WHITE = (255, 255, 255)
FACE = (212, 208, 200)
HOT = (49, 106, 197)
INK = (0, 0, 0)
GREY = (128, 128, 128)
DARK = (64, 64, 64)
LIGHT = (255, 255, 255)
FUCHSIA = (255, 0, 255)
SHADOW = (128, 128, 128)

# The check mark, 7 x 7, drawn in the middle of a check-box cell.
MARK = [
    "......x",
    ".....xx",
    "x...xxx",
    "xx.xxx.",
    "xxxxx..",
    ".xxx...",
    "..x....",
]
# The radio dot, 4 x 4, in the middle of a radio cell.
DOT = [".xx.", "xxxx", "xxxx", ".xx."]


def write_bmp(path, pixels):
    """24-bit bottom-up BMP of rows of (r, g, b)."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        body += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    Path(path).write_bytes(header + info + body)


def check_cell(ground, ring, mark):
    cell = [[ground] * 11 for _ in range(11)]
    if ring:
        for i in range(11):
            for y, x in ((0, i), (10, i), (i, 0), (i, 10)):
                cell[y][x] = ring
    if mark:
        for y, row in enumerate(MARK):
            for x, ch in enumerate(row):
                if ch == "x":
                    cell[2 + y][2 + x] = mark
    return cell


def radio_cell(ground, ring, dot):
    size, c = 12, 5.5
    cell = [[FUCHSIA] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = ((x - c) ** 2 + (y - c) ** 2) ** 0.5
            if d <= 6.0:
                # The sunken rim: dark above and left, light below and right.
                if d > 5.0:
                    cell[y][x] = SHADOW if x + y < 11 else LIGHT
                elif d > 4.0:
                    cell[y][x] = ring or (DARK if x + y < 11 else FACE)
                else:
                    cell[y][x] = ground
    if dot:
        for y, row in enumerate(DOT):
            for x, ch in enumerate(row):
                if ch == "x":
                    cell[4 + y][4 + x] = dot
    return cell


def strip(cells):
    return [sum((cell[y] for cell in cells), []) for y in range(len(cells[0]))]


def panel_pattern():
    # A quiet woven texture round the button face colour.
    rows = []
    for y in range(32):
        row = []
        for x in range(64):
            weave = ((x // 4) + (y // 4)) % 2
            grain = (x * 7 + y * 13) % 5
            v = 6 if weave else -6
            v += grain - 2
            row.append(tuple(max(0, min(255, c + v)) for c in FACE))
        rows.append(row)
    return rows


def main(out):
    out = Path(out)
    checks = [
        check_cell(WHITE, HOT, None),
        check_cell(WHITE, HOT, INK),
        check_cell(WHITE, None, None),
        check_cell(WHITE, None, INK),
        check_cell(FACE, None, None),
        check_cell(FACE, None, GREY),
        check_cell(WHITE, HOT, GREY),
    ]
    radios = [
        radio_cell(WHITE, HOT, None),
        radio_cell(WHITE, HOT, INK),
        radio_cell(WHITE, None, None),
        radio_cell(WHITE, None, INK),
        radio_cell(FACE, None, None),
        radio_cell(FACE, None, GREY),
    ]
    write_bmp(out / "FLATCHECKS.bmp", strip(checks))
    write_bmp(out / "FLATRADIO.bmp", strip(radios))
    write_bmp(out / "DEFAULTPANEL.bmp", panel_pattern())


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "lib/edits/resources")
