#!/usr/bin/env python3
"""Writes the sample ".enc" files: for each code page, 256 lines "code comment", line b + 1
giving the Windows-1251 code of the character that byte b stands for in that code page. A
character Windows-1251 lacks is shown as '?' (63). Run from anywhere; the files land beside this
script. Python's own codecs are the reference for the code pages."""

import pathlib
import unicodedata

# file name: (Python codec, what the first line says)
CODE_PAGES = {
    "koi8-r.enc": ("koi8_r", "KOI8-R"),
    "iso-8859-5.enc": ("iso8859_5", "ISO-8859-5"),
    "mac-cyrillic.enc": ("mac_cyrillic", "Mac Cyrillic"),
}
REPLACEMENT = ord("?")


def character_name(character):
    return unicodedata.name(character, "control" if ord(character) < 0x20 or 0x7F <= ord(character) < 0xA0 else "unnamed")


def lines(codec, title):
    for byte in range(256):
        character = bytes([byte]).decode(codec)
        try:
            code = character.encode("cp1251")[0]
            note = ""
        except UnicodeEncodeError:
            code = REPLACEMENT
            note = ", not in Windows-1251"
        head = f"{title}: " if byte == 0 else ""
        yield f"{code} {head}byte 0x{byte:02X} is U+{ord(character):04X} {character_name(character)}{note}\n"


def main():
    folder = pathlib.Path(__file__).resolve().parent
    for name, (codec, title) in CODE_PAGES.items():
        (folder / name).write_text("".join(lines(codec, title)), encoding="ascii", newline="\r\n")


if __name__ == "__main__":
    main()
