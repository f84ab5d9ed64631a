#!/usr/bin/env python3
"""Writes the program's images at build time.

    make_images.py ICON_MAPS OUTPUT_DIR

Writes OUTPUT_DIR/Vantrel.ico from the text pixel maps in ICON_MAPS (16-colour
images with a transparency mask) and OUTPUT_DIR/Skin<Name>.bmp, the 72 x 96
strips of the skinned buttons: four 72 x 24 bars with rounded ends, top to
bottom normal, hover, pressed and disabled, as 32-bit bitmaps with
premultiplied alpha so that the rounded ends blend with any background.
"""

import math
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

BUTTON_WIDTH = 72
BUTTON_HEIGHT = 24
# Skin name: (top colour, bottom colour) of the bar in its normal state.
SKINS = {
    "Cyan": ((178, 242, 255), (0, 172, 214)),
    "Red": ((255, 196, 190), (222, 64, 52)),
    "White": ((255, 255, 255), (206, 206, 210)),
    "Blue": ((190, 214, 255), (66, 122, 230)),
}


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


def bar_coverage(x, y):
    """How much of pixel (x, y) lies inside the bar with rounded ends (0..1)."""
    samples = 4
    inside = 0
    radius = BUTTON_HEIGHT / 2 - 0.5
    for sy in range(samples):
        for sx in range(samples):
            px = x + (sx + 0.5) / samples
            py = y + (sy + 0.5) / samples
            cx = min(max(px, radius + 0.5), BUTTON_WIDTH - radius - 0.5)
            if math.hypot(px - cx, py - BUTTON_HEIGHT / 2) <= radius:
                inside += 1
    return inside / (samples * samples)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def state_colours(top, bottom, state):
    grey = lambda c: (sum(c) // 3,) * 3
    if state == "hover":
        return mix(top, (255, 255, 255), 0.4), mix(bottom, (255, 255, 255), 0.25)
    if state == "pressed":
        return mix(bottom, (0, 0, 0), 0.15), mix(top, bottom, 0.5)
    if state == "disabled":
        return mix(grey(top), (214, 214, 214), 0.5), mix(grey(bottom), (214, 214, 214), 0.5)
    return top, bottom


def bar_pixel(x, y, top, bottom):
    """The bar's colour at (x, y): a vertical gradient, a gloss on the upper
    half and a darker outline one pixel wide."""
    colour = mix(top, bottom, y / (BUTTON_HEIGHT - 1))
    if y < BUTTON_HEIGHT // 2:
        colour = mix(colour, (255, 255, 255), 0.35 * (1 - y / (BUTTON_HEIGHT / 2)))
    inner = min(bar_coverage(x - 1, y), bar_coverage(x + 1, y), bar_coverage(x, y - 1),
                bar_coverage(x, y + 1))
    if inner < 1:
        colour = mix(colour, mix(bottom, (0, 0, 0), 0.45), 1 - inner * 0.5)
    return colour


def write_skin(top, bottom, path):
    rows = []
    for state in ("normal", "hover", "pressed", "disabled"):
        state_top, state_bottom = state_colours(top, bottom, state)
        for y in range(BUTTON_HEIGHT):
            row = b""
            for x in range(BUTTON_WIDTH):
                alpha = bar_coverage(x, y)
                r, g, b = bar_pixel(x, y, state_top, state_bottom)
                row += bytes((round(b * alpha), round(g * alpha), round(r * alpha),
                              round(255 * alpha)))
            rows.append(row)
    height = len(rows)
    pixels = b"".join(reversed(rows))
    info = struct.pack("<IiiHHIIiiII", 40, BUTTON_WIDTH, height, 1, 32, 0, len(pixels), 2835,
                       2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0,
                              14 + len(info))
    with open(path, "wb") as bitmap:
        bitmap.write(file_header + info + pixels)


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    maps_path, output_dir = sys.argv[1:]
    os.makedirs(output_dir, exist_ok=True)
    write_icon(read_icon_maps(maps_path), os.path.join(output_dir, "Vantrel.ico"))
    for name, (top, bottom) in SKINS.items():
        write_skin(top, bottom, os.path.join(output_dir, f"Skin{name}.bmp"))


if __name__ == "__main__":
    main()
