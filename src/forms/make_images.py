#!/usr/bin/env python3
"""Writes the program's images at build time.

    make_images.py ICON_MAPS OUTPUT_DIR

Writes OUTPUT_DIR/Vantrel.ico from the text pixel maps in ICON_MAPS (16-colour
images with a transparency mask).
"""

import os
import struct
import sys

# The standard 16-colour palette in its usual order, as (red, green, blue).
STANDARD_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
# Letters of the pixel maps: palette indices. "." is transparent.
MAP_LETTERS = {
    "K": 0, "M": 1, "G": 2, "O": 3, "N": 4, "P": 5, "T": 6, "S": 7,
    "D": 8, "R": 9, "L": 10, "Y": 11, "B": 12, "F": 13, "C": 14, "W": 15,
}
TRANSPARENT = "."


def read_icon_maps(path):
    """Returns {size: rows} from the maps file; each image is square."""
    images = {}
    size = None
    with open(path, encoding="utf-8") as maps:
        for number, line in enumerate(maps, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            if line.startswith("icon "):
                size = int(line.split()[1])
                images[size] = []
                continue
            if size is None:
                raise SystemExit(f"{path}:{number}: pixels before an 'icon' line")
            unknown = set(line) - set(MAP_LETTERS) - {TRANSPARENT}
            if len(line) != size or unknown:
                raise SystemExit(f"{path}:{number}: a row needs {size} known letters")
            images[size].append(line)
    for size, rows in images.items():
        if len(rows) != size:
            raise SystemExit(f"{path}: the {size} x {size} image has {len(rows)} rows")
    return images


def padded_row(data):
    return data + b"\0" * (-len(data) % 4)


def icon_image(rows):
    """One icon image: header, palette, 4-bit colours and 1-bit mask, bottom-up."""
    size = len(rows)
    colours = b""
    mask = b""
    for row in reversed(rows):
        indices = [0 if c == TRANSPARENT else MAP_LETTERS[c] for c in row]
        colours += padded_row(bytes((indices[i] << 4) | indices[i + 1] for i in range(0, size, 2)))
        bits = [1 if c == TRANSPARENT else 0 for c in row]
        mask += padded_row(bytes(
            sum(bits[i + j] << (7 - j) for j in range(8)) for i in range(0, size, 8)))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(colours) + len(mask),
                         0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in STANDARD_PALETTE)
    return header + palette + colours + mask


def write_icon(images, path):
    sizes = sorted(images, reverse=True)
    bodies = [icon_image(images[size]) for size in sizes]
    offset = 6 + 16 * len(bodies)
    directory = struct.pack("<HHH", 0, 1, len(bodies))
    for size, body in zip(sizes, bodies):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(body),
                                 offset)
        offset += len(body)
    with open(path, "wb") as icon:
        icon.write(directory + b"".join(bodies))


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    maps_path, output_dir = sys.argv[1:]
    os.makedirs(output_dir, exist_ok=True)
    write_icon(read_icon_maps(maps_path), os.path.join(output_dir, "Vantrel.ico"))


if __name__ == "__main__":
    main()
