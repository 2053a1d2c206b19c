#!/usr/bin/env python3
"""Draws the icons and button glyphs of Tavrex and TavrexW and writes them into resources/.

    python3 scripts/make-images.py [--out DIR] [--preview DIR]

Every image is drawn by code and small pixel maps in the Windows 16-colour palette; nothing is read
from outside and nothing depends on the time or the machine, so two runs give the same bytes.

Written files (default folder: resources/ beside this script's folder):
  Tavrex.ico      service program icon: 32x32 and 16x16 in 16 colours, and the same in 32-bit colour
  TavrexTray.ico  tray icon: 16x16 in 16 colours
  TavrexW.ico     editor program icon: 32x32 and 16x16 in 16 colours, and the same in 32-bit colour
  Ellipsis.bmp    24x12, 4 bpp: the ellipsis glyph (12x12) and its greyed copy side by side
  OpenFolder.bmp  32x16, 4 bpp: the open-folder glyph (16x16) and its greyed copy side by side

In both bitmaps the bottom-left pixel carries the transparent colour (magenta, used nowhere else),
which is how the owner-drawn bitmap button tells the background from the glyph.

--preview DIR writes a magnified PNG of each file to DIR for looking at (on a checkerboard, and at
real size on a light and a dark background).
"""

import argparse
import os
import struct
import sys
import zlib

# The Windows 16-colour palette in its usual order, so that index n is the colour n of a 4 bpp file.
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 maroon
    (0x00, 0x80, 0x00),  # 2 green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 silver
    (0x80, 0x80, 0x80),  # 8 grey
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # 10 lime
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 magenta
    (0x00, 0xFF, 0xFF),  # 14 aqua
    (0xFF, 0xFF, 0xFF),  # 15 white
]

# Letters of the pixel maps; '.' is a transparent pixel.
LEGEND = {
    'K': 0, 'r': 1, 'g': 2, 'y': 3, 'n': 4, 'p': 5, 't': 6, 'S': 7,
    'D': 8, 'R': 9, 'G': 10, 'Y': 11, 'B': 12, 'M': 13, 'C': 14, 'W': 15,
}
BLACK, GREY, SILVER, WHITE, MAGENTA = 0, 8, 7, 15, 13

# The glyph bitmaps' background; the button reads it from the bottom-left pixel.
GLYPH_TRANSPARENT = MAGENTA


class Canvas:
    """A picture of palette indices; None is a transparent pixel."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[None] * width for _ in range(height)]

    def get(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.pixels[y][x]
        return None

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle from (x0, y0) to (x1, y1), both corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour)

    def draw_map(self, x0, y0, rows):
        """Copies a pixel map (list of strings in LEGEND letters) with its top-left at (x0, y0)."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != '.':
                    self.set(x0 + dx, y0 + dy, LEGEND[ch])

    def paste(self, other, x0, y0):
        for y in range(other.height):
            for x in range(other.width):
                if other.pixels[y][x] is not None:
                    self.set(x0 + x, y0 + y, other.pixels[y][x])

    def used_colours(self):
        return {c for row in self.pixels for c in row if c is not None}


def from_map(rows):
    canvas = Canvas(len(rows[0]), len(rows))
    assert all(len(r) == canvas.width for r in rows), 'ragged pixel map'
    canvas.draw_map(0, 0, rows)
    return canvas


# ---------------------------------------------------------------------------------------------
# Drawing

def draw_keycap(c, x0, y0, x1, y1, top, left, right, bottom):
    """A keycap seen from the front and a little above, in the box (x0, y0)-(x1, y1).

    The black outline has cut corners; inside it the four sloping walls (top and left lit, right
    and bottom in shade; the bottom wall is the front of the key and the thickest) lead to the
    silver top face. top/left/right/bottom are the wall thicknesses. Returns the face rectangle.
    """
    fx0, fy0, fx1, fy1 = x0 + 1 + left, y0 + 1 + top, x1 - 1 - right, y1 - 1 - bottom
    for y in range(y0 + 1, y1):
        for x in range(x0 + 1, x1):
            if fx0 <= x <= fx1 and fy0 <= y <= fy1:
                colour = SILVER
            else:
                # The wall a pixel lies on is the one it has gone furthest into, measured in
                # parts of that wall's thickness; so the seams run from corner to corner.
                depth = {
                    'top': (fy0 - y) / top, 'left': (fx0 - x) / left,
                    'right': (x - fx1) / right, 'bottom': (y - fy1) / bottom,
                }
                wall = max(sorted(depth), key=lambda k: depth[k])
                colour = {'top': WHITE, 'left': WHITE, 'right': GREY, 'bottom': GREY}[wall]
            c.set(x, y, colour)
    for x in range(x0 + 1, x1):
        c.set(x, y0, BLACK)
        c.set(x, y1, BLACK)
    for y in range(y0 + 1, y1):
        c.set(x0, y, BLACK)
        c.set(x1, y, BLACK)
    # Rounded corners: the corner pixel goes, its inner neighbour joins the outline.
    for cx, cy, dx, dy in ((x0, y0, 1, 1), (x1, y0, -1, 1), (x0, y1, 1, -1), (x1, y1, -1, -1)):
        c.set(cx, cy, None)
        c.set(cx + dx, cy + dy, BLACK)
    return fx0, fy0, fx1, fy1


