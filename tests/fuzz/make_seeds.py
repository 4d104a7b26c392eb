#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets into tests/fuzz/corpus/<target>/.

Each parser gets small hand-made files that walk its branches (accepted and refused), plus the
real files it meets: the embedded assets and, for the bitmap reader, the public bitmap suite.
Run it again after the assets change; its output is committed.
"""

import pathlib
import shutil
import struct

ROOT = pathlib.Path(__file__).resolve().parents[2]
CORPUS = ROOT / "tests" / "fuzz" / "corpus"
ASSETS = ROOT / "assets" / "files"
BMPSUITE = ROOT.parent / "shared" / "corpora" / "bmpsuite"


# ---------------------------------------------------------------- bitmaps

def bmp_row_bytes(width, bpp):
    return ((bpp * abs(width) + 31) // 32) * 4


def bmp(width, height, bpp, pixels=None, palette=None, colours_used=0, compression=0,
        pixel_offset=None, header_size=40, file_size=None, planes=1, pad_to_offset=True):
    """A bitmap file; pixels is a list of rows (as stored), each a bytes object, or None for a
    pattern of the right length."""
    palette = palette if palette is not None else []
    info = struct.pack("<IiiHHIIiiII", header_size, width, height, planes, bpp, compression, 0, 0, 0,
                       colours_used, 0)
    if header_size <= 4096:  # a larger header size is a lie the file cannot back
        info += b"\0" * max(0, header_size - 40)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    if pixels is None:
        rows = abs(height)
        row = bmp_row_bytes(width, bpp)
        pixels = [bytes((x * 37 + y * 11) & 0xFF for x in range(row)) for y in range(rows)]
    body = b"".join(pixels)
    offset = pixel_offset if pixel_offset is not None else 14 + len(info) + len(pal)
    gap = b"\0" * max(0, offset - (14 + len(info) + len(pal))) if pad_to_offset else b""
    total = 14 + len(info) + len(pal) + len(gap) + len(body)
    header = b"BM" + struct.pack("<IHHI", file_size if file_size is not None else total, 0, 0, offset)
    return header + info + pal + gap + body


def grey_palette(n):
    return [(i * 255 // max(1, n - 1),) * 3 for i in range(n)]


def bitmap_seeds():
    s = {}
    s["rgb24_3x2"] = bmp(3, 2, 24, [bytes([255, 255, 255, 0, 0, 0, 255, 255, 255, 0, 0, 0]),
                                    bytes([0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0])])
    s["rgb24_1x1"] = bmp(1, 1, 24)
    s["rgb24_5x3"] = bmp(5, 3, 24)
    s["rgb32_4x4"] = bmp(4, 4, 32)
    s["pal1_9x2"] = bmp(9, 2, 1, palette=[(0, 0, 0), (255, 255, 255)])
    s["pal4_7x3"] = bmp(7, 3, 4, palette=grey_palette(16))
    s["pal8_6x3"] = bmp(6, 3, 8, palette=grey_palette(256))
    s["pal8_colours_used_4"] = bmp(6, 3, 8, palette=grey_palette(4), colours_used=4)
    s["pal8_colours_used_300"] = bmp(2, 2, 8, palette=grey_palette(300), colours_used=300)
    s["pal8_colours_used_huge"] = bmp(2, 2, 8, palette=grey_palette(4), colours_used=0xFFFFFFFF)
    s["pal1_short_palette"] = bmp(8, 1, 1, palette=[(1, 2, 3)], colours_used=1)
    s["top_down"] = bmp(3, -2, 24)
    s["negative_width"] = bmp(-3, 2, 24)
    s["height_int_min"] = bmp(1, -2**31, 24, pixels=[b"\0" * 4])
    s["width_int_min"] = bmp(-2**31, 1, 24, pixels=[b"\0" * 4])
    s["width_zero"] = bmp(0, 2, 24, pixels=[b""])
    s["height_zero"] = bmp(2, 0, 24, pixels=[])
    s["huge_area"] = bmp(0x7FFFFFFF, 0x7FFFFFFF, 32, pixels=[b"\0" * 16])
    s["stride_overflow"] = bmp(0x40000000, 1, 32, pixels=[b"\0" * 16])
    s["bpp16"] = bmp(2, 2, 16)
    s["bpp2"] = bmp(8, 2, 2, palette=grey_palette(4))
    s["bpp0"] = bmp(2, 2, 0, pixels=[b"\0" * 8])
    s["compression_rle8"] = bmp(2, 2, 8, palette=grey_palette(256), compression=1)
    s["compression_bitfields"] = bmp(2, 2, 32, compression=3)
    s["pixel_offset_beyond"] = bmp(2, 2, 24, pixel_offset=10_000, pad_to_offset=False)
    s["pixel_offset_inside_palette"] = bmp(2, 2, 8, palette=grey_palette(256), pixel_offset=60)
    s["pixel_offset_max"] = bmp(2, 2, 24, pixel_offset=0xFFFFFFFF, pad_to_offset=False)
    s["truncated_last_row"] = bmp(5, 3, 24)[:-3]
    s["truncated_headers"] = bmp(1, 1, 24)[:53]
    s["header_size_12"] = bmp(2, 2, 24, header_size=12)
    s["header_size_124"] = bmp(2, 2, 8, palette=grey_palette(256), header_size=124)
    s["header_size_huge"] = bmp(2, 2, 8, palette=grey_palette(2), colours_used=2, header_size=0xFFFFFFF0)
    s["not_bm"] = b"MB" + bmp(1, 1, 24)[2:]
    return s


# ---------------------------------------------------------------- cursors and icons

def dib(width, height, bpp, palette_entries=None, header_height=None):
    """A bitmap information header, palette, colour rows and 1-bit AND mask: the image of a
    cursor or icon directory entry."""
    if palette_entries is None:
        palette_entries = (1 << bpp) if bpp <= 8 else 0
    hh = header_height if header_height is not None else 2 * height
    header = struct.pack("<IiiHHIIiiII", 40, width, hh, 1, bpp, 0, 0, 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", i & 0xFF, (i * 3) & 0xFF, (i * 7) & 0xFF, 0)
                       for i in range(palette_entries))
    colour = bytes((i * 13) & 0xFF for i in range(bmp_row_bytes(width, bpp) * height))
    mask = bytes((0xF0 if (i // 4) % 2 else 0x0F) for i in range(bmp_row_bytes(width, 1) * height))
    return header + palette + colour + mask


def directory(kind, entries, images, count=None, offsets=None, lengths=None):
    """A .cur (kind 2) or .ico (kind 1) file. entries: (width byte, height byte, colours,
    field4, field6) where field4/field6 are the planes and bit count of an icon or the hot
    spot of a cursor."""
    n = len(entries)
    out = struct.pack("<HHH", 0, kind, n if count is None else count)
    offset = 6 + 16 * n
    real_offsets = []
    for img in images:
        real_offsets.append(offset)
        offset += len(img)
    for i, (w, h, colours, f4, f6) in enumerate(entries):
        length = len(images[i]) if lengths is None else lengths[i]
        off = real_offsets[i] if offsets is None else offsets[i]
        out += struct.pack("<BBBBHHII", w, h, colours, 0, f4, f6, length & 0xFFFFFFFF, off & 0xFFFFFFFF)
    return out + b"".join(images)


def cursor_seeds():
    s = {}
    img32 = dib(32, 32, 32)
    img8 = dib(32, 32, 8)
    s["cursor32"] = directory(2, [(32, 32, 0, 0, 0)], [img32])
    s["cursor8_hotspot"] = directory(2, [(32, 32, 0, 5, 7)], [img8])
    s["cursor1"] = directory(2, [(16, 16, 2, 1, 1)], [dib(16, 16, 1)])
    s["cursor4"] = directory(2, [(16, 16, 16, 3, 4)], [dib(16, 16, 4)])
    s["cursor24"] = directory(2, [(8, 8, 0, 0, 0)], [dib(8, 8, 24)])
    s["cursor_size_byte_0"] = directory(2, [(0, 0, 0, 0, 0)], [dib(1, 1, 32)])
    s["cursor_two_images"] = directory(2, [(16, 16, 0, 0, 0), (32, 32, 0, 1, 1)], [dib(16, 16, 32), img32])
    s["count_0"] = directory(2, [(32, 32, 0, 0, 0)], [img32], count=0)
    s["type_icon"] = directory(1, [(32, 32, 0, 1, 32)], [img32])
    s["reserved_1"] = b"\1\0" + s["cursor32"][2:]
    s["exactly_22_bytes"] = s["cursor32"][:22]
    s["directory_longer_than_file"] = directory(2, [(32, 32, 0, 0, 0)] * 4, [img32] * 4, count=4000)[:70]
    s["offset_inside_directory"] = directory(2, [(32, 32, 0, 0, 0)], [img32], offsets=[6])
    s["offset_beyond_file"] = directory(2, [(32, 32, 0, 0, 0)], [img32], offsets=[1 << 20])
    s["length_beyond_file"] = directory(2, [(32, 32, 0, 0, 0)], [img32], lengths=[len(img32) + 1])
    s["offset_plus_length_wraps"] = directory(2, [(32, 32, 0, 0, 0)], [img32], offsets=[0xFFFFFFF0],
                                              lengths=[0x20])
    s["header_height_int_min"] = directory(2, [(32, 32, 0, 0, 0)], [dib(32, 32, 32, header_height=-2**31)])
    s["header_width_huge"] = directory(2, [(32, 32, 0, 0, 0)],
                                       [struct.pack("<Iii", 40, 0x7FFFFFFF, 64) + img32[12:]])
    s["header_bits_7"] = directory(2, [(32, 32, 0, 0, 0)], [img32[:14] + b"\x07\0" + img32[16:]])
    s["header_size_huge"] = directory(2, [(32, 32, 0, 0, 0)], [b"\xff\xff\xff\x7f" + img32[4:]])
    s["image_cut_short"] = directory(2, [(32, 32, 0, 0, 0)], [img32])[:-100]
    return s


def icon_seeds():
    s = {}
    imgs = [dib(48, 48, 32), dib(32, 32, 32), dib(16, 16, 32)]
    s["three_sizes"] = directory(1, [(48, 48, 0, 1, 32), (32, 32, 0, 1, 32), (16, 16, 0, 1, 32)], imgs)
    s["first_16_with_16_colours"] = directory(
        1, [(32, 32, 16, 1, 4), (16, 16, 16, 1, 4), (16, 16, 0, 1, 32)],
        [dib(32, 32, 4), dib(16, 16, 4), dib(16, 16, 32)])
    s["only_32_with_colours"] = directory(1, [(48, 48, 0, 1, 32), (32, 32, 255, 1, 8)],
                                          [dib(48, 48, 32), dib(32, 32, 8)])
    s["single_8bit"] = directory(1, [(16, 16, 0, 1, 8)], [dib(16, 16, 8)])
    s["single_16bit"] = directory(1, [(16, 16, 0, 1, 16)], [dib(16, 16, 16)])
    s["single_1bit"] = directory(1, [(16, 16, 2, 1, 1)], [dib(16, 16, 1)])
    s["as_cursor_type"] = directory(2, [(16, 16, 0, 0, 0)], [dib(16, 16, 32)])
    s["count_0"] = directory(1, [(16, 16, 0, 1, 32)], [dib(16, 16, 32)], count=0)
    s["type_3"] = b"\0\0\3\0" + s["single_8bit"][4:]
    s["directory_longer_than_file"] = directory(1, [(16, 16, 0, 1, 32)], [dib(16, 16, 32)], count=200)[:100]
    s["offset_inside_directory"] = directory(1, [(16, 16, 0, 1, 32)], [dib(16, 16, 32)], offsets=[2])
    s["offset_beyond_file"] = directory(1, [(16, 16, 0, 1, 32)], [dib(16, 16, 32)], offsets=[0x7FFFFFFF])
    s["offset_plus_length_wraps"] = directory(1, [(16, 16, 0, 1, 32)], [dib(16, 16, 32)],
                                              offsets=[0xFFFFFF00], lengths=[0x200])
    s["length_zero"] = directory(1, [(16, 16, 0, 1, 32)], [dib(16, 16, 32)], lengths=[0])
    s["header_height_int_min"] = directory(1, [(16, 16, 0, 1, 32)], [dib(16, 16, 32, header_height=-2**31)])
    s["header_height_odd"] = directory(1, [(16, 16, 0, 1, 32)], [dib(16, 16, 32, header_height=33)])
    s["image_cut_short"] = s["three_sizes"][:-500]
    return s


# ---------------------------------------------------------------- GIFs

def lzw_encode(indices, min_size):
    """Variable-length LZW as GIF uses it, with a clear code first and whenever the dictionary
    fills, and an end code last."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    out, bits, nbits = bytearray(), 0, 0
    width = min_size + 1

    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    emit(clear)
    prefix = ()
    for k in indices:
        cand = prefix + (k,)
        if cand in table:
            prefix = cand
            continue
        emit(table[prefix])
        if next_code < 4096:
            table[cand] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code, width = end + 1, min_size + 1
        prefix = (k,)
    if prefix:
        emit(table[prefix])
    emit(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    return bytes(out) + b"\0"


def colour_table(n):
    return b"".join(bytes(((i * 53) & 0xFF, (i * 97) & 0xFF, (i * 29) & 0xFF)) for i in range(n))


def gif_image(w, h, indices, min_size=2, local_bits=None, interlaced=False, left=0, top=0, data=None):
    flags = (0x40 if interlaced else 0) | ((0x80 | (local_bits - 1)) if local_bits else 0)
    out = b"\x2c" + struct.pack("<HHHHB", left, top, w, h, flags)
    if local_bits:
        out += colour_table(1 << local_bits)
    return out + bytes([min_size]) + sub_blocks(data if data is not None else lzw_encode(indices, min_size))


def gif(sw, sh, blocks, global_bits=2, version=b"GIF89a", trailer=True):
    flags = (0x80 | (global_bits - 1)) if global_bits else 0
    out = version + struct.pack("<HHBBB", sw, sh, flags, 0, 0)
    if global_bits:
        out += colour_table(1 << global_bits)
    return out + b"".join(blocks) + (b"\x3b" if trailer else b"")


def graphic_control(transparent=1):
    return b"\x21\xf9\x04\x01\x00\x00" + bytes([transparent]) + b"\x00"


def interlace(rows):
    order = list(range(0, len(rows), 8)) + list(range(4, len(rows), 8)) + list(range(2, len(rows), 4)) + \
        list(range(1, len(rows), 2))
    return [rows[i] for i in order]


def gif_seeds():
    s = {}
    w, h = 10, 9
    rows = [[(x + y) % 4 for x in range(w)] for y in range(h)]
    flat = [i for r in rows for i in r]
    s["plain"] = gif(w, h, [gif_image(w, h, flat)])
    s["gif87a"] = gif(w, h, [gif_image(w, h, flat)], version=b"GIF87a")
    s["graphic_control"] = gif(w, h, [graphic_control(), gif_image(w, h, flat)])
    s["all_extensions"] = gif(w, h, [
        graphic_control(0),
        b"\x21\xfe" + sub_blocks(b"a comment"),
        b"\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00",
        b"\x21\x01\x0c" + bytes(12) + sub_blocks(b"text"),
        gif_image(w, h, flat)])
    s["unknown_extension"] = gif(w, h, [b"\x21\x42\x00", gif_image(w, h, flat)])
    s["interlaced"] = gif(w, h, [gif_image(w, h, [i for r in interlace(rows) for i in r], interlaced=True)])
    s["local_table"] = gif(w, h, [gif_image(w, h, flat, local_bits=3)], global_bits=0)
    s["no_table"] = gif(w, h, [gif_image(w, h, flat)], global_bits=0)
    s["two_images"] = gif(w, h, [gif_image(w, h, flat), gif_image(3, 3, [1] * 9)])
    s["image_smaller_than_screen"] = gif(40, 30, [gif_image(w, h, flat, left=5, top=5)])
    s["image_larger_than_screen"] = gif(4, 3, [gif_image(w, h, flat)])
    s["min_code_size_8"] = gif(16, 16, [gif_image(16, 16, [i for i in range(256)], min_size=8)], global_bits=8)
    s["long_run_grows_to_12_bits"] = gif(200, 100, [gif_image(200, 100, [(i * 7 // 13) % 4 for i in range(20000)])])
    s["dictionary_full_without_clear"] = gif(64, 64, [gif_image(64, 64, [], data=(
        # clear, then 4100 literal codes of 12 bits without ever clearing: the dictionary fills.
        b"\x04" + bytes(6000)))])
    s["undefined_code"] = gif(w, h, [gif_image(w, h, [], data=bytes([0x04 | (7 << 3), 0xFF, 0xFF]))])
    s["no_end_code"] = gif(w, h, [gif_image(w, h, flat)])[:-4] + b"\0\x3b"
    s["cut_in_image"] = gif(w, h, [gif_image(w, h, flat)])[:-6]
    s["trailer_before_image"] = gif(w, h, [b"\x3b", gif_image(w, h, flat)])
    s["zero_before_image"] = gif(w, h, [b"\x00", gif_image(w, h, flat)])
    s["bad_introducer"] = gif(w, h, [b"\x55", gif_image(w, h, flat)])
    s["zero_size_image"] = gif(w, h, [gif_image(0, 0, [])])
    s["max_screen"] = gif(0xFFFF, 0xFFFF, [gif_image(2, 2, [1, 2, 3, 0])])
    s["max_image"] = gif(4, 4, [gif_image(0xFFFF, 0xFFFF, [1, 2, 3, 0] * 64)])
    s["min_code_size_0"] = gif(w, h, [gif_image(w, h, [], min_size=0, data=b"\x01\x02")])
    s["min_code_size_12"] = gif(w, h, [gif_image(w, h, [], min_size=12, data=b"\x00\x10\x00")])
    s["global_table_cut"] = gif(w, h, [], global_bits=8)[:13 + 300]
    s["exactly_13_bytes"] = gif(w, h, [], global_bits=0, trailer=False)
    s["white_and_red"] = gif(4, 2, [gif_image(4, 2, [0, 1, 1, 0, 1, 0, 0, 1], min_size=2)],
                             global_bits=2)
    return s


# ---------------------------------------------------------------- writing

def write(target, seeds, copies=()):
    folder = CORPUS / target
    if folder.exists():
        shutil.rmtree(folder)
    folder.mkdir(parents=True)
    for name, data in seeds.items():
        (folder / (name + ".bin")).write_bytes(data)
    for path in copies:
        shutil.copyfile(path, folder / (path.parent.name + "_" + path.name))


def assets(pattern):
    return sorted(ASSETS.glob(pattern)) if ASSETS.is_dir() else []


def main():
    suite = [p for d in ("g", "q", "b") for p in sorted((BMPSUITE / d).glob("*.bmp"))]
    write("decode_bitmap", bitmap_seeds(), suite)
    write("cursor_file", cursor_seeds(), assets("*.cur"))
    write("gif", gif_seeds(), assets("*.gif"))
    write("icon_choice", icon_seeds(), assets("*.ico"))
    for target in sorted(CORPUS.iterdir()):
        print(f"{target.name}: {len(list(target.iterdir()))} files")


if __name__ == "__main__":
    main()
