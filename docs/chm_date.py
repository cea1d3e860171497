#!/usr/bin/env python3
"""Gives a compiled help file the date of the sources instead of the time it was compiled.

chmcmd writes the millisecond of the day it runs at in two places: the file header (big-endian)
and the #SYSTEM file's time stamp record (code 10, little-endian). Both are rewritten with the
millisecond of the day of SOURCE_DATE_EPOCH (UTC); without SOURCE_DATE_EPOCH the file is left
as it is. #SYSTEM is stored uncompressed, so both changes are in place.

    chm_date.py FILE.chm
"""
import os
import struct
import sys


def encint(data, pos):
    """Reads the directory's variable-length number at pos; returns it and the next position."""
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def system_offset(data):
    """The offset in the file of the uncompressed #SYSTEM file, and its length."""
    directory = struct.unpack_from("<Q", data, 0x48)[0]
    content = struct.unpack_from("<Q", data, 0x58)[0]
    if data[directory:directory + 4] != b"ITSP":
        raise ValueError("no directory header")
    header_length, _, chunk_size = struct.unpack_from("<III", data, directory + 8)
    chunk_count = struct.unpack_from("<I", data, directory + 0x2C)[0]
    for n in range(chunk_count):
        chunk = directory + header_length + n * chunk_size
        if data[chunk:chunk + 4] != b"PMGL":
            continue
        end = chunk + chunk_size - struct.unpack_from("<I", data, chunk + 4)[0]
        pos = chunk + 20
        while pos < end:
            length, pos = encint(data, pos)
            name = data[pos:pos + length]
            pos += length
            section, pos = encint(data, pos)
            offset, pos = encint(data, pos)
            size, pos = encint(data, pos)
            if name == b"/#SYSTEM" and section == 0:
                return content + offset, size
    raise ValueError("no /#SYSTEM in section 0")


def main(path):
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        return
    millisecond = int(epoch) % 86400 * 1000
    data = bytearray(open(path, "rb").read())
    if data[:4] != b"ITSF":
        raise ValueError(f"{path} is not a compiled help file")
    struct.pack_into(">I", data, 0x10, millisecond)
    start, size = system_offset(data)
    pos = start + 4  # after the version
    while pos + 8 <= start + size:
        code, length = struct.unpack_from("<HH", data, pos)
        if code == 10:
            struct.pack_into("<I", data, pos + 4, millisecond)
            break
        pos += 4 + length
    else:
        raise ValueError(f"{path}: no time stamp in #SYSTEM")
    with open(path, "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
