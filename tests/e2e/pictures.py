"""Pictures as plain RGB rows: screenshots (PPM from ImageMagick), saved bitmap files, GIF
stamps, and the test patterns put on the X root window."""

import struct


class Picture:
    """width x height pixels, 3 bytes each (red, green, blue), top row first."""

    def __init__(self, width, height, rgb):
        assert len(rgb) == width * height * 3, (width, height, len(rgb))
        self.width, self.height, self.rgb = width, height, bytes(rgb)

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def row(self, y, left=0, right=None):
        right = self.width if right is None else right
        return self.rgb[(y * self.width + left) * 3:(y * self.width + right) * 3]

    def same_area(self, other, left, top, right, bottom):
        left, top = max(left, 0), max(top, 0)
        right, bottom = min(right, self.width), min(bottom, self.height)
        return all(self.row(y, left, right) == other.row(y, left, right) for y in range(top, bottom))

    def differing_pixels(self, other, limit=10):
        """Up to `limit` (x, y, mine, theirs) where the two pictures differ."""
        found = []
        for y in range(self.height):
            a, b = self.row(y), other.row(y)
            if a == b:
                continue
            for x in range(self.width):
                if a[x * 3:x * 3 + 3] != b[x * 3:x * 3 + 3]:
                    found.append((x, y, self.pixel(x, y), other.pixel(x, y)))
                    if len(found) >= limit:
                        return found
        return found

    def changed_box(self, other):
        """The bounding box (left, top, right, bottom) of the differing pixels, or None."""
        rows = [y for y in range(self.height) if self.row(y) != other.row(y)]
        if not rows:
            return None
        left, right = self.width, 0
        for y in rows:
            a, b = self.row(y), other.row(y)
            xs = [x for x in range(self.width) if a[x * 3:x * 3 + 3] != b[x * 3:x * 3 + 3]]
            left, right = min(left, xs[0]), max(right, xs[-1] + 1)
        return left, rows[0], right, rows[-1] + 1

    def __eq__(self, other):
        return (self.width, self.height, self.rgb) == (other.width, other.height, other.rgb)

    def to_ppm(self):
        return b"P6\n%d %d\n255\n" % (self.width, self.height) + self.rgb


def read_ppm(data):
    """A binary PPM (P6) with a maximum of 255."""
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    magic, width, height, maximum = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
    if magic != b"P6" or maximum != 255:
        raise ValueError("not an 8-bit binary PPM: %r %d" % (magic, maximum))
    return Picture(width, height, data[pos:pos + width * height * 3])


def read_bmp(data):
    """A 24-bit uncompressed bitmap file, rows bottom-up; also returns its header fields."""
    if data[:2] != b"BM":
        raise ValueError("no BM signature")
    file_size, offset = struct.unpack_from("<I4xI", data, 2)
    header_size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    header = dict(file_size=file_size, offset=offset, header_size=header_size, planes=planes,
                  bits=bits, compression=compression, length=len(data))
    if bits != 24 or compression != 0 or height <= 0:
        raise ValueError("not a bottom-up 24-bit bitmap: %r" % header)
    stride = (width * 3 + 3) // 4 * 4
    rgb = bytearray()
    for y in range(height):
        start = offset + (height - 1 - y) * stride
        bgr = data[start:start + width * 3]
        row = bytearray(len(bgr))
        row[0::3], row[1::3], row[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rgb += row
    return Picture(width, height, rgb), header


def pattern(width, height, variant):
    """A test picture in which every pixel differs from its neighbours' pattern and from the
    pen colours used in the tests: red never exceeds 250, blue is 20 or 220, never pure white."""
    rgb = bytearray()
    reds = [x * 250 // (width - 1) for x in range(width)]
    for y in range(height):
        green = y * 250 // (height - 1)
        row = bytearray(width * 3)
        for x in range(width):
            checker = ((x // 60) + (y // 60)) % 2
            if variant == 0:
                row[x * 3:x * 3 + 3] = bytes((reds[x], green, 220 if checker else 20))
            else:
                row[x * 3:x * 3 + 3] = bytes((250 - reds[x], 250 - green, 20 if checker else 220))
        rgb += row
    return Picture(width, height, rgb)