# The window flag of a Windows key, four panes; one map per size.
FLAG_16 = [
    'RRGG',
    'RRGG',
    'BBYY',
    'BBYY',
]
FLAG_32 = [
    '.RRRR.GGGG',
    'RRRRR.GGGG',
    'RRRRR.GGGG',
    'RRRRR.GGGG',
    'RRRR.GGGG.',
    '..........',
    '.BBBB.YYYY',
    'BBBBB.YYYY',
    'BBBBB.YYYY',
    'BBBBB.YYYY',
    'BBBB.YYYY.',
]

# The letter T (for Tavrin), the key's letter.
LETTER_T_16 = [
    'KKK',
    '.K.',
    '.K.',
    '.K.',
    '.K.',
]
LETTER_T_32 = [
    'KKKKKKK',
    'KKKKKKK',
    '..KKK..',
    '..KKK..',
    '..KKK..',
    '..KKK..',
    '..KKK..',
    '..KKK..',
    '..KKK..',
    '..KKK..',
]


def service_icon(size):
    """The service's mark: a key with the window flag and the letter T."""
    c = Canvas(size, size)
    if size == 32:
        fx0, fy0, fx1, fy1 = draw_keycap(c, 1, 2, 30, 30, top=2, left=3, right=3, bottom=5)
        c.draw_map(fx0 + 2, fy0 + 2, FLAG_32)
        c.draw_map(fx1 - 8, fy1 - 11, LETTER_T_32)
    else:
        fx0, fy0, fx1, fy1 = draw_keycap(c, 0, 1, 15, 15, top=1, left=1, right=1, bottom=3)
        c.draw_map(fx0 + 1, fy0 + 1, FLAG_16)
        c.draw_map(fx1 - 3, fy1 - 5, LETTER_T_16)
    return c


def tray_icon():
    """The 16x16 key of the program icon: its black outline holds it apart from a light taskbar,
    its white walls from a dark one."""
    return service_icon(16)


