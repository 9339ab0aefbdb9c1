#!/usr/bin/env python3
"""Writes a legal GIF whose image data are COUNT one-byte sub-blocks of 0x44: a 1x1 picture, two
colours. With MARK, sub-block number MARK holds 0x55 ("U") instead, for a search to find.
Usage: onebyte_gif.py COUNT OUT.gif [MARK]"""
import sys

count, path = int(sys.argv[1]), sys.argv[2]
mark = int(sys.argv[3]) if len(sys.argv) > 3 else count
with open(path, "wb") as out:
    out.write(b"GIF89a" + bytes([1, 0, 1, 0, 0x80, 0, 0]) + bytes(6))  # 1x1, two colours
    out.write(b"," + bytes([0, 0, 0, 0, 1, 0, 1, 0, 0]) + bytes([2]))  # the image, code size 2
    out.write(bytes([1, 0x44]) * mark + bytes([1, 0x55])[: 2 * (mark < count)] + bytes([1, 0x44]) * (count - mark - 1))
    out.write(bytes([0]) + b";")
