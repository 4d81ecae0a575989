#!/usr/bin/env python3
"""Writes the button glyph bitmaps of lib/buttons/resources from the pixel art below.

Two forms per picture, both 16-colour BMP files:
  sbB<NAME>.bmp  bitmap button: normal cell | disabled cell on the olive transparent colour
  sb<NAME>.bmp   transparent button: image (black where transparent) | mask (white there)

Run it after changing a picture: scripts/buttonglyphs.py lib/buttons/resources
"""
import struct
import sys
from pathlib import Path

# The 16 colours of the files (R, G, B), in palette order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
OLIVE, BLACK, GREY, WHITE = 3, 0, 8, 15
# Art characters -> palette index; "." is transparent.
INK = {"k": 0, "r": 1, "g": 2, "b": 4, "p": 5, "t": 6, "s": 7, "d": 8,
       "R": 9, "G": 10, "Y": 11, "B": 12, "M": 13, "C": 14, "w": 15}

ART = {
    "OK": """
..............kk
.............kGk
............kGGk
...........kGGgk
..........kGGgk.
.........kGGgk..
.kk.....kGGgk...
kGGk...kGGgk....
kgGGk.kGGgk.....
.kgGGkGGgk......
..kgGGGgk.......
...kgGgk........
....kgk.........
.....k..........
""",
    "CANCEL": """
.kk..........kk.
kRRk........kRRk
krRRk......kRRrk
.krRRk....kRRrk.
..krRRk..kRRrk..
...krRRkkRRrk...
....krRRRRrk....
.....krRRrk.....
....krRRRRrk....
...krRRkkRRrk...
..krRRk..krRRk..
.krRRk....krRRk.
krRRk......krRRk
.kkk........kkk.
""",
    "HELP": """
.....kkkkkk.....
...kkBBBBBBkk...
..kBBBbbbbBBBk..
..kBBk....kBBBk.
..kkk.....kBBBk.
.........kBBBk..
........kBBBk...
.......kBBBk....
.......kBBk.....
.......kkkk.....
................
.......kBBk.....
.......kBBk.....
.......kkkk.....
""",
    "YES": """
.....kkkkkk.....
...kkGGGGGGkk...
..kGGGGGGGGGGk..
.kGGGGGGGGGwwGk.
.kGGGGGGGGwwGGk.
kGGGGGGGGwwGGGgk
kGGwwGGGwwGGGGgk
kGGGwwGwwGGGGGgk
kGGGGwwwGGGGGGgk
kGGGGGwGGGGGGGgk
.kGGGGGGGGGGGgk.
.kgGGGGGGGGGggk.
..kggGGGGGGggk..
...kkggggggkk...
.....kkkkkk.....
""",
    "NO": """
.....kkkkkk.....
...kkRRRRRRkk...
..kRRRkkkkRRRk..
.kRRkk....kRRRk.
.kRk.....kRRRRk.
kRRk....kRRrkRRk
kRk....kRRrk.kRk
kRk...kRRrk..kRk
kRk..kRRrk...kRk
kRRkkRRrk...kRRk
.kRRRRrk....kRk.
.kRRRrk....kkRk.
..kRRRkkkkRRRk..
...kkRRRRRRkk...
.....kkkkkk.....
""",
    "CLOSE": """
kkkkkkkkkk......
kssssssssk......
ksddddddsk......
ksdkkkkkskk.....
ksdk...kskYk....
ksdk...kskYYk...
ksdk.kkkkkYYYk..
ksdk.kYYYYYYYYk.
ksdk.kYYYYYYYYYk
ksdk.kYYYYYYYYk.
ksdk.kkkkkYYYk..
ksdk...kskYYk...
ksdk...kskYk....
ksdkkkkkskk.....
kssssssssk......
kkkkkkkkkk......
""",
    "ABORT": """
.....kkkkkk.....
....kRRRRRRk....
...kRRRRRRRRk...
..kRRRRRRRRRRk..
.kRRwwRRRRwwRRk.
kRRRRwwRRwwRRRRk
kRRRRRwwwwRRRRRk
kRRRRRRwwRRRRRRk
kRRRRRwwwwRRRRRk
kRRRRwwRRwwRRRRk
.kRRwwRRRRwwRRk.
..kRRRRRRRRRRk..
...krRRRRRRrk...
....krrrrrrk....
.....kkkkkk.....
""",
    "RETRY": """
......kkkkk.....
....kkbBBBbkk...
...kBBkkkkkBBk..
..kBBk.....kBBk.
..kBk.......kBk.
.kBBk.......kBBk
.kBk.........kBk
.kBk.........kk.
.kBk............
kkBkkk..........
kBBBBk..........
.kBBk...........
..kk............
""",
    "IGNORE": """
................
...kkkk.........
..kBBBBk........
.kBBkkBBk.......
.kBk..kBBk......
.kBk...kBBk.....
.kBk....kBBk.kk.
.kBk.....kBBkBk.
..k.......kBBBk.
.........kBBBBk.
........kkkkkkk.
................
kkkkkkkkkkkkkkkk
kddddddddddddddk
kkkkkkkkkkkkkkkk
""",
    "ALL": """
..........kk......
.........kGk......
........kGGk....kk
.......kGGk....kGk
......kGGk....kGGk
kk...kGGk....kGGk.
kGk.kGGk....kGGk..
kGGkGGk.kk.kGGk...
.kGGGk.kGk.kGGk...
..kGk..kGGkGGk....
...k....kGGGk.....
.........kGk......
..........k.......
""",
}


def grid(art, height):
    rows = [r for r in art.strip("\n").split("\n")]
    width = max(len(r) for r in rows)
    cells = [[None] * 18 for _ in range(height)]
    top = (height - len(rows)) // 2
    left = (18 - width) // 2
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != ".":
                cells[top + y][left + x] = INK[ch]
    return cells


def luma(index):
    r, g, b = PALETTE[index]
    return (299 * r + 587 * g + 114 * b) // 1000


def disabled(cells):
    """The embossed grey look: the dark drawing in grey, its highlight in white."""
    h, w = len(cells), len(cells[0])
    ink = [[c is not None and luma(c) < 192 for c in row] for row in cells]
    out = [[OLIVE] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            if ink[y][x]:
                out[y][x] = GREY
            elif x > 0 and y > 0 and ink[y - 1][x - 1]:
                out[y][x] = WHITE
    return out


def write_bmp(path, pixels):
    h, w = len(pixels), len(pixels[0])
    row_bytes = ((w * 4 + 31) // 32) * 4
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray(row_bytes)
        for x, v in enumerate(row):
            line[x // 2] |= v << (4 if x % 2 == 0 else 0)
        body += line
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(body), 2835, 2835, 16, 0)
    path.write_bytes(header + info + palette + bytes(body))


def main(folder):
    folder = Path(folder)
    for name, art in ART.items():
        cells = grid(art, 19 if name == "ALL" else 18)
        normal = [[OLIVE if c is None else c for c in row] for row in cells]
        grey = disabled(cells)
        write_bmp(folder / f"sbB{name}.bmp", [a + b for a, b in zip(normal, grey)])
        if name in ("OK", "CANCEL", "YES", "NO", "CLOSE"):
            image = [[BLACK if c is None else c for c in row] for row in cells]
            mask = [[WHITE if c is None else BLACK for c in row] for row in cells]
            write_bmp(folder / f"sb{name}.bmp", [a + b for a, b in zip(image, mask)])


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "lib/buttons/resources")
