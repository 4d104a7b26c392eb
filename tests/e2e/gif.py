"""The first frame of a GIF file as a Picture, enough to know what a stamp must look like."""

import struct

from pictures import Picture


def _lzw_decode(data, min_code_size, pixel_count):
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out = bytearray()
    table = None
    size = min_code_size + 1
    bit_pos, bits_total = 0, len(data) * 8
    previous = None
    value = int.from_bytes(data, "little")

    def reset():
        return [bytes((i,)) for i in range(clear)] + [b"", b""]

    table = reset()
    while bit_pos + size <= bits_total and len(out) < pixel_count:
        code = (value >> bit_pos) & ((1 << size) - 1)
        bit_pos += size
        if code == clear:
            table, size, previous = reset(), min_code_size + 1, None
            continue
        if code == end:
            break
        if previous is None:
            entry = table[code]
        elif code < len(table):
            entry = table[code]
            table.append(previous + entry[:1])
        else:
            entry = previous + previous[:1]
            table.append(entry)
        out += entry
        previous = entry
        if len(table) == (1 << size) and size < 12:
            size += 1
    return bytes(out[:pixel_count])


def read_gif(data):
    if data[:3] != b"GIF":
        raise ValueError("no GIF signature")
    width, height, flags = struct.unpack_from("<HHB", data, 6)
    pos = 13
    palette = None
    if flags & 0x80:
        n = 2 << (flags & 7)
        palette = data[pos:pos + 3 * n]
        pos += 3 * n
    while True:
        block = data[pos]
        if block == 0x21:  # extension: label, then sub-blocks
            pos += 2
            while data[pos]:
                pos += data[pos] + 1
            pos += 1
        elif block == 0x2C:
            left, top, w, h, image_flags = struct.unpack_from("<HHHHB", data, pos + 1)
            pos += 10
            if image_flags & 0x80:
                n = 2 << (image_flags & 7)
                palette = data[pos:pos + 3 * n]
                pos += 3 * n
            min_code_size = data[pos]
            pos += 1
            stream = bytearray()
            while data[pos]:
                stream += data[pos + 1:pos + 1 + data[pos]]
                pos += data[pos] + 1
            indices = _lzw_decode(bytes(stream), min_code_size, w * h)
            rows = [indices[r * w:(r + 1) * w] for r in range(h)]
            if image_flags & 0x40:  # interlaced: rows come in four passes
                order = list(range(0, h, 8)) + list(range(4, h, 8)) + list(range(2, h, 4)) + list(range(1, h, 2))
                placed = [None] * h
                for source, target in enumerate(order):
                    placed[target] = rows[source]
                rows = placed
            canvas = bytearray(b"\xff" * (width * height * 3))
            for r, row in enumerate(rows):
                for c, index in enumerate(row):
                    x, y = left + c, top + r
                    if x < width and y < height:
                        canvas[(y * width + x) * 3:(y * width + x) * 3 + 3] = palette[index * 3:index * 3 + 3]
            return Picture(width, height, canvas)
        else:
            raise ValueError("no image in GIF")
