#!/usr/bin/env python3
"""Generate the Corvel Editor Zozi application icon (resources/app.ico).

The artwork is drawn procedurally with signed distance fields, so it needs
nothing beyond the Python 3 standard library:

  * a dark slate/navy rounded square (the corners are transparent through
    the ICO AND mask),
  * a warm yellow speech bubble ("hint") with a soft drop shadow,
  * a dark exclamation mark inside the bubble.

Output is an ICO holding a single 128x128, 24-bit BMP image (XOR bitmap plus
1-bpp AND mask).  A PNG preview can be written as well.

Usage:
  python3 make_icon.py                    # writes app.ico next to this file
  python3 make_icon.py -o other.ico
  python3 make_icon.py --png preview.png [--scale 4]
"""

import argparse
import math
import os
import struct
import sys
import zlib

SIZE = 128

# ---------------------------------------------------------------------------
# Palette (sRGB, 0..255)
# ---------------------------------------------------------------------------
BG_TOP = (52, 68, 99)        # slate blue
BG_BOTTOM = (22, 30, 51)     # deep navy
BG_RIM = (92, 112, 150)      # faint light rim along the top edge
GLOW = (255, 196, 70)        # warm glow behind the bubble
BUBBLE_TOP = (255, 226, 110)  # light warm yellow
BUBBLE_BOTTOM = (250, 178, 38)  # amber
BUBBLE_EDGE = (214, 138, 18)  # thin darker outline of the bubble
MARK = (30, 38, 62)           # exclamation mark (navy, matches background)
SHADOW = (8, 12, 24)

# ---------------------------------------------------------------------------
# Geometry (pixel units, origin top-left, y grows downwards)
# ---------------------------------------------------------------------------
TILE_MARGIN = 3.0
TILE_RADIUS = 26.0

BUBBLE_X0, BUBBLE_Y0 = 22.0, 21.0
BUBBLE_X1, BUBBLE_Y1 = 106.0, 87.0
BUBBLE_RADIUS = 20.0
TAIL = ((38.0, 80.0), (62.0, 80.0), (31.5, 106.0))
TAIL_TIP_ROUND = 1.2
TAIL_BLEND = 7.0

MARK_X = 64.0
MARK_TOP_Y, MARK_TOP_R = 35.5, 7.8
MARK_BOT_Y, MARK_BOT_R = 58.5, 5.2
DOT_Y, DOT_R = 72.5, 6.9


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


# --- signed distance functions (negative inside) ---------------------------

def sd_round_rect(px, py, x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) * 0.5, (y0 + y1) * 0.5
    hx, hy = (x1 - x0) * 0.5 - r, (y1 - y0) * 0.5 - r
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    ox, oy = max(qx, 0.0), max(qy, 0.0)
    return math.hypot(ox, oy) + min(max(qx, qy), 0.0) - r


def sd_circle(px, py, cx, cy, r):
    return math.hypot(px - cx, py - cy) - r


def sd_triangle(px, py, tri):
    # Exact distance to a triangle (sign by winding-independent test).
    d = float("inf")
    sign_pos = sign_neg = False
    for i in range(3):
        ax, ay = tri[i]
        bx, by = tri[(i + 1) % 3]
        ex, ey = bx - ax, by - ay
        wx, wy = px - ax, py - ay
        t = clamp((wx * ex + wy * ey) / (ex * ex + ey * ey))
        dx, dy = wx - ex * t, wy - ey * t
        d = min(d, math.hypot(dx, dy))
        cross = ex * wy - ey * wx
        if cross > 0:
            sign_pos = True
        elif cross < 0:
            sign_neg = True
    inside = not (sign_pos and sign_neg)
    return -d if inside else d


def sd_tapered_bar(px, py, x, y0, r0, y1, r1):
    # Vertical "uneven capsule": round cap of radius r0 at y0, r1 at y1.
    qx = abs(px - x)
    qy = py - y0
    h = y1 - y0
    b = (r0 - r1) / h
    a = math.sqrt(max(1.0 - b * b, 0.0))
    k = -qx * b + qy * a
    if k < 0.0:
        return math.hypot(qx, qy) - r0
    if k > a * h:
        return math.hypot(qx, qy - h) - r1
    return qx * a + qy * b - r0


def smin(a, b, k):
    h = clamp(0.5 + 0.5 * (b - a) / k)
    return b + (a - b) * h - k * h * (1.0 - h)


def coverage(d):
    # Analytic one-pixel anti-aliasing from a signed distance.
    return clamp(0.5 - d)


# ---------------------------------------------------------------------------
# Rendering
# ---------------------------------------------------------------------------

def bubble_sd(px, py):
    body = sd_round_rect(px, py, BUBBLE_X0, BUBBLE_Y0, BUBBLE_X1, BUBBLE_Y1,
                         BUBBLE_RADIUS)
    tail = sd_triangle(px, py, TAIL) - TAIL_TIP_ROUND
    return smin(body, tail, TAIL_BLEND)


def mark_sd(px, py):
    bar = sd_tapered_bar(px, py, MARK_X, MARK_TOP_Y, MARK_TOP_R,
                         MARK_BOT_Y, MARK_BOT_R)
    dot = sd_circle(px, py, MARK_X, DOT_Y, DOT_R)
    return min(bar, dot)


