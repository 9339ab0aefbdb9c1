#!/usr/bin/env python3
"""Prints the string table of a Windows DLL or EXE, one "id<TAB>text" line per string.

Usage: scripts/stringtable.py FILE
"""
import struct
import sys

RT_STRING = 6


def read_strings(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    resource_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    table = optional + optional_size
    spans = []
    for i in range(sections):
        size, rva, raw_size, raw = struct.unpack_from("<IIII", data, table + 40 * i + 8)
        spans.append((rva, max(size, raw_size), raw))

    def offset(rva):
        for start, size, raw in spans:
            if start <= rva < start + size:
                return raw + rva - start
        raise ValueError("address outside the sections")

    base = offset(resource_rva)

    def entries(directory):
        named, numbered = struct.unpack_from("<HH", data, base + directory + 12)
        for i in range(named + numbered):
            ident, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * i)
            yield ident, target

    strings = {}
    for kind, types in entries(0):
        if kind != RT_STRING:
            continue
        for block, languages in entries(types & 0x7FFFFFFF):
            for _language, leaf in entries(languages & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + leaf)
                at = offset(rva)
                for k in range(16):
                    length = struct.unpack_from("<H", data, at)[0]
                    text = data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                    at += 2 + 2 * length
                    if length:
                        strings[(block - 1) * 16 + k] = text
    return strings


def main():
    with open(sys.argv[1], "rb") as f:
        strings = read_strings(f.read())
    for ident in sorted(strings):
        print(f"{ident}\t{strings[ident]}")


if __name__ == "__main__":
    main()
