#!/usr/bin/env python3
"""Writes the hand-made regression inputs of tests/regressions/<reader>/: files that crashed, stalled
or made a reader allocate what the file only claimed. Inputs found by the fuzzers are copied there
as they are. Large inputs are stored gzip-compressed (the replay program inflates ".gz" files).
    fuzz/make_regressions.py"""
import gzip
import os
import struct
import zlib

root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "regressions")


def write(reader, name, data):
    folder = os.path.join(root, reader)
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, name)
    if name.endswith(".gz"):
        with gzip.GzipFile(path, "wb", mtime=0) as f:
            f.write(data)
    else:
        with open(path, "wb") as f:
            f.write(data)


def table(pairs):
    return b"\xff\xfe" + "".join('"%s" "%s"\n' % p for p in pairs).encode("utf-16-le")


# A text asks for more arguments than its key is given, or for other kinds: printing it read past
# the caller's arguments.
write("strings", "texts_asking_for_other_arguments", table([
    ("rentApplicantTitle", "%s%s%s%s"),
    ("rooms", "%s bedrooms, %s baths"),
    ("loanRate", "%d%% %s"),
    ("rooms", "%d bed %d bath %d garage"),
    ("EndMonth", "%-20s"),
    ("bank", "%x%c"),
]))
# Interning in quadratic time: many distinct keys (20,000 here to keep the file small; the
# benchmarks load a million).
alphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-"
write("strings", "distinct_keys_20000.gz",
      table([("".join(alphabet[(i >> s) % 64] for s in (0, 6, 12)), "t") for i in range(20000)]))


def map_file(labels=b"", label_count=0, grid=struct.pack("<6I", 0, 0, 32, 16, 0, 0), background="", mode=0,
             layer0=(0, b"")):
    background_block = background.encode().ljust(1000, b"\0") + struct.pack("<i", mode)
    layers = b""
    for count, objects in (layer0, (0, b"")):
        layers += struct.pack("<2I", 24, 28) + struct.pack("<6I", 0, count, count, 0, 0, 0) + objects
    return (struct.pack("<2I", 0, 4048) + grid + struct.pack("<2I", label_count, 2016) + labels +
            struct.pack("<I", 1004) + background_block + layers)


def label(x, y, slant, text="Main Street"):
    return struct.pack("<ii", x, y) + text.encode("utf-16-le").ljust(2000, b"\0") + struct.pack("<iI", slant, 0)


# Label points at the ends of the 32-bit range overflowed the slanted text drawer and the editor's
# label handles.
points = [(0x7FFFFFFF, 100, 30), (100, 0x7FFFFFFF, 60), (-0x80000000, 200, 30), (-0x80000000, -0x80000000, 60),
          (0x7FFFFFFF, 0x7FFFFFFF, 0)]
write("map", "label_points_at_the_limits", map_file(b"".join(label(*p) for p in points), len(points)))
# A tile grid of 2^31 x 2^31 cells: the byte count wrapped to 0 and the map loaded with negative sizes.
write("map", "tile_grid_sides_of_two_to_the_31", map_file(grid=struct.pack("<6I", 0x80000000, 0x80000000, 32, 16, 0, 0)))
# 65,536 objects in falling y (256 rows of 256): the layer's bubble sort made about 2 x 10^9 swaps.
objects = b"".join(struct.pack("<7i", 0, 70000 - i // 256, 0, 0, 0, 0, 0) for i in range(65536))
write("map", "objects_in_falling_y.gz", map_file(layer0=(65536, objects)))
# A background picture named outside the maps folder.
write("map", "background_outside_the_maps_folder", map_file(background="../map_houses/bungalows/bungalow_coral.png", mode=1))

# An 18-byte header of an 8192 x 8192 true-colour picture: 512 MiB were allocated before the data
# was looked at.
write("tga", "header_of_a_picture_with_no_pixels", struct.pack("<BBBHHBHHHHBB", 0, 0, 2, 0, 0, 0, 0, 0, 8192, 8192, 32, 0x20))


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


# A 60-byte PNG of 8192 x 8192 pixels: 256 MiB were allocated before its data ran out.
write("png", "small_file_of_a_large_picture", b"\x89PNG\r\n\x1a\n" +
      chunk(b"IHDR", struct.pack(">IIBBBBB", 8192, 8192, 8, 6, 0, 0, 0)) + chunk(b"IDAT", zlib.compress(b"\0" * 64)) +
      chunk(b"IEND", b""))

# An entry of 2.1 MB that claims to unpack to 2 GiB got its 2 GiB before inflating.
stored = 2100000
write("archive", "entry_claiming_two_gib.gz", struct.pack("<5I", 1, 0x12345678, stored, 0x80000000, 20) + bytes(stored))

# Symbolic-link ladders: every folder holds its subfolder and two links to it, so the tree grew as
# 3^n with the depth.
steps = [bytes([0, i, i]) for i in range(20)]
for i in range(20):
    steps += [bytes([3, i, i + 1]), bytes([3, i, i + 1 + 21])]
write("picture_tree", "link_ladder_20_deep", b"".join(steps))
