#!/usr/bin/env python3
# Builds res/halvrin.ico (clock over a log sheet) from scratch, standard library only.

import math
import os
import struct
import sys
import zlib
from collections import namedtuple

SUPERSAMPLE = 4  # samples per pixel along each axis

# (size, bits per pixel) in icon-directory order.
ICON_IMAGES = [
    (48, 4), (32, 4), (24, 4), (16, 4),
    (48, 8), (32, 8), (24, 8), (16, 8),
    (256, 32), (48, 32), (32, 32), (24, 32), (16, 32),
]

PAPER = (247, 244, 234)
PAPER_EDGE = (98, 106, 120)
FOLD = (220, 214, 196)
RULE = (122, 158, 206)
HEADER_RULE = (44, 84, 156)
RIM = (36, 42, 56)
FACE = (255, 255, 255)
TICK = (70, 78, 94)
HAND = (220, 58, 26)

# Windows' standard 16-colour palette, in the order 4-bpp icons expect.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

Shape = namedtuple("Shape", "sdf bbox")  # signed distance (<= 0 inside), (x0, y0, x1, y1)
Layer = namedtuple("Layer", "bbox paint")  # paint(x, y) -> (r, g, b, alpha) or None


def require(condition, message):
    # Explicit raise, so the check still runs under python -O.
    if not condition:
        raise ValueError(message)


# ---------------------------------------------------------------- shapes

def box(x0, y0, x1, y1):
    return Shape(lambda x, y: max(x0 - x, x - x1, y0 - y, y - y1), (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r,
                 (cx - r, cy - r, cx + r, cy + r))


def capsule(ax, ay, bx, by, r):
    dx, dy = bx - ax, by - ay
    length_sq = dx * dx + dy * dy

    def sdf(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length_sq))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - r

    bbox = (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r)
    return Shape(sdf, bbox)


def bar(ax, ay, bx, by, half_width):
    """A straight-ended stroke from a to b."""
    length = math.hypot(bx - ax, by - ay)
    nx, ny = (ay - by) / length * half_width, (bx - ax) / length * half_width
    return convex_polygon([(ax + nx, ay + ny), (bx + nx, by + ny), (bx - nx, by - ny), (ax - nx, ay - ny)])


def convex_polygon(points):
    # The max of edge half-plane distances keeps corners mitred, which suits paper.
    cx = sum(p[0] for p in points) / len(points)
    cy = sum(p[1] for p in points) / len(points)
    planes = []
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        nx, ny = by - ay, ax - bx
        norm = math.hypot(nx, ny)
        nx, ny = nx / norm, ny / norm
        c = nx * ax + ny * ay
        if nx * cx + ny * cy - c > 0:
            nx, ny, c = -nx, -ny, -c
        planes.append((nx, ny, c))
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(lambda x, y: max(nx * x + ny * y - c for nx, ny, c in planes),
                 (min(xs), min(ys), max(xs), max(ys)))


# ---------------------------------------------------------------- layers

def solid(rgb):
    return lambda x, y: rgb


def fill(shape, colour):
    def paint(x, y):
        return colour(x, y) + (1.0,) if shape.sdf(x, y) <= 0 else None
    return Layer(shape.bbox, paint)


def inner_stroke(shape, width, colour):
    def paint(x, y):
        d = shape.sdf(x, y)
        return colour(x, y) + (1.0,) if -width < d <= 0 else None
    return Layer(shape.bbox, paint)


def pixel_art(layer):
    """Evaluate a layer once per whole pixel, giving hard, hinted edges."""
    def paint(x, y):
        return layer.paint(math.floor(x) + 0.5, math.floor(y) + 0.5)
    return Layer(layer.bbox, paint)


def drop_shadow(shape, dx, dy, blur, opacity):
    # Kept faint so the alpha threshold of the palettized images drops it entirely.
    def paint(x, y):
        d = shape.sdf(x - dx, y - dy)
        a = opacity * max(0.0, min(1.0, 0.5 - d / blur))
        return (0, 0, 0, a) if a > 0 else None
    x0, y0, x1, y1 = shape.bbox
    return Layer((x0 + dx - blur, y0 + dy - blur, x1 + dx + blur, y1 + dy + blur), paint)


def lerp_rgb(a, b, t):
    return tuple(p + (q - p) * t for p, q in zip(a, b))


def vertical_gradient(top, bottom, y0, y1):
    return lambda x, y: lerp_rgb(top, bottom, max(0.0, min(1.0, (y - y0) / (y1 - y0))))


def radial_gradient(centre, edge, cx, cy, r):
    return lambda x, y: lerp_rgb(centre, edge, min(1.0, math.hypot(x - cx, y - cy) / r) ** 2)


# ---------------------------------------------------------------- scene

