#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora (fuzz/corpus/<reader>/) from a built game: small pieces of
the generated files, cut down so that each seed stays a few kilobytes and still holds every part of
its format. Run it again after the formats or the content change:
    fuzz/make_seeds.py BUILD_DIR [SAVE_FILE]
SAVE_FILE is a save written by bvplay (tests/scripts/resume/offer_saved.bvs makes one)."""
import os
import struct
import sys
import zlib

build = sys.argv[1]
game = os.path.join(build, "game")
content = os.path.join(build, "content")
out_root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(reader, name, data):
    folder = os.path.join(out_root, reader)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def u32(d, at):
    return struct.unpack_from("<I", d, at)[0]


def i32(d, at):
    return struct.unpack_from("<i", d, at)[0]


# --- archive: three entries (stored, compressed, compressed and cut) with the archive's own hashes
blob = read(os.path.join(game, "bb_Blob32"))
hashes = [u32(blob, 4 + 16 * i) for i in range(3)]
table = read(os.path.join(content, "bvx_2_english.txt"))
parts = [(table[:96], 0), (zlib.compress(table[:600]), 600), (zlib.compress(table[600:900])[:40], 300)]
data_at = 4 + 16 * len(parts)
directory, payload = b"", b""
for h, (stored, unpacked) in zip(hashes, parts):
    directory += struct.pack("<4I", h, len(stored), unpacked, data_at + len(payload))
    payload += stored
write("archive", "three_entries", struct.pack("<I", len(parts)) + directory + payload)

# --- strings: the first pairs and every pair with arguments, as the game's table file
units = table[2:].decode("utf-16-le").split("\n")
chosen = units[:24] + [line for line in units if "%" in line]
write("strings", "table", b"\xff\xfe" + "\n".join(chosen).encode("utf-16-le"))


# --- sprites: a few pictures of the shipped sets, cut to a corner of at most 6 x 5 pixels
def cut_bin(name, count):
    d = read(os.path.join(content, name))
    n = i32(d, 0)
    records, pixels = [], []
    at = 4 + 32 * n
    for i in range(n):
        rec = list(struct.unpack_from("<8i", d, 4 + 32 * i))
        w, h = rec[5], rec[6]
        if i < count:
            cw, ch = min(w, 6), min(h, 5)
            rows = b"".join(d[at + y * w * 4: at + y * w * 4 + cw * 4] for y in range(ch))
            rec[5], rec[6] = cw, ch
            records.append(rec)
            pixels.append(rows)
        at += w * h * 4
    return struct.pack("<i", count) + b"".join(struct.pack("<8i", *r) for r in records) + b"".join(pixels)


write("sprites_bin", "icons", cut_bin("icons.bin", 4))
write("sprites_bin", "numbers", cut_bin("bfnt.bin", 3))


def cut_exs(name, count):
    d = read(os.path.join(content, name))
    h0, n, spare = struct.unpack_from("<3i", d, 0)
    records, pixels = [], []
    at = 12 + 112 * n
    for i in range(n):
        words = list(struct.unpack_from("<8i", d, 12 + 112 * i))
        nm = d[12 + 112 * i + 32: 12 + 112 * i + 112]
        w, h = words[4], words[5]
        if i < count:
            cw, ch = min(w, 6), min(h, 6)
            rows = b"".join(d[at + y * w * 4: at + y * w * 4 + cw * 4] for y in range(ch))
            words[4], words[5] = cw, ch
            records.append(struct.pack("<8i", *words) + nm)
            pixels.append(rows)
        at += w * h * 4
    return struct.pack("<3i", h0, count, spare) + b"".join(records) + b"".join(pixels)


write("sprites_exs", "objects", cut_exs("objects.exs", 3))
write("sprites_exs", "houses", cut_exs("houses.exs", 2))

# --- font: glyph 0 and the glyphs of a short text, from the small bold font
d = read(os.path.join(content, "arial12_bld.spr"))
codes = [0] + [ord(c) for c in " $,.01259ARent"]
glyphs, at = {}, 572
for i in range(i32(d, 32)):
    w, h = i32(d, at + 40), i32(d, at + 44)
    glyphs[i32(d, at + 80)] = d[at: at + 344 + w * h * 4]
    at += 344 + w * h * 4
header = bytearray(d[:572])
struct.pack_into("<i", header, 32, len(codes))
write("font", "arial12_bld", bytes(header) + b"".join(glyphs[c] for c in codes))

# --- map: two houses, a 2 x 2 tile grid naming two pictures, two labels, no background picture,
# three objects in each layer, cut from a shipped town
d = read(os.path.join(game, "maps", "maple_lane.map"))
at = 0
n, size = u32(d, 0), u32(d, 4)
houses = d[8: 8 + 2 * size]
at = 8 + n * size
cols, rows, tw, th, k, career = struct.unpack_from("<6I", d, at)
cells_at = at + 24
names_at = cells_at + cols * rows * 4
grid = struct.pack("<6I", 2, 2, tw, th, 2, career) + d[cells_at: cells_at + 8] + d[cells_at + cols * 4: cells_at + cols * 4 + 8]
grid += d[names_at: names_at + 160]
at = names_at + k * 80
ln, lsize = u32(d, at), u32(d, at + 4)
labels = struct.pack("<2I", min(ln, 2), lsize) + d[at + 8: at + 8 + min(ln, 2) * lsize]
at += 8 + ln * lsize
background = struct.pack("<I", 1004) + bytes(1004)
at += 4 + u32(d, at)
layers = b""
for _ in range(2):
    hsize, esize = u32(d, at), u32(d, at + 4)
    head = list(struct.unpack_from("<6I", d, at + 8))
    count = head[1]
    keep = min(count, 3)
    head[1], head[2], head[3] = keep, keep, 0
    layers += struct.pack("<2I", hsize, esize) + struct.pack("<6I", *head)
    layers += d[at + 8 + hsize: at + 8 + hsize + keep * esize]
    at += 8 + hsize + count * esize
write("map", "maple_lane_cut", struct.pack("<2I", 2, size) + houses + grid + labels + background + layers)

# --- scenario: the settings whole, each of the 150 level records cut to its first 128 bytes
d = read(os.path.join(game, "maps", "first_steps.bvx"))
settings = u32(d, 0)
record = u32(d, 4 + settings)
levels = b"".join(d[8 + settings + i * record: 8 + settings + i * record + 128] for i in range(150))
write("scenario", "first_steps_cut", struct.pack("<I", settings) + d[4: 4 + settings] + struct.pack("<I", 128) + levels)

# --- save and last-player file, as bvplay wrote them
if len(sys.argv) > 2:
    write("save", "career_offer", read(sys.argv[2]))
    write("last_player", "ann", read(os.path.join(os.path.dirname(sys.argv[2]), "bvx2.sav")))
write("last_player", "dotted", b".hidden\0\0\0")


# --- pictures: one small corner of an object picture in each colour type and layout
obj = read(os.path.join(content, "objects.exs"))
n = i32(obj, 4)
w, h = i32(obj, 12 + 16), i32(obj, 12 + 20)
base = 12 + 112 * n
px = [obj[base + (y * w + x) * 4: base + (y * w + x) * 4 + 4] for y in range(min(h, 4)) for x in range(min(w, 5))]
pw, ph = min(w, 5), min(h, 4)


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


def png(colour_type, depth, rows, extra=b"", interlace=0):
    raw = b"".join(b"\0" + r for r in rows)
    ihdr = struct.pack(">IIBBBBB", pw, ph, depth, colour_type, 0, 0, interlace)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + extra + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


rgba = [b"".join(px[y * pw + x] for x in range(pw)) for y in range(ph)]
rgb = [b"".join(px[y * pw + x][:3] for x in range(pw)) for y in range(ph)]
grey = [bytes(px[y * pw + x][1] for x in range(pw)) for y in range(ph)]
write("png", "rgba", png(6, 8, rgba))
write("png", "rgb", png(2, 8, rgb))
write("png", "grey", png(0, 8, grey))
palette = chunk(b"PLTE", b"".join(px[i][:3] for i in range(4))) + chunk(b"tRNS", bytes([0, 128, 255, 255]))
write("png", "palette", png(3, 8, [bytes((x + y) % 4 for x in range(pw)) for y in range(ph)], palette))


def tga(kind, bits, pixel_bytes, cmap=b"", cmap_bits=0, descriptor=0x20):
    head = struct.pack("<BBBHHBHHHHBB", 0, 1 if cmap else 0, kind, 0, len(cmap) // max(1, cmap_bits // 8),
                       cmap_bits, 0, 0, pw, ph, bits, descriptor)
    return head + cmap + pixel_bytes


bgra = b"".join(p[2:3] + p[1:2] + p[0:1] + p[3:4] for p in px)
write("tga", "true_colour", tga(2, 32, bgra))
write("tga", "grey_bottom_up", tga(3, 8, b"".join(r for r in grey), descriptor=0))
write("tga", "mapped", tga(1, 8, bytes(i % 4 for i in range(pw * ph)), b"".join(p[2::-1] for p in px[:4]), 24))
rle = b"".join(bytes([0x80 | (pw - 1)]) + bgra[y * pw * 4: y * pw * 4 + 4] for y in range(ph))
write("tga", "run_length", tga(10, 32, rle))

# --- sounds: the head of a shipped effect with its data chunk cut to what is kept, and the first
# pages of a music track
wav = bytearray(read(os.path.join(content, "coin_drop.wav"))[:44 + 256])
struct.pack_into("<I", wav, 4, len(wav) - 8)
struct.pack_into("<I", wav, 40, 256)
write("sound", "coin_drop_head.wav", bytes(wav))
write("sound", "kids_head.ogg", read(os.path.join(content, "kids.ogg"))[:4096])

# --- picture trees: three bytes a step (what, where, name or target)
write("picture_tree", "folders_and_pictures", bytes([0, 0, 1, 0, 1, 2, 1, 0, 0, 1, 1, 3, 2, 2, 5, 2, 0, 6]))
write("picture_tree", "link_ladder", bytes([0, 0, 1, 0, 1, 2, 3, 0, 1, 3, 0, 101, 3, 1, 2, 3, 1, 102, 4, 2, 1, 4, 2, 0]))