def render():
    """Return (rgb rows, mask rows); rgb rows are lists of (r, g, b) ints,
    mask rows lists of bools (True = opaque)."""
    rgb = []
    mask = []
    bcx = (BUBBLE_X0 + BUBBLE_X1) * 0.5
    bcy = (BUBBLE_Y0 + BUBBLE_Y1) * 0.5
    for y in range(SIZE):
        row = []
        mrow = []
        for x in range(SIZE):
            px, py = x + 0.5, y + 0.5

            # Tile: vertical gradient + soft vignette.
            d_tile = sd_round_rect(px, py, TILE_MARGIN, TILE_MARGIN,
                                   SIZE - TILE_MARGIN, SIZE - TILE_MARGIN,
                                   TILE_RADIUS)
            opaque = d_tile <= 0.0
            mrow.append(opaque)
            if not opaque:
                row.append((0, 0, 0))
                continue

            t = clamp((py - TILE_MARGIN) / (SIZE - 2 * TILE_MARGIN))
            col = mix(BG_TOP, BG_BOTTOM, t)

            # Warm radial glow behind the bubble.
            g = math.hypot(px - bcx, (py - bcy) * 1.15) / 70.0
            col = mix(col, GLOW, 0.16 * (1.0 - smoothstep(0.0, 1.0, g)))

            # Light inner rim along the upper edge of the tile.
            rim = clamp(1.0 - abs(d_tile + 1.6) / 1.1)
            rim *= clamp(1.0 - (py - TILE_MARGIN) / 60.0)
            col = mix(col, BG_RIM, 0.55 * rim)
            # Darker rim at the very edge for crisp corners on light desktops.
            col = mix(col, BG_BOTTOM, 0.5 * clamp(1.0 + d_tile))

            # Soft drop shadow of the bubble.
            ds = bubble_sd(px - 1.5, py - 4.0)
            sh = 1.0 - smoothstep(-3.0, 7.0, ds)
            col = mix(col, SHADOW, 0.45 * sh)

            # Bubble body with a vertical gradient and thin outline.
            db = bubble_sd(px, py)
            cb = coverage(db)
            if cb > 0.0:
                tb = clamp((py - BUBBLE_Y0) / (BUBBLE_Y1 - BUBBLE_Y0 + 8.0))
                bcol = mix(BUBBLE_TOP, BUBBLE_BOTTOM, tb)
                # Glossy highlight on the upper part of the bubble.
                hl = clamp(1.0 - (py - BUBBLE_Y0) / 22.0) * \
                    clamp(-db / 3.0)
                bcol = mix(bcol, (255, 246, 200), 0.45 * hl)
                # Outline.
                edge = clamp(1.0 - abs(db + 0.9) / 1.0)
                bcol = mix(bcol, BUBBLE_EDGE, 0.6 * edge)
                col = mix(col, bcol, cb)

                # Exclamation mark.
                dm = mark_sd(px, py)
                cm = coverage(dm)
                if cm > 0.0:
                    col = mix(col, MARK, cm)

            row.append(tuple(int(round(clamp(c, 0.0, 255.0))) for c in col))
        rgb.append(row)
        mask.append(mrow)
    return rgb, mask


# ---------------------------------------------------------------------------
# Writers
# ---------------------------------------------------------------------------

def ico_bytes(rgb, mask):
    w = h = SIZE
    xor_stride = (w * 3 + 3) & ~3
    and_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    andm = bytearray()
    for y in range(h - 1, -1, -1):          # bottom-up rows
        line = bytearray()
        for (r, g, b) in rgb[y]:
            line += bytes((b, g, r))
        line += b"\0" * (xor_stride - len(line))
        xor += line
        bits = bytearray(and_stride)
        for x in range(w):
            if not mask[y][x]:              # 1 = transparent
                bits[x >> 3] |= 0x80 >> (x & 7)
        andm += bits
    image_size = len(xor) + len(andm)
    bih = struct.pack("<IiiHHIIiiII",
                      40,          # biSize
                      w,           # biWidth
                      h * 2,       # biHeight (XOR + AND)
                      1,           # biPlanes
                      24,          # biBitCount
                      0,           # biCompression (BI_RGB)
                      image_size,  # biSizeImage
                      0, 0, 0, 0)
    data = bih + bytes(xor) + bytes(andm)
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII",
                        w & 0xFF, h & 0xFF,  # 128 fits in a byte
                        0, 0,               # colour count, reserved
                        1, 24,              # planes, bit count
                        len(data), 6 + 16)
    return header + entry + data


def png_bytes(rgb, mask, scale=1):
    w = h = SIZE * scale
    raw = bytearray()
    for y in range(SIZE):
        line = bytearray(b"\0")              # filter type: none
        for x in range(SIZE):
            r, g, b = rgb[y][x]
            a = 255 if mask[y][x] else 0
            line += bytes((r, g, b, a)) * scale
        for _ in range(scale):
            raw += line

    def chunk(tag, payload):
        c = struct.pack(">I", len(payload)) + tag + payload
        return c + struct.pack(">I", zlib.crc32(tag + payload) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            chunk(b"IEND", b""))


def main(argv=None):
    here = os.path.dirname(os.path.abspath(__file__))
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("-o", "--output", default=os.path.join(here, "app.ico"),
                    help="ICO file to write (default: app.ico next to "
                         "this script)")
    ap.add_argument("--png", metavar="FILE",
                    help="also write a PNG preview to FILE")
    ap.add_argument("--scale", type=int, default=1,
                    help="integer upscale factor for the PNG preview")
    ap.add_argument("--no-ico", action="store_true",
                    help="only write the PNG preview")
    args = ap.parse_args(argv)

    rgb, mask = render()
    if not args.no_ico:
        with open(args.output, "wb") as f:
            f.write(ico_bytes(rgb, mask))
        print("wrote", args.output)
    if args.png:
        with open(args.png, "wb") as f:
            f.write(png_bytes(rgb, mask, max(1, args.scale)))
        print("wrote", args.png)
    return 0


if __name__ == "__main__":
    sys.exit(main())
