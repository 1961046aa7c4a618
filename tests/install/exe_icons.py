#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
# SPDX-License-Identifier: GPL-2.0-or-later
"""The program's icon as Windows reads it from the executable: the first icon group holds,
in order, every image of the icon file, each the same bytes (sizes 16 to 256 pixels).
Usage: exe_icons.py STOCKS_EXE SHELL_ICON_ICO"""
import struct
import sys

RT_ICON, RT_GROUP_ICON = 3, 14


def resources(exe):
    """{(type, id): bytes} of the PE file's resource section, first language of each."""
    pe = struct.unpack_from("<I", exe, 0x3C)[0]
    assert exe[pe:pe + 4] == b"PE\0\0", "not a PE file"
    sections, optional_size = struct.unpack_from("<H12xH", exe, pe + 6)
    optional = pe + 24
    rva, _ = struct.unpack_from("<II", exe, optional + 112 + 2 * 8)  # PE32+: resource directory
    table = optional + optional_size
    for i in range(sections):
        vsize, vaddr, raw_size, raw = struct.unpack_from("<IIII", exe, table + 40 * i + 8)
        if vaddr <= rva < vaddr + max(vsize, raw_size):
            base = raw + rva - vaddr
            break
    else:
        raise AssertionError("no resource section")

    def entries(at):
        named, ids = struct.unpack_from("<12xHH", exe, base + at)
        for n in range(named + ids):
            name, offset = struct.unpack_from("<II", exe, base + at + 16 + 8 * n)
            yield name, offset

    found = {}
    for kind, level1 in entries(0):
        for ident, level2 in entries(level1 & 0x7FFFFFFF):
            _, leaf = next(entries(level2 & 0x7FFFFFFF))
            data_rva, size = struct.unpack_from("<II", exe, base + leaf)
            start = base + data_rva - rva
            found.setdefault((kind, ident), exe[start:start + size])
    return found


def main(exe_path, ico_path):
    exe = open(exe_path, "rb").read()
    ico = open(ico_path, "rb").read()
    found = resources(exe)
    groups = sorted(ident for kind, ident in found if kind == RT_GROUP_ICON)
    assert groups, "the executable has no icon"
    group = found[(RT_GROUP_ICON, groups[0])]
    count = struct.unpack_from("<H", group, 4)[0]
    assert count == struct.unpack_from("<H", ico, 4)[0], f"{count} images in the executable"
    sizes = []
    for i in range(count):
        in_exe = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        in_ico = struct.unpack_from("<BBBBHHII", ico, 6 + 16 * i)
        assert in_exe[:7] == in_ico[:7], f"image {i}: {in_exe} in the executable, {in_ico} in the file"
        image = found.get((RT_ICON, in_exe[7]))
        assert image == ico[in_ico[7]:in_ico[7] + in_ico[6]], f"image {i} differs from the file's"
        sizes.append(f"{in_exe[0] or 256}:{in_exe[5]}bit")
    assert [s.split(":")[0] for s in sizes] == ["16", "20", "24", "32", "40", "48", "64", "256"], sizes
    print("icon images in the executable:", " ".join(sizes))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    try:
        main(sys.argv[1], sys.argv[2])
    except AssertionError as error:
        sys.exit(f"FAIL: {error}")