def clock_direction(turns):
    """Unit vector for a clock position given in turns clockwise from twelve (y grows down)."""
    a = 2 * math.pi * turns
    return math.sin(a), -math.cos(a)


def pixel_snapper(size):
    # Up to 48 px, edges on pixel boundaries keep the paper and its lines crisp.
    return round if size <= 48 else (lambda v: v)


def log_sheet_layers(size):
    snap = pixel_snapper(size)
    x0, y0, x1, y1 = snap(0.08 * size), snap(0.03 * size), snap(0.70 * size), snap(0.88 * size)
    fold = snap(0.17 * size) if size >= 24 else 0
    edge = max(0.014 * size, 1.0)

    corners = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)] if fold \
        else [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
    page = convex_polygon(corners)

    layers = []
    if size >= 48:
        layers.append(drop_shadow(page, 0.012 * size, 0.018 * size, 0.03 * size, 0.28))
    layers.append(fill(page, solid(PAPER)))
    layers += ruled_lines(size, x0, x1)
    if fold:
        flap = convex_polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)])
        layers.append(fill(flap, solid(FOLD)))
        layers.append(inner_stroke(flap, edge, solid(PAPER_EDGE)))
    layers.append(inner_stroke(page, edge, solid(PAPER_EDGE)))
    return layers


def ruled_lines(size, x0, x1):
    snap = pixel_snapper(size)
    count = {256: 6, 48: 5, 32: 4}.get(size, 3)
    thickness = max(round(0.012 * size), 1)
    margin = max(0.07 * size, 2.0)
    top, bottom = 0.27 * size, 0.80 * size
    step = (bottom - top) / (count - 1)
    layers = []
    for i in range(count):
        y = snap(top + i * step - thickness / 2)
        # Only the larger sizes can afford a distinct header line.
        header = i == 0 and size >= 32
        height = thickness * 2 if header and size >= 128 else thickness
        colour = HEADER_RULE if header else RULE
        layers.append(fill(box(snap(x0 + margin), y, snap(x1 - margin), y + height), solid(colour)))
    if size >= 48:
        # A column divider makes the sheet read as a table, i.e. a log.
        cx = snap(x0 + 0.17 * size)
        layers.append(fill(box(cx, snap(top), cx + thickness, snap(bottom)), solid(RULE)))
    return layers


def clock_layers(size):
    # Gradients only pay off in the big image; small ones would just band when quantised.
    polish = size >= 128
    radius = 0.345 * size
    # Larger sizes leave room below the clock for its shadow.
    margin = 0.045 * size if size >= 128 else 0.02 * size if size >= 48 else 0.0
    if size <= 48:
        # An odd diameter puts the centre on a pixel centre, so hands and ticks hint well.
        radius = math.floor(radius) + 0.5
        margin = round(margin)
    cx = cy = size - radius - margin
    rim = max(0.055 * size, 1.0 if size <= 16 else 1.5)
    face_r = radius - rim
    dial = circle(cx, cy, radius)

    layers = []
    if size >= 48:
        layers.append(drop_shadow(dial, 0.012 * size, 0.02 * size, 0.04 * size, 0.32))
    rim_colour = vertical_gradient((74, 84, 104), (24, 28, 38), cy - radius, cy + radius) \
        if polish else solid(RIM)
    face_colour = radial_gradient(FACE, (226, 231, 239), cx, cy, face_r) if polish else solid(FACE)
    face = fill(circle(cx, cy, face_r), face_colour)
    layers.append(fill(dial, rim_colour))
    # At 16 px a soft inner rim edge turns the one-pixel ring grey; hinting it keeps it dark.
    layers.append(pixel_art(face) if size <= 16 else face)
    layers += tick_layers(size, cx, cy, face_r)
    layers += hand_layers(size, cx, cy, face_r)
    return layers


def tick_layers(size, cx, cy, face_r):
    if size <= 16:
        return []  # dots on a nine-pixel face read as noise, not hour marks
    positions = 12 if size >= 48 else 4
    outer = face_r - max(0.025 * size, 1.0)
    if size <= 48:
        outer = math.floor(outer - 0.5) + 0.5  # tick ends on pixel edges
    layers = []
    for i in range(positions):
        major = i % 3 == 0
        dx, dy = clock_direction(i / positions)
        length = max((0.18 if major else 0.09) * face_r, 1.0)
        half_width = max((0.014 if major else 0.008) * size, 0.5)
        inner = outer - (round(length) if size <= 48 else length)
        layers.append(fill(bar(cx + dx * inner, cy + dy * inner, cx + dx * outer, cy + dy * outer,
                               half_width), solid(TICK)))
    return layers


