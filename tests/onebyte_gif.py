#!/usr/bin/env python3
"""Writes a legal GIF whose image data are COUNT one-byte sub-blocks: a 1x1 picture, two colours.
Usage: onebyte_gif.py COUNT OUT.gif"""
import sys

count, path = int(sys.argv[1]), sys.argv[2]
with open(path, "wb") as out:
    out.write(b"GIF89a" + bytes([1, 0, 1, 0, 0x80, 0, 0]) + bytes(6))  # 1x1, two colours
    out.write(b"," + bytes([0, 0, 0, 0, 1, 0, 1, 0, 0]) + bytes([2]))  # the image, code size 2
    out.write(bytes([1, 0x44]) * count + bytes([0]) + b";")
