#!/usr/bin/env python3
"""Writes the typed edit's button glyph strip and hand cursor of lib/typed_edits/resources.

VEXOEDITBMPS.bmp  six 14 x 12 cells: 0 calculator, 1 calculator disabled, 2 calendar,
                  3 calendar disabled, 4 clock, 5 clock disabled; aqua (0, 255, 255) is
                  transparent
POINTCURSOR.bmp   a 32 x 32 pointing hand, fuchsia transparent, its hot spot at the fingertip
                  (6, 1)

Run it after changing a picture: scripts/typedglyphs.py lib/typed_edits/resources
"""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from editglyphs import write_bmp  # noqa: E402  one BMP writer for the glyph scripts

AQUA = (0, 255, 255)
FUCHSIA = (255, 0, 255)
INK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
LIGHT = (255, 255, 255)
RED = (192, 0, 0)
BLUE = (0, 0, 160)
BODY = (200, 200, 200)
KEY = (90, 90, 90)
FACE = (255, 255, 224)

CALCULATOR = [
    "..xxxxxxxxx...",
    "..xDDDDDDDx...",
    "..xDgggggDx...",
    "..xDDDDDDDx...",
    "..xBBBBBBBx...",
    "..xBkBkBkBx...",
    "..xBBBBBBBx...",
    "..xBkBkBkBx...",
    "..xBBBBBBBx...",
    "..xBkBkBrBx...",
    "..xBBBBBBBx...",
    "..xxxxxxxxx...",
]
CALENDAR = [
    ".xxxxxxxxxxxx.",
    ".xRRRRRRRRRRx.",
    ".xRRWRRRRWRRx.",
    ".xxxxxxxxxxxx.",
    ".xWWWWWWWWWWx.",
    ".xWkWkWkWkWWx.",
    ".xWWWWWWWWWWx.",
    ".xWkWkWkWkWWx.",
    ".xWWWWWWWWWWx.",
    ".xWkWkWbWWWWx.",
    ".xWWWWWWWWWWx.",
    ".xxxxxxxxxxxx.",
]
CLOCK = [
    "....xxxxxx....",
    "...xFFFFFFx...",
    "..xFFFkFFFFx..",
    ".xFFFFkFFFFFx.",
    ".xFFFFkFFFFFx.",
    ".xFFFFkFFFFFx.",
    ".xFFFFkkkkFFx.",
    ".xFFFFFFFFFFx.",
    ".xFFFFFFFFFFx.",
    "..xFFFFFFFFx..",
    "...xFFFFFFx...",
    "....xxxxxx....",
]
PALETTE = {
    "x": INK, "D": (200, 230, 200), "g": (0, 96, 0), "B": BODY, "k": KEY, "r": RED,
    "R": RED, "W": WHITE, "b": BLUE, "F": FACE,
}

# The hand: outline x, fill o, over fuchsia.
HAND = [
    ".....xx.........",
    "....xoox........",
    "....xoox........",
    "....xoox........",
    "....xooxxx......",
    "....xooxooxx....",
    "....xooxooxoxx..",
    ".xx.xooxooxoxox.",
    "xoox.xoooooooox.",
    "xoooxxoooooooox.",
    ".xooxoooooooooox",
    "..xoooooooooooox",
    "..xooooooooooox.",
    "...xoooooooooox.",
    "...xooooooooox..",
    "....xoooooooox..",
    "....xoooooooox..",
    "....xxxxxxxxxx..",
]


def cell(picture, disabled):
    rows = []
    for line in picture:
        row = []
        for ch in line:
            if ch == ".":
                row.append(AQUA)
            elif disabled:
                # The disabled look: the outline grey, everything else light.
                row.append(GREY if ch in "xkgbr" else LIGHT)
            else:
                row.append(PALETTE[ch])
        rows.append(row)
    return rows


def strip(cells):
    return [sum((c[y] for c in cells), []) for y in range(len(cells[0]))]


def hand():
    rows = [[FUCHSIA] * 32 for _ in range(32)]
    for y, line in enumerate(HAND):
        for x, ch in enumerate(line):
            if ch == "x":
                rows[y + 1][x + 1] = INK
            elif ch == "o":
                rows[y + 1][x + 1] = WHITE
    return rows


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    cells = []
    for picture in (CALCULATOR, CALENDAR, CLOCK):
        cells += [cell(picture, False), cell(picture, True)]
    write_bmp(out / "VEXOEDITBMPS.bmp", strip(cells))
    write_bmp(out / "POINTCURSOR.bmp", hand())


if __name__ == "__main__":
    main()