def hand_layers(size, cx, cy, face_r):
    small = size <= 24
    if small:
        # Exact 10:10 angles smear into blobs this small; hard 45-degree strokes
        # through pixel centres make clean staircases and still read as ten past ten.
        hour, minute = 7 / 8, 1 / 8
        hour_half_width = minute_half_width = 0.5
    else:
        hour, minute = 10 / 12 + 10 / 720, 10 / 60
        hour_half_width, minute_half_width = max(0.024 * size, 0.9), max(0.016 * size, 0.75)
    # Ten past ten is shaped like a tick mark; a dark hour hand beside the red minute
    # hand breaks that up. At 16 px equal lengths do the same job, and a longer
    # minute hand would run into the rim.
    hour_reach, minute_reach = (0.58, 0.66) if size <= 16 else (0.58, 0.86)
    hands = ((hour, hour_reach, hour_half_width, RIM), (minute, minute_reach, minute_half_width, HAND))
    layers = []
    for turns, reach, half_width, colour in hands:
        dx, dy = clock_direction(turns)
        tip = reach * face_r
        layers.append(fill(capsule(cx, cy, cx + dx * tip, cy + dy * tip, half_width), solid(colour)))
    layers.append(fill(circle(cx, cy, max(0.04 * size, 0.75)), solid(RIM)))
    return [pixel_art(layer) for layer in layers] if small else layers


def scene(size):
    return log_sheet_layers(size) + clock_layers(size)


# ---------------------------------------------------------------- rasteriser

def overlaps(bbox, px, py):
    x0, y0, x1, y1 = bbox
    return x0 < px + 1 and x1 > px and y0 < py + 1 and y1 > py


def shade_sample(paints, x, y):
    """Composite all layers at one point; returns premultiplied (r, g, b, a)."""
    r = g = b = a = 0.0
    for paint in paints:
        colour = paint(x, y)
        if colour is None:
            continue
        cr, cg, cb, ca = colour
        keep = 1.0 - ca
        r, g, b, a = cr * ca + r * keep, cg * ca + g * keep, cb * ca + b * keep, ca + a * keep
    return r, g, b, a


def render(size):
    """Rasterise the scene at `size` px; returns rows, top first, of straight-alpha RGBA 0-255."""
    layers = scene(size)
    offsets = [(i + 0.5) / SUPERSAMPLE for i in range(SUPERSAMPLE)]
    samples = SUPERSAMPLE * SUPERSAMPLE
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            paints = [layer.paint for layer in layers if overlaps(layer.bbox, px, py)]
            total = [0.0, 0.0, 0.0, 0.0]
            for oy in offsets:
                for ox in offsets:
                    for k, v in enumerate(shade_sample(paints, px + ox, py + oy)):
                        total[k] += v
            row.append(unpremultiply(total, samples))
        rows.append(row)
    return rows


def unpremultiply(total, samples):
    alpha = total[3] / samples
    if alpha <= 0:
        return (0, 0, 0, 0)
    return tuple(min(255, round(c / total[3])) for c in total[:3]) + (round(alpha * 255),)


# ---------------------------------------------------------------- palettes

def grey_ramp(count, avoid):
    levels = [round(255 * i / (count + len(avoid) - 1)) for i in range(count + len(avoid))]
    return [(v, v, v) for v in levels if v not in avoid][:count]


def palette_256():
    # VGA colours first so classic shades map exactly; then the 6x6x6 cube for
    # everything else, the artwork's own colours with their edge blends, and greys.
    cube = [(r, g, b) for r in range(0, 256, 51) for g in range(0, 256, 51) for b in range(0, 256, 51)]
    key = [PAPER, PAPER_EDGE, FOLD, RULE, HEADER_RULE, RIM, TICK, HAND]
    blends = [lerp_rgb(HAND, FACE, 0.5), lerp_rgb(RIM, FACE, 0.5), lerp_rgb(RULE, PAPER, 0.5),
              lerp_rgb(RIM, PAPER, 0.5), lerp_rgb(HAND, RIM, 0.5)]
    extras = [tuple(round(c) for c in rgb) for rgb in key + blends]
    palette = VGA16 + cube + extras
    palette += grey_ramp(256 - len(palette), avoid={0, 51, 102, 153, 204, 255})
    require(len(palette) == 256, "256-colour palette has the wrong length")
    return palette


def srgb_to_lab(rgb):
    def linear(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    def f(t):
        return t ** (1 / 3) if t > 216 / 24389 else (24389 / 27 * t + 16) / 116

    r, g, b = (linear(c) for c in rgb)
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883
    fx, fy, fz = f(x), f(y), f(z)
    return 116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)


