#!/usr/bin/env python3
"""Draws the pictures of ruslam00 as 16-colour bitmaps (4 bits a pixel):

- the 48 icon bar buttons, 32 x 20 pixels: four motifs (Expand, About, Help,
  Exit), each raised, pressed and greyed ("Up", "Dn", "In"), in four sets
  whose button faces differ ("", "9", "8" and the cream "X"), named for
  example Expand9Up.bmp or ExitXIn.bmp;
- the formula picture formula.bmp, 330 x 132 pixels: the product of linear
  factors and its expansion in orange on a green ground with pale snowflakes.

usage: make_pictures.py OUT_DIR
Drawn with Pillow (Debian's python3-pil) and the DejaVu fonts (fonts-dejavu-core).
"""
import math
import os
import random
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

FONT_DIR = '/usr/share/fonts/truetype/dejavu'

BUTTON_W, BUTTON_H = 32, 20
# the button faces of the four sets: Windows 95/98/NT 4, ME, 2000, later (cream)
FACES = {'': (192, 192, 192), '9': (200, 200, 196), '8': (212, 208, 200), 'X': (236, 233, 216)}

BLACK, WHITE, SHADOW, DARK = (0, 0, 0), (255, 255, 255), (128, 128, 128), (64, 64, 64)
RED, YELLOW, BLUE, GREEN = (224, 0, 0), (255, 224, 0), (0, 0, 208), (0, 160, 0)
DOOR, KNOB, GREY = (176, 24, 24), (255, 200, 0), (144, 144, 144)