def draw_pencil(c, tip_x, tip_y, length, half_width):
    """A pencil lying at 45 degrees with its point at (tip_x, tip_y) in the lower left and its
    eraser towards the upper right. length and half_width are counted in diagonal steps."""
    cone = 2 * half_width + 2          # the sharpened part
    lead = max(2, cone // 3)           # its black point
    ferrule = 1 + half_width           # the metal band
    eraser = 2 + half_width
    yellow, olive, red, maroon = LEGEND['Y'], LEGEND['y'], LEGEND['R'], LEGEND['r']
    for y in range(c.height):
        for x in range(c.width):
            s = (x - tip_x) - (y - tip_y)  # steps from the point towards the eraser
            v = (x - tip_x) + (y - tip_y)  # offset across: negative is the upper-left, lit side
            if s < 0 or s > length:
                continue
            reach = half_width if s >= cone else (s * half_width + cone - 1) // cone
            if abs(v) > reach + 1:
                continue
            lit = v < 0
            if abs(v) == reach + 1 or s == length:
                colour = BLACK
            elif s < lead:
                colour = BLACK
            elif s < cone:
                colour = WHITE if lit or v == 0 else SILVER
            elif s > length - eraser:
                colour = red if v <= 0 else maroon
            elif s > length - eraser - ferrule:
                colour = WHITE if v == -half_width else (SILVER if v <= 0 else GREY)
            elif half_width >= 2 and v == -half_width:
                colour = WHITE
            else:
                colour = yellow if v <= 0 else olive
            c.set(x, y, colour)


def editor_icon(size):
    """The editor's mark: the service's key, smaller and without its letter, with a pencil."""
    c = Canvas(size, size)
    if size == 32:
        fx0, fy0, fx1, fy1 = draw_keycap(c, 0, 1, 25, 26, top=2, left=2, right=3, bottom=5)
        c.draw_map(fx0 + 1, fy0 + 1, FLAG_32)
        draw_pencil(c, 6, 31, length=34, half_width=3)
    else:
        fx0, fy0, fx1, fy1 = draw_keycap(c, 0, 0, 12, 12, top=1, left=1, right=1, bottom=3)
        c.draw_map(fx0 + 1, fy0 + 1, FLAG_16)
        draw_pencil(c, 3, 15, length=17, half_width=1)
    return c


ELLIPSIS = [
    '............',
    '............',
    '............',
    '............',
    '............',
    '............',
    '............',
    '..KK.KK.KK..',
    '..KK.KK.KK..',
    '............',
    '............',
    '............',
]

OPEN_FOLDER = [
    '................',
    '................',
    '................',
    '.KKKK...........',
    'KWWWWK..........',
    'KWYYYYKKKKKK....',
    'KWYYYYYYYYYYK...',
    'KWYYKKKKKKKKKKK.',
    'KWYYKWWWWWWWWWK.',
    'KWYKYYYYYYYYYK..',
    'KWYKYYYYYYYYYK..',
    'KWKYYYYYYYYYK...',
    'KWKyyyyyyyyyK...',
    'KKKKKKKKKKKK....',
    '................',
    '................',
]


def greyed(glyph):
    """The disabled look of a glyph: its dark pixels engraved into the button face, grey with a
    white copy one pixel down and to the right; light pixels vanish."""
    out = Canvas(glyph.width, glyph.height)
    dark = []
    for y in range(glyph.height):
        for x in range(glyph.width):
            colour = glyph.pixels[y][x]
            if colour is not None:
                r, g, b = PALETTE[colour]
                if r * 30 + g * 59 + b * 11 < 128 * 100:
                    dark.append((x, y))
    for x, y in dark:
        out.set(x + 1, y + 1, WHITE)
    for x, y in dark:
        out.set(x, y, GREY)
    return out


def glyph_pair(glyph):
    """The normal and the greyed image side by side on the transparent colour."""
    pair = Canvas(glyph.width * 2, glyph.height)
    pair.fill(0, 0, pair.width - 1, pair.height - 1, GLYPH_TRANSPARENT)
    pair.paste(glyph, 0, 0)
    pair.paste(greyed(glyph), glyph.width, 0)
    return pair


# ---------------------------------------------------------------------------------------------
# File formats

def dib_rows_4bpp(canvas, transparent_index):
    """Rows of a 4 bpp DIB, bottom row first, each padded to four bytes."""
    stride = ((canvas.width * 4 + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(canvas.height)):
        row = bytearray(stride)
        for x in range(canvas.width):
            colour = canvas.pixels[y][x]
            index = transparent_index if colour is None else colour
            row[x // 2] |= index << (4 if x % 2 == 0 else 0)
        out += row
    return bytes(out)


def mask_rows(canvas):
    """The AND mask of an icon: 1 where the pixel is transparent; bottom row first."""
    stride = ((canvas.width + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(canvas.height)):
        row = bytearray(stride)
        for x in range(canvas.width):
            if canvas.pixels[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def palette_quads():
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)


def icon_image_4bpp(canvas):
    header = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height * 2, 1, 4, 0,
                         0, 0, 0, 16, 0)
    return header + palette_quads() + dib_rows_4bpp(canvas, 0) + mask_rows(canvas)


def icon_image_32bpp(canvas):
    """The same picture with an alpha channel, and a soft shadow below and right of it, which
    only the 32-bit image can carry."""
    header = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height * 2, 1, 32, 0,
                         0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in reversed(range(canvas.height)):
        for x in range(canvas.width):
            colour = canvas.pixels[y][x]
            if colour is not None:
                r, g, b = PALETTE[colour]
                pixels += bytes((b, g, r, 255))
            elif canvas.get(x - 1, y - 1) is not None:
                pixels += bytes((0, 0, 0, 0x48))
            else:
                pixels += b'\0\0\0\0'
    return header + bytes(pixels) + mask_rows(canvas)


def ico_file(entries):
    """entries: list of (canvas, bits per pixel). Returns the bytes of an .ico file."""
    images = [icon_image_4bpp(c) if bpp == 4 else icon_image_32bpp(c) for c, bpp in entries]
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for (canvas, bpp), image in zip(entries, images):
        out += struct.pack('<BBBBHHII', canvas.width % 256, canvas.height % 256,
                           16 if bpp == 4 else 0, 0, 1, bpp, len(image), offset)
        offset += len(image)
    return out + b''.join(images)


def bmp_file_4bpp(canvas):
    rows = dib_rows_4bpp(canvas, GLYPH_TRANSPARENT)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 4, 0, len(rows),
                       2835, 2835, 16, 0)
    pixel_offset = 14 + len(info) + 64
    head = struct.pack('<2sIHHI', b'BM', pixel_offset + len(rows), 0, 0, pixel_offset)
    return head + info + palette_quads() + rows


def png_file(width, height, rgb_rows):
    """An 8-bit RGB PNG from rows of (r, g, b) tuples."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b''.join(b'\0' + bytes(v for px in row for v in px) for row in rgb_rows)
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


# ---------------------------------------------------------------------------------------------
# Previews

def preview(canvases, scale=10):
    """One PNG of several pictures: each magnified on a checkerboard, then at twice and at real
    size on silver, white, a dark taskbar grey and black."""
    backgrounds = [(0xC0, 0xC0, 0xC0), (0xFF, 0xFF, 0xFF), (0x20, 0x28, 0x30), (0, 0, 0)]
    gap = 8
    tiles = []  # (x, y, canvas, scale, background or None for checkerboard)
    x = gap
    height = 0
    for canvas in canvases:
        tiles.append((x, gap, canvas, scale, None))
        y = gap
        sx = x + canvas.width * scale + gap
        for bg in backgrounds:
            tiles.append((sx, y, canvas, 2, bg))
            tiles.append((sx + canvas.width * 2 + gap, y, canvas, 1, bg))
            y += canvas.height * 2 + gap
        height = max(height, gap + canvas.height * scale, y)
        x = sx + canvas.width * 3 + 2 * gap + gap
    width = x
    height += gap
    img = [[(0x60, 0x60, 0x60)] * width for _ in range(height)]
    for tx, ty, canvas, s, bg in tiles:
        pad = 3 if bg is not None else 0
        for y in range(-pad, canvas.height * s + pad):
            for x in range(-pad, canvas.width * s + pad):
                inside = 0 <= x < canvas.width * s and 0 <= y < canvas.height * s
                colour = canvas.pixels[y // s][x // s] if inside else None
                if colour is not None:
                    px = PALETTE[colour]
                elif bg is not None:
                    px = bg
                else:
                    px = (0xE8, 0xE8, 0xE8) if ((x // 5) + (y // 5)) % 2 else (0xB8, 0xB8, 0xB8)
                img[ty + y][tx + x] = px
    return png_file(width, height, img)


# ---------------------------------------------------------------------------------------------

def without_background(pair):
    """A copy with the transparent colour cleared, to preview the glyphs as the button shows them."""
    out = Canvas(pair.width, pair.height)
    out.pixels = [[None if c == GLYPH_TRANSPARENT else c for c in row] for row in pair.pixels]
    return out


def check_glyph_pair(name, pair):
    """The transparent colour must fill the corner the button reads and appear in no glyph."""
    assert pair.pixels[pair.height - 1][0] == GLYPH_TRANSPARENT, name
    half = pair.width // 2
    for image in (0, 1):
        part = Canvas(half, pair.height)
        for y in range(pair.height):
            part.pixels[y] = pair.pixels[y][image * half:(image + 1) * half]
        assert part.used_colours() - {GLYPH_TRANSPARENT}, name + ': empty image'


def build():
    """Returns {file name: (bytes, [canvases to preview])}."""
    files = {}
    big, small = service_icon(32), service_icon(16)
    files['Tavrex.ico'] = (ico_file([(big, 4), (small, 4), (big, 32), (small, 32)]), [big, small])
    tray = tray_icon()
    files['TavrexTray.ico'] = (ico_file([(tray, 4)]), [tray])
    big, small = editor_icon(32), editor_icon(16)
    files['TavrexW.ico'] = (ico_file([(big, 4), (small, 4), (big, 32), (small, 32)]), [big, small])
    for name, rows in (('Ellipsis.bmp', ELLIPSIS), ('OpenFolder.bmp', OPEN_FOLDER)):
        pair = glyph_pair(from_map(rows))
        check_glyph_pair(name, pair)
        files[name] = (bmp_file_4bpp(pair), [without_background(pair)])
    return files


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--out', default=os.path.join(here, '..', 'resources'),
                        help='folder for the icons and bitmaps (default: resources/)')
    parser.add_argument('--preview', metavar='DIR', help='also write magnified PNG previews here')
    args = parser.parse_args(argv)
    files = build()
    os.makedirs(args.out, exist_ok=True)
    for name, (data, canvases) in sorted(files.items()):
        with open(os.path.join(args.out, name), 'wb') as f:
            f.write(data)
        if args.preview:
            os.makedirs(args.preview, exist_ok=True)
            with open(os.path.join(args.preview, os.path.splitext(name)[0] + '.png'), 'wb') as f:
                f.write(preview(canvases))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