def quantise(rows, palette):
    """Map RGBA rows to nearest palette indices in CIELAB; returns (indices, transparent mask) rows."""
    # Lab keeps dark slate greys black instead of letting their blue tint pull them to navy.
    palette_lab = [srgb_to_lab(rgb) for rgb in palette]
    cache = {}

    def nearest(rgb):
        if rgb not in cache:
            lab = srgb_to_lab(rgb)
            cache[rgb] = min(range(len(palette)),
                             key=lambda i: sum((p - q) ** 2 for p, q in zip(lab, palette_lab[i])))
        return cache[rgb]

    index_rows = [[0 if a < 128 else nearest((r, g, b)) for r, g, b, a in row] for row in rows]
    mask_rows = [[a < 128 for _, _, _, a in row] for row in rows]
    return index_rows, mask_rows


# ---------------------------------------------------------------- encoders

def row_stride(width, bpp):
    return (width * bpp + 31) // 32 * 4


def pack_row(values, bpp):
    if bpp == 32:
        data = b"".join(bytes((b, g, r, a)) for r, g, b, a in values)
    elif bpp == 8:
        data = bytes(values)
    elif bpp == 4:
        padded = values + [0] * (len(values) % 2)
        data = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
    else:  # 1 bpp, most significant bit first
        data = bytearray((len(values) + 7) // 8)
        for i, bit in enumerate(values):
            if bit:
                data[i // 8] |= 0x80 >> (i % 8)
        data = bytes(data)
    return data + b"\0" * (row_stride(len(values), bpp) - len(data))


def encode_dib(size, bpp, xor_rows, mask_rows, palette=()):
    """A classic icon DIB: header, palette, bottom-up XOR bitmap, bottom-up AND mask."""
    xor = b"".join(pack_row(row, bpp) for row in reversed(xor_rows))
    and_mask = b"".join(pack_row(row, 1) for row in reversed(mask_rows))
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bpp, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + colours + xor + and_mask


def encode_png(rows):
    size = len(rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    ihdr = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def encode_image(size, bpp, rows):
    if bpp == 32 and size == 256:
        return encode_png(rows)
    if bpp == 32:
        mask = [[a < 128 for _, _, _, a in row] for row in rows]
        return encode_dib(size, 32, rows, mask)
    palette = VGA16 if bpp == 4 else palette_256()
    indices, mask = quantise(rows, palette)
    return encode_dib(size, bpp, indices, mask, palette)


def encode_ico(images):
    """images: list of (size, bpp, payload) in directory order."""
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, bpp, payload in images:
        dim = size % 256  # 0 stands for 256
        colours = 16 if bpp == 4 else 0
        directory += struct.pack("<BBBBHHII", dim, dim, colours, 0, 1, bpp, len(payload), offset)
        offset += len(payload)
    return directory + b"".join(payload for _, _, payload in images)


# ---------------------------------------------------------------- self-check

def verify_ico(data):
    """Re-parse the written icon and check every directory entry against its image."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    require((reserved, kind, count) == (0, 1, len(ICON_IMAGES)), "bad ICONDIR")
    for i, (size, bpp) in enumerate(ICON_IMAGES):
        w, h, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        require((w or 256, h or 256, planes, bits) == (size, size, 1, bpp), f"entry {i}: size or depth")
        require(colours == (16 if bpp == 4 else 0), f"entry {i}: colour count")
        require(offset + length <= len(data), f"entry {i}: overruns the file")
        payload = data[offset:offset + length]
        if size == 256:
            require(payload.startswith(b"\x89PNG\r\n\x1a\n"), "256 px image must be PNG")
            require(payload[12:16] == b"IHDR" and struct.unpack_from(">II", payload, 16) == (256, 256),
                    "256 px PNG header")
            continue
        (hsize, bw, bh, bplanes, bbits, compression,
         image_size) = struct.unpack_from("<IiiHHII", payload, 0)
        require((hsize, bw, bh, bplanes, bbits, compression) == (40, size, 2 * size, 1, bpp, 0),
                f"entry {i}: DIB header")
        palette_bytes = 4 * (1 << bpp) if bpp <= 8 else 0
        expected = row_stride(size, bpp) * size + row_stride(size, 1) * size
        require(image_size == expected == length - 40 - palette_bytes, f"entry {i}: image size")


# ---------------------------------------------------------------- main

def main():
    default_path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "halvrin.ico")
    out_path = sys.argv[1] if len(sys.argv) > 1 else default_path
    renders = {size: render(size) for size in sorted({size for size, _ in ICON_IMAGES})}
    images = [(size, bpp, encode_image(size, bpp, renders[size])) for size, bpp in ICON_IMAGES]
    data = encode_ico(images)
    verify_ico(data)
    with open(out_path, "wb") as f:
        f.write(data)
    print(f"wrote {out_path} ({len(data)} bytes, {len(images)} images)")


if __name__ == "__main__":
    main()
