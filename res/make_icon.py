#!/usr/bin/env python3
"""Draws falvex.ico: one 32x32 32-bit image, a yellow folder with a blue arrow."""
import struct
import sys

W = H = 32

def pixel(x, y):
    # y counts from the top here.
    folder = (0x30, 0xB8, 0xF0, 0xFF)   # BGRA yellow
    edge = (0x10, 0x70, 0xA0, 0xFF)
    arrow = (0xD0, 0x60, 0x20, 0xFF)    # BGRA blue
    if 19 <= y <= 23 and 14 <= x <= 24 or (15 <= y <= 27 and 22 <= x <= 28 - abs(y - 21)):
        if 13 <= x <= 29:
            return arrow
    if 6 <= y <= 9 and 2 <= x <= 13:
        return edge if y == 6 or x in (2, 13) else folder
    if 9 <= y <= 27 and 2 <= x <= 29:
        return edge if y in (9, 27) or x in (2, 29) else folder
    return (0, 0, 0, 0)

rows = []
for y in range(H - 1, -1, -1):  # bottom-up
    rows.append(b"".join(bytes(pixel(x, y)) for x in range(W)))
xor = b"".join(rows)
and_mask = b"\x00" * (4 * H)  # 32 pixels = 4 bytes per row, all opaque via alpha
header = struct.pack("<IiiHHIIiiII", 40, W, H * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
image = header + xor + and_mask
ico = (struct.pack("<HHH", 0, 1, 1) +
       struct.pack("<BBBBHHII", W, H, 0, 0, 1, 32, len(image), 22) + image)
open(sys.argv[1] if len(sys.argv) > 1 else "falvex.ico", "wb").write(ico)
