#!/usr/bin/env python3
"""Writes the small seed files of the BMP reader fuzz target into fuzz/corpus/.

Each seed is a valid file of one kind the reader accepts; the fuzzer mutates from there.
Run it again only when the set of seeds changes (the files are committed)."""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def bmp(width, height, bits, pixels, *, header=40, compression=0, palette=(), masks=(),
        entry=4, clr_used=None):
    masks_after = header == 40 and masks
    mask_bytes = b"".join(struct.pack("<I", m) for m in masks)
    if header == 12:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        used = len(palette) if clr_used is None else clr_used
        info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, compression,
                           len(pixels), 0, 0, used, 0)
        if not masks_after:
            info += mask_bytes
        info = info.ljust(header, b"\0")
        mask_bytes = mask_bytes if masks_after else b""
    table = b"".join(struct.pack("<I", c)[:entry] for c in palette)
    off = 14 + len(info) + len(mask_bytes) + len(table)
    head = b"BM" + struct.pack("<IHHI", off + len(pixels), 0, 0, off)
    return head + info + mask_bytes + table + pixels


def rows(width, height, bits, value):
    stride = ((width * bits + 31) // 32) * 4
    out = bytearray()
    for y in range(height):
        row = bytearray(stride)
        for x in range(width):
            v = value(x, y)
            if bits < 8:
                per = 8 // bits
                row[x // per] |= v << (8 - bits * (x % per + 1))
            else:
                row[x * bits // 8:(x + 1) * bits // 8] = v.to_bytes(bits // 8, "little")
        out += row
    return bytes(out)


grey = lambda n: [i * 255 // (n - 1) * 0x010101 for i in range(n)]
seeds = {
    "rgb24.bmp": bmp(3, 2, 24, rows(3, 2, 24, lambda x, y: 0x102030 * (x + 1) + y)),
    "rgb24_topdown.bmp": bmp(2, -2, 24, rows(2, 2, 24, lambda x, y: 0xFF << (8 * x))),
    "pal8_short.bmp": bmp(5, 3, 8, rows(5, 3, 8, lambda x, y: (x + y) % 4), palette=grey(4)),
    "pal4_odd.bmp": bmp(7, 2, 4, rows(7, 2, 4, lambda x, y: (x * 3 + y) % 16), palette=grey(16)),
    "pal1_topdown.bmp": bmp(9, -2, 1, rows(9, 2, 1, lambda x, y: (x + y) & 1), palette=grey(2)),
    "core8.bmp": bmp(4, 2, 8, rows(4, 2, 8, lambda x, y: x), header=12, palette=grey(256), entry=3),
    "rle8.bmp": bmp(8, 4, 8, bytes([3, 1, 0, 3, 2, 3, 4, 0, 0, 0, 0, 2, 5, 1, 2, 5, 0, 0,
                                    0, 4, 6, 7, 8, 9, 0, 1]), compression=1, palette=grey(10)),
    "rle4.bmp": bmp(7, 2, 4, bytes([4, 0x12, 0, 3, 0x13, 0x40, 0, 0, 0, 3, 0x56, 0x70,
                                    0, 2, 1, 0, 3, 0x89, 0, 1]), compression=2, palette=grey(16)),
    "rgb565.bmp": bmp(3, 2, 16, rows(3, 2, 16, lambda x, y: 0xF800 >> (x * 5)), compression=3,
                      masks=(0xF800, 0x07E0, 0x001F)),
    "rgb555.bmp": bmp(2, 2, 16, rows(2, 2, 16, lambda x, y: 0x7C00 >> (x * 5 + y))),
    "argb4444_v3.bmp": bmp(2, 1, 16, rows(2, 1, 16, lambda x, y: 0xF00F + x), header=56,
                           compression=3, masks=(0x0F00, 0x00F0, 0x000F, 0xF000)),
    "argb32_v5.bmp": bmp(2, 2, 32, rows(2, 2, 32, lambda x, y: 0x80FF0000 >> (8 * x)),
                         header=124, compression=3,
                         masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000)),
    "alphabitfields.bmp": bmp(1, 1, 32, rows(1, 1, 32, lambda x, y: 0xAABBCCDD),
                              compression=6, masks=(0xFF00, 0xFF0000, 0xFF000000, 0xFF)),
    "xrgb32.bmp": bmp(2, 1, 32, rows(2, 1, 32, lambda x, y: 0x00ABCDEF + x), header=108),
}
os.makedirs(OUT, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)
