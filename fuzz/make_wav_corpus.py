#!/usr/bin/env python3
"""Writes the small seed files of the WAV reader fuzz target into fuzz/wav_corpus/.

Each seed is a valid file of one kind the reader accepts; the fuzzer mutates from there.
Run it again only when the set of seeds changes (the files are committed)."""
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "wav_corpus")
GUID_TAIL = bytes([0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38,
                   0x9B, 0x71])


def chunk(cid, body):
    return cid + struct.pack("<I", len(body)) + body + (b"\0" if len(body) % 2 else b"")


def fmt(tag, channels, rate, bits):
    align = channels * bits // 8
    return struct.pack("<HHIIHH", tag, channels, rate, rate * align, align, bits)


def extensible(sub, channels, rate, bits, valid):
    return (fmt(0xFFFE, channels, rate, bits) + struct.pack("<HHI", 22, valid, 3)
            + struct.pack("<H", sub) + GUID_TAIL)


def riff(*chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def samples(n):
    return bytes((i * 37 + 11) & 0xFF for i in range(n))


SEEDS = {
    "pcm8_mono.wav": riff(chunk(b"fmt ", fmt(1, 1, 8000, 8)), chunk(b"data", samples(9))),
    "pcm16_stereo.wav": riff(chunk(b"fmt ", fmt(1, 2, 44100, 16)), chunk(b"data", samples(16))),
    "pcm24_list_first.wav": riff(chunk(b"LIST", b"INFOISFT\x03\x00\x00\x00ab\x00"),
                                 chunk(b"fmt ", fmt(1, 2, 48000, 24)),
                                 chunk(b"data", samples(12))),
    "data_before_fmt.wav": riff(chunk(b"data", samples(8)), chunk(b"fmt ", fmt(3, 2, 22050, 32))),
    "mulaw.wav": riff(chunk(b"fmt ", fmt(7, 1, 8000, 8) + b"\0\0"), chunk(b"fact", b"\x05\0\0\0"),
                      chunk(b"data", samples(5))),
    "extensible.wav": riff(chunk(b"fmt ", extensible(1, 2, 48000, 32, 24)),
                           chunk(b"data", samples(16))),
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