def write_bmp4(path, image, palette):
    """image: mode 'P' with indices 0..15; palette: 16 RGB triples."""
    width, height = image.size
    row_bytes = ((width + 1) // 2 + 3) // 4 * 4
    pixels = image.load()
    rows = []
    for y in reversed(range(height)):  # bottom-up
        row = bytearray(row_bytes)
        for x in range(width):
            index = pixels[x, y]
            row[x // 2] |= index << 4 if x % 2 == 0 else index
        rows.append(bytes(row))
    bits = b''.join(rows)
    colours = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    header = struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(bits), 2835, 2835, 16, 16)
    with open(path, 'wb') as f:
        f.write(header + info + colours + bits)


def to_palette(rgb_image, palette):
    """Maps every pixel of an RGB image to the nearest of the 16 colours."""
    table = Image.new('P', (1, 1))
    table.putpalette([c for colour in palette for c in colour] + [0] * (3 * (256 - len(palette))))
    return rgb_image.quantize(palette=table, dither=Image.Dither.NONE)


# The motifs, drawn into a 32 x 20 RGB picture at an offset (the pressed
# image is shifted one pixel right and down). colour(c) maps a motif colour
# to the one drawn (the greyed image draws every colour in grey).

def draw_expand(draw, dx, dy, colour):
    draw.rectangle((8 + dx, 3 + dy, 10 + dx, 16 + dy), fill=colour(BLACK))  # the upright bar
    draw.rectangle((13 + dx, 8 + dy, 19 + dx, 11 + dy), fill=colour(RED))  # the arrow to the right
    draw.polygon([(19 + dx, 4 + dy), (25 + dx, 9.5 + dy), (19 + dx, 15 + dy)], fill=colour(RED))


def draw_about(draw, dx, dy, colour):
    draw.polygon([(16 + dx, 2 + dy), (25 + dx, 16 + dy), (7 + dx, 16 + dy)], fill=colour(YELLOW),
                 outline=colour(BLACK))
    draw.rectangle((15 + dx, 6 + dy, 16 + dx, 7 + dy), fill=colour(BLUE))  # the letter i
    draw.rectangle((15 + dx, 9 + dy, 16 + dx, 14 + dy), fill=colour(BLUE))
    draw.point([(14 + dx, 9 + dy), (14 + dx, 14 + dy), (17 + dx, 14 + dy)], fill=colour(BLUE))


QUESTION_MARK = ['.###.',
                 '#...#',
                 '....#',
                 '...#.',
                 '..#..',
                 '..#..',
                 '.....',
                 '..#..']


def draw_help(draw, dx, dy, colour):
    draw.ellipse((8 + dx, 2 + dy, 24 + dx, 17 + dy), fill=colour(GREEN), outline=colour(DARK))
    for row, line in enumerate(QUESTION_MARK):
        for col, mark in enumerate(line):
            if mark == '#':
                x, y = 14 + col + dx, 6 + row + dy
                draw.rectangle((x, y, x, y), fill=colour(YELLOW))
    draw.line((15 + dx, 6 + dy, 17 + dx, 6 + dy), fill=colour(YELLOW))  # a fuller top of the ?


def draw_exit(draw, dx, dy, colour):
    draw.rectangle((17 + dx, 2 + dy, 25 + dx, 17 + dy), fill=colour(DOOR), outline=colour(BLACK))  # the door
    draw.rectangle((19 + dx, 9 + dy, 20 + dx, 10 + dy), fill=colour(KNOB))
    draw.rectangle((5 + dx, 8 + dy, 11 + dx, 11 + dy), fill=colour(BLACK))  # the arrow into it
    draw.polygon([(11 + dx, 4 + dy), (16 + dx, 9.5 + dy), (11 + dx, 15 + dy)], fill=colour(BLACK))


# The greys of the greyed images: each colour of a motif becomes the grey
# nearest to its brightness, pressed into the darker half.
GREYS = [(96, 96, 96), (112, 112, 112), (160, 160, 160), (208, 208, 208)]


def greyed(colour):
    r, g, b = colour
    shade = 96 + (0.3 * r + 0.59 * g + 0.11 * b) * 0.5
    return min([SHADOW, GREY] + GREYS, key=lambda grey: abs(grey[0] - shade))


MOTIFS = {'Expand': draw_expand, 'About': draw_about, 'Help': draw_help, 'Exit': draw_exit}


def button_edge(draw, face, pressed):
    w, h = BUTTON_W - 1, BUTTON_H - 1
    draw.rectangle((0, 0, w, h), fill=face)
    if pressed:  # sunken: dark above and left, light below and right
        draw.line((0, 0, w, 0), fill=BLACK)
        draw.line((0, 0, 0, h), fill=BLACK)
        draw.line((1, 1, w - 1, 1), fill=SHADOW)
        draw.line((1, 1, 1, h - 1), fill=SHADOW)
        draw.line((0, h, w, h), fill=WHITE)
        draw.line((w, 0, w, h), fill=WHITE)
    else:  # raised: light above and left, dark below and right
        draw.line((0, 0, w, 0), fill=WHITE)
        draw.line((0, 0, 0, h), fill=WHITE)
        draw.line((0, h, w, h), fill=BLACK)
        draw.line((w, 0, w, h), fill=BLACK)
        draw.line((1, h - 1, w - 1, h - 1), fill=SHADOW)
        draw.line((w - 1, 1, w - 1, h - 1), fill=SHADOW)


def button_image(motif, face, state):
    palette = [BLACK, WHITE, SHADOW, DARK, face, RED, YELLOW, BLUE, GREEN, DOOR, KNOB, GREY] + GREYS
    image = Image.new('RGB', (BUTTON_W, BUTTON_H))
    draw = ImageDraw.Draw(image)
    button_edge(draw, face, state == 'Dn')
    if state == 'In':  # greyed: a white relief under a grey drawing
        MOTIFS[motif](draw, 1, 1, lambda c: WHITE)
        MOTIFS[motif](draw, 0, 0, greyed)
    else:
        shift = 1 if state == 'Dn' else 0
        MOTIFS[motif](draw, shift, shift, lambda c: c)
    return to_palette(image, palette), palette


def snowflake(draw, cx, cy, radius, colour):
    for k in range(6):
        angle = k * math.pi / 3 + math.pi / 6
        x, y = cx + radius * math.cos(angle), cy + radius * math.sin(angle)
        draw.line((cx, cy, x, y), fill=colour)
        for side in (-1, 1):  # the small branches two thirds out
            bx, by = cx + 0.6 * radius * math.cos(angle), cy + 0.6 * radius * math.sin(angle)
            branch = angle + side * math.pi / 4
            draw.line((bx, by, bx + 0.35 * radius * math.cos(branch), by + 0.35 * radius * math.sin(branch)),
                      fill=colour)


GROUND, ORANGE, PALE = (0, 112, 56), (255, 150, 20), (176, 216, 190)


class Formula:
    """Writes a line of formula from left to right: text, subscripts set
    small and low, superscripts small and high."""

    def __init__(self, draw, x, y, size):
        self.draw, self.x, self.y = draw, x, y
        self.big = ImageFont.truetype(os.path.join(FONT_DIR, 'DejaVuSerif-Bold.ttf'), size)
        self.small = ImageFont.truetype(os.path.join(FONT_DIR, 'DejaVuSerif-Bold.ttf'), size * 2 // 3)
        self.size = size

    def put(self, text, font, dy):
        self.draw.text((self.x, self.y + dy), text, font=font, fill=ORANGE)
        self.x += self.draw.textlength(text, font=font)
        return self

    def text(self, text):
        return self.put(text, self.big, 0)

    def sub(self, text):
        return self.put(text, self.small, self.size * 0.55)

    def sup(self, text):
        return self.put(text, self.small, -self.size * 0.25)

    def gap(self, pixels):
        self.x += pixels
        return self


def formula_image():
    width, height = 330, 132
    image = Image.new('RGB', (width, height), GROUND)
    draw = ImageDraw.Draw(image)
    # line 1: (Z+A_n)(Z+A_(n-1))(Z+A_(n-2)) .... (Z+A_1)
    f = Formula(draw, 6, 16, 16)
    f.text('(Z+A').sub('n').text(')(Z+A').sub('n\u22121').text(')(Z+A').sub('n\u22122').text(')')
    f.gap(4).text('\u00b7\u00b7\u00b7\u00b7').gap(4).text('(Z+A').sub('1').text(')')
    # lines 2 and 3: = Z^n + C_(n-1) Z^(n-1) + C_(n-2) Z^(n-2) + .... + C_1 Z^1 + C_0
    f = Formula(draw, 16, 52, 16)
    f.text('= Z').sup('n').text(' + C').sub('n\u22121').gap(2).text('Z').sup('n\u22121')
    f.text(' + C').sub('n\u22122').gap(2).text('Z').sup('n\u22122')
    f = Formula(draw, 60, 88, 16)
    f.text('+ \u00b7\u00b7\u00b7\u00b7 + C').sub('1').gap(2).text('Z').sup('1').text(' + C').sub('0')
    # snowflakes where the formula leaves room for them
    text_mask = image.convert('L').point(lambda v: 255 if v > 100 else 0)
    flakes = random.Random(1225)
    placed = 0
    while placed < 24:
        cx, cy, radius = flakes.uniform(8, width - 8), flakes.uniform(8, height - 8), flakes.uniform(3.5, 7.5)
        box = tuple(round(v) for v in (cx - radius - 3, cy - radius - 3, cx + radius + 3, cy + radius + 3))
        if text_mask.crop(box).getbbox() is None:
            snowflake(draw, cx, cy, radius, PALE)
            text_mask.paste(255, box)
            placed += 1
    # 16 colours: the ground, the orange, the snow and the blends of their edges
    palette = [GROUND, ORANGE, PALE]
    for t in (0.2, 0.35, 0.5, 0.65, 0.8, 0.9):
        palette.append(tuple(round(g + t * (o - g)) for g, o in zip(GROUND, ORANGE)))
    for t in (0.25, 0.5, 0.75):
        palette.append(tuple(round(g + t * (p - g)) for g, p in zip(GROUND, PALE)))
    palette += [(0, 0, 0), (255, 255, 255), (128, 128, 128), (255, 190, 100)]
    return to_palette(image, palette), palette


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for motif in MOTIFS:
        for set_name, face in FACES.items():
            for state in ('Up', 'Dn', 'In'):
                image, palette = button_image(motif, face, state)
                write_bmp4(os.path.join(out, f'{motif}{set_name}{state}.bmp'), image, palette)
    image, palette = formula_image()
    write_bmp4(os.path.join(out, 'formula.bmp'), image, palette)


if __name__ == '__main__':
    main()
