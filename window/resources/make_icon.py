#!/usr/bin/env python3
"""Draws the program's icon group A_MAIN.ico: images of 16, 20, 24, 32, 40, 48 and 64
pixels (the small and large icon at 100 to 200 %), in the 16 standard colours. The picture: a grey module chip with pins, and a magnifying glass
over its corner. Run it again after changing the drawing; the .ico is kept in the tree."""
import struct
import sys

# The 16 standard Windows colours (R, G, B), by index.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_BLUE, SILVER, GREY, CYAN, WHITE, OLIVE, YELLOW = 0, 4, 7, 8, 14, 15, 3, 11


def draw(size):
    """Returns rows (top first) of palette indexes, None for transparent."""
    s = size / 32.0
    pixels = [[None] * size for _ in range(size)]

    def put(x, y, colour):
        if 0 <= x < size and 0 <= y < size:
            pixels[y][x] = colour

    # The module: a chip body with pins on its left and right sides.
    left, top, right, bottom = round(5 * s), round(3 * s), round(22 * s), round(26 * s)
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = x in (left, right) or y in (top, bottom)
            put(x, y, GREY if edge else SILVER)
    step = max(2, round(4 * s))
    for y in range(top + step, bottom - 1, step):
        for dx in range(1, max(2, round(3 * s)) + 1):
            put(left - dx, y, DARK_BLUE)
            put(right + dx, y, DARK_BLUE)
    # A notch and a label line on the chip.
    put((left + right) // 2, top + 1, GREY)
    for x in range(left + 2, right - 1):
        put(x, top + round(6 * s), DARK_BLUE)

    # The magnifying glass: a ring with a bright lens, and a handle.
    cx, cy, radius = 19.5 * s, 18.5 * s, 7.5 * s
    ring = max(1.2, 2.0 * s)
    for y in range(size):
        for x in range(size):
            d = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
            if d <= radius - ring:
                put(x, y, WHITE if (x + 0.5 - cx) + (y + 0.5 - cy) < -radius / 2 else CYAN)
            elif d <= radius:
                put(x, y, BLACK)
    handle = range(round(25 * s), size)
    width = max(2, round(3 * s))
    for i in handle:
        for w in range(width):
            put(i + w - width // 2, i, OLIVE if w else BLACK)
            put(i + w - width // 2 + 1, i, YELLOW if w == width - 1 else OLIVE)
    return pixels


def image(size):
    pixels = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    row_bytes = ((size * 4 + 31) // 32) * 4
    mask_bytes = ((size + 31) // 32) * 4
    xor, mask = b"", b""
    for row in reversed(pixels):  # bitmaps are stored bottom-up
        nibbles = [0 if p is None else p for p in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += data.ljust(row_bytes, b"\0")
        bits = 0
        for x, p in enumerate(row):
            if p is None:
                bits |= 1 << (mask_bytes * 8 - 1 - x)
        mask += bits.to_bytes(mask_bytes, "big")
    return header + palette + xor + mask


SIZES = (16, 20, 24, 32, 40, 48, 64)


def main(path):
    images = [image(size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "A_MAIN.ico")
