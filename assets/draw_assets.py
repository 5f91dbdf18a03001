#!/usr/bin/python3
"""Draws Zorvik's pictures from scratch: the cover, the two walking sprites and
the program icon. Run it from anywhere (python3 assets/draw_assets.py); it
writes next to itself and gives the same bytes on every run.

The GIFs are pixel art: every shape is drawn four times larger, shrunk and cut
at half coverage, so edges are smooth in shape but hard, because GIF keeps a
single transparent colour and soft edges would leave a fringe."""

import struct
import sys
from pathlib import Path

import debian_python

try:
    from PIL import Image, ImageChops, ImageDraw, ImageFont
except ImportError:
    debian_python.rerun_or_exit("python3-pil")

HERE = Path(__file__).resolve().parent
BOLD_FONT = ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "fonts-dejavu-core")
SCALE = 4  # supersampling factor for every shape

# ---------------------------------------------------------------- colours

INK = (48, 34, 74)            # outlines: a soft dark plum reads friendlier than black
WHITE = (255, 255, 255)
SHINE = (255, 250, 214)
SKIN = (255, 209, 163)
SKIN_SHADE = (232, 168, 120)
CHEEK = (255, 138, 150)
HAIR = (140, 82, 44)
HAT = (46, 196, 182)
HAT_SHADE = (26, 140, 136)
POMPOM = (255, 214, 64)
SHIRT = (255, 122, 60)
SHIRT_SHADE = (214, 84, 36)
SHORTS = (64, 110, 222)
SHORTS_SHADE = (42, 74, 170)
SHOE = (230, 48, 72)
SHOE_SHADE = (170, 28, 56)
SOLE = (246, 242, 236)
PURPLE = (168, 104, 232)
PURPLE_SHADE = (118, 66, 186)
PURPLE_LIGHT = (214, 184, 250)
HORN = (255, 226, 130)
HORN_SHADE = (226, 170, 64)
TONGUE = (255, 112, 140)
RED = (255, 84, 84)
ORANGE = (255, 160, 40)
YELLOW = (255, 210, 50)
GREEN = (84, 200, 90)
BLUE = (60, 160, 245)
VIOLET = (160, 100, 240)
RED_SHADE = (214, 52, 64)
ORANGE_SHADE = (222, 118, 20)
YELLOW_SHADE = (230, 166, 20)
GREEN_SHADE = (52, 156, 70)
BLUE_SHADE = (36, 116, 206)
VIOLET_SHADE = (116, 66, 196)
SHADOW = (196, 188, 214)       # the cover's drop shadows on the window's grey

# Every GIF shares one palette; index 0 is the transparent colour, set to the
# window's grey so a viewer that ignores transparency still looks right.
TRANSPARENT = (239, 239, 239)
PALETTE = [TRANSPARENT] + sorted({value for name, value in globals().items()
                                  if name.isupper() and name != "TRANSPARENT" and isinstance(value, tuple)
                                  and len(value) == 3 and all(isinstance(v, int) for v in value)})
assert TRANSPARENT not in PALETTE[1:] and len(PALETTE) <= 256


def load_font(size):
    path, package = BOLD_FONT
    if not Path(path).exists():
        sys.exit(f"draw_assets.py needs the font {path}: apt-get install {package}")
    return ImageFont.truetype(path, size)

# ---------------------------------------------------------------- masks
# A mask is an "L" image of the picture's size holding only 0 and 255.
# Coordinates are in final pixels and may be fractional.


def _supersampled(size, paint):
    big = Image.new("L", (size[0] * SCALE, size[1] * SCALE), 0)
    paint(ImageDraw.Draw(big))
    small = big.resize(size, Image.Resampling.BOX)
    return small.point(lambda v: 255 if v >= 128 else 0)


def _scaled_box(box):
    x0, y0, x1, y1 = box
    return (round(x0 * SCALE), round(y0 * SCALE), round(x1 * SCALE) - 1, round(y1 * SCALE) - 1)


def ellipse(size, box):
    return _supersampled(size, lambda d: d.ellipse(_scaled_box(box), fill=255))


def circle(size, centre, radius):
    x, y = centre
    return ellipse(size, (x - radius, y - radius, x + radius, y + radius))


def rounded(size, box, radius):
    return _supersampled(size, lambda d: d.rounded_rectangle(_scaled_box(box), radius * SCALE, fill=255))


def polygon(size, points):
    return _supersampled(size, lambda d: d.polygon([(x * SCALE, y * SCALE) for x, y in points], fill=255))


def thick_line(size, points, width):
    def paint(d):
        scaled = [(x * SCALE, y * SCALE) for x, y in points]
        d.line(scaled, fill=255, width=round(width * SCALE), joint="curve")
        for x, y in scaled:  # round caps
            r = width * SCALE / 2
            d.ellipse((x - r, y - r, x + r, y + r), fill=255)
    return _supersampled(size, paint)


def rect(size, box):
    return rounded(size, box, 0)


def lettering(size, top_left, string, font_size):
    """Text placed by the top left of its line box, so letters of one word
    share a baseline whatever their height."""
    font = load_font(font_size * SCALE)
    x, y = top_left
    return _supersampled(size, lambda d: d.text((x * SCALE, y * SCALE), string, font=font, fill=255))


def union(*masks):
    result = masks[0]
    for mask in masks[1:]:
        result = ImageChops.lighter(result, mask)
    return result


def intersect(a, b):
    return ImageChops.darker(a, b)


def minus(a, b):
    return ImageChops.subtract(a, b)


def moved(mask, dx, dy):
    result = Image.new("L", mask.size, 0)
    result.paste(mask, (dx, dy))
    return result


def grown(mask, radius):
    """The mask widened by radius pixels with a round pen, for outlines. Wide
    pens take a slightly fuller disc so thick outlines do not look faceted."""
    offsets = [(dx, dy) for dy in range(-radius, radius + 1) for dx in range(-radius, radius + 1)
               if dx * dx + dy * dy <= radius * radius + (radius > 1)]
    return union(*(moved(mask, dx, dy) for dx, dy in offsets))


def rim(mask, dx, dy):
    """The band of the mask that faces away from (dx, dy): where light
    falling from that side does not reach."""
    return minus(mask, moved(mask, dx, dy))

# ---------------------------------------------------------------- canvas


class Canvas:
    """A palette image painted in layers, each an outlined or plain mask."""

    def __init__(self, size):
        self.size = size
        self.image = Image.new("P", size, 0)
        self.image.putpalette([channel for colour in PALETTE for channel in colour])

    def fill(self, mask, colour):
        self.image.paste(PALETTE.index(colour), mask=mask)

    def part(self, mask, colour, shade=None, light_from=(2, -2), outline=1):
        """Ink outline, body colour, and a shade on the side away from the light."""
        if outline:
            self.fill(grown(mask, outline), INK)
        self.fill(mask, colour)
        if shade:
            self.fill(rim(mask, *light_from), shade)


def save_gif(path, frames, duration_ms):
    frames[0].save(path, save_all=True, append_images=frames[1:], duration=duration_ms,
                   loop=0, transparency=0, disposal=2, background=0, optimize=False)


def save_ico(path, image):
    """A single 32-bit BMP entry with its AND mask: the form every Windows
    version reads (Pillow leaves the mask out of 32-bit entries)."""
    width, height = image.size
    rows = [image.crop((0, y, width, y + 1)).tobytes("raw", "BGRA") for y in reversed(range(height))]
    mask_row_bytes = (width + 31) // 32 * 4
    and_mask = bytes(mask_row_bytes * height)  # alpha does the masking
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0,
                         len(b"".join(rows)) + len(and_mask), 0, 0, 0, 0)
    bitmap = header + b"".join(rows) + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", width, height, 0, 0, 1, 32,
                                                           len(bitmap), 6 + 16)
    path.write_bytes(directory + bitmap)

# ---------------------------------------------------------------- player


def draw_player(step):
    """A round little kid in a teal beanie with a plus sign, an orange shirt,
    blue shorts and red sneakers, walking to the right."""
    c = Canvas((40, 42))
    size = c.size
    # The two frames are mirror strides: the near leg and the near arm swap sides.
    near_foot, far_foot = (26, 15) if step == 0 else (15, 26)
    back_hand, front_hand = (14.5, 28.5), (25.5, 28.5)
    near_hand, far_hand = (back_hand, front_hand) if step == 0 else (front_hand, back_hand)
    shoulder = (20, 24)

    def leg(hip_x, foot_x, near):
        c.part(thick_line(size, [(hip_x, 31), (foot_x, 37)], 3.4), SKIN if near else SKIN_SHADE)
        shoe = rounded(size, (foot_x - 3.5, 36, foot_x + 4.5, 40), 2)
        c.part(shoe, SHOE if near else SHOE_SHADE)
        c.fill(intersect(shoe, rect(size, (0, 39, 40, 40))), SOLE)

    def arm(hand, colour):
        c.part(thick_line(size, [shoulder, hand], 3.4), colour)
        c.part(circle(size, hand, 1.9), SKIN)

    arm(far_hand, SHIRT_SHADE)
    leg(21, far_foot, near=False)
    leg(19, near_foot, near=True)

    c.part(rounded(size, (13.5, 28, 26.5, 32), 2), SHORTS, SHORTS_SHADE)
    c.part(rounded(size, (13, 21, 27, 30), 4), SHIRT, SHIRT_SHADE)

    head = ellipse(size, (9.5, 4, 31.5, 24))
    c.part(head, SKIN, SKIN_SHADE, light_from=(1, -1))
    c.fill(intersect(head, rounded(size, (9, 10, 15, 17), 2)), HAIR)
    for eye_x in (21, 27):
        c.fill(rounded(size, (eye_x, 13, eye_x + 2, 17), 1), INK)
        c.fill(rect(size, (eye_x, 13, eye_x + 1, 14)), WHITE)  # glint
    for cheek_x in (19, 29.5):
        c.fill(circle(size, (cheek_x, 18.5), 1.5), CHEEK)
    c.fill(minus(ellipse(size, (22, 16, 28, 21)), ellipse(size, (22, 15, 28, 20))), INK)

    hat = intersect(ellipse(size, (8.5, 2, 32.5, 26)), rect(size, (0, 0, 40, 11)))
    c.part(hat, HAT, HAT_SHADE, light_from=(1, -2))
    c.part(rounded(size, (8.5, 9, 32.5, 12), 1.5), HAT_SHADE)
    c.fill(union(rect(size, (22, 5, 27, 6)), rect(size, (24, 3, 25, 8))), WHITE)
    c.part(circle(size, (16.5, 3.5), 2.5), POMPOM)

    arm(near_hand, SHIRT)
    return c.image

# ---------------------------------------------------------------- monster


def draw_monster(step):
    """A round purple blob with one curved cream horn, two big eyes and a
    tiny tooth, waddling to the right on stubby feet."""
    c = Canvas((40, 40))
    size = c.size
    squash = step  # lower and wider on the second step
    near_foot, far_foot = (25, 13) if step == 0 else (14, 25)

    def foot(x, colour):
        c.part(ellipse(size, (x - 4.5, 32.5, x + 4.5, 39)), colour)

    foot(far_foot, PURPLE_SHADE)
    horn = polygon(size, [(18.5, 12 + squash), (26, 12 + squash), (27.5, 8), (29.5, 4), (30.5, 1),
                          (27, 3), (23.5, 5.5), (20.5, 9)])
    c.part(horn, HORN, HORN_SHADE, light_from=(2, -1))

    body = ellipse(size, (4 - squash, 8 + squash, 35 + squash, 36))
    c.part(body, PURPLE, PURPLE_SHADE, light_from=(3, -3))
    c.fill(intersect(body, ellipse(size, (13, 22 + squash, 31, 37))), PURPLE_LIGHT)
    for x, y, r in ((9, 17 + squash, 1.6), (8, 23, 1.2), (12, 13 + squash, 1.1)):
        c.fill(circle(size, (x, y), r), PURPLE_SHADE)
    c.fill(circle(size, (29, 12.5 + squash), 1.3), PURPLE_LIGHT)  # shine

    for centre, radius in (((22.5, 18 + squash), 4.6), ((31.5, 18 + squash), 3.6)):
        c.part(circle(size, centre, radius), WHITE)
        pupil = (centre[0] + radius * 0.35, centre[1] + 0.5)  # looking ahead
        c.fill(circle(size, pupil, radius * 0.58), INK)
        c.fill(circle(size, (pupil[0] - 0.6, pupil[1] - 0.9), 0.7), WHITE)

    mouth = intersect(ellipse(size, (24, 22 + squash, 33, 29 + squash)),
                      rect(size, (0, 25.5 + squash, 40, 40)))
    c.part(mouth, INK)
    c.fill(intersect(mouth, ellipse(size, (26, 27 + squash, 31, 31 + squash))), TONGUE)
    c.fill(rect(size, (26, 25.5 + squash, 28, 27.5 + squash)), WHITE)  # the tooth
    c.fill(circle(size, (21, 25 + squash), 1.5), CHEEK)
    foot(near_foot, PURPLE)
    return c.image

# ---------------------------------------------------------------- cover

COVER_SIZE = (462, 142)
# The window shows the cover in a smaller box and hides its top 8 rows, so
# every drawn pixel must stay inside this part (left, top, right, bottom).
COVER_SHOWN_AREA = (4, 14, 451, 115)
TITLE = "Zorvik"
TITLE_FONT_SIZE = 62
TITLE_CENTRE_X = 222
TITLE_TOP = 24
SHADE_OF = {RED: RED_SHADE, ORANGE: ORANGE_SHADE, YELLOW: YELLOW_SHADE,
            GREEN: GREEN_SHADE, BLUE: BLUE_SHADE, VIOLET: VIOLET_SHADE}
LETTER_COLOURS = [RED, ORANGE, YELLOW, GREEN, BLUE, VIOLET]
BADGES = [("+", (36, 42), 19, RED), ("-", (74, 90), 15, GREEN),
          ("x", (394, 40), 17, BLUE), ("/", (424, 85), 18, ORANGE), ("=", (368, 90), 13, VIOLET)]
SPARKLES = [((100, 28), 6), ((22, 92), 5), ((434, 22), 6), ((338, 22), 5),
            ((136, 106), 4), ((300, 106), 4), ((446, 54), 4)]


def swing(index, frame, amount):
    """Neighbours move in opposite directions and swap on the next frame,
    which makes a row of things bounce."""
    return -amount if (index + frame) % 2 == 0 else amount


def symbol_mask(size, kind, centre, r):
    """The white glyph of an arithmetic badge, drawn as bars and dots so every
    sign has the same stroke weight."""
    x, y = centre
    bar = r * 0.28

    def hbar(dy=0.0, half=r * 0.62):
        return rounded(size, (x - half, y + dy - bar / 2, x + half, y + dy + bar / 2), bar / 2)

    if kind == "+":
        return union(hbar(), rounded(size, (x - bar / 2, y - r * 0.62, x + bar / 2, y + r * 0.62), bar / 2))
    if kind == "-":
        return hbar()
    if kind == "=":
        return union(hbar(-r * 0.24), hbar(r * 0.24))
    if kind == "x":
        d = r * 0.45
        return union(thick_line(size, [(x - d, y - d), (x + d, y + d)], bar),
                     thick_line(size, [(x - d, y + d), (x + d, y - d)], bar))
    if kind == "/":
        return union(hbar(), circle(size, (x, y - r * 0.42), bar * 0.6), circle(size, (x, y + r * 0.42), bar * 0.6))
    raise ValueError(kind)


def sparkle_mask(size, centre, r):
    x, y = centre
    k = r * 0.28
    return polygon(size, [(x, y - r), (x + k, y - k), (x + r, y), (x + k, y + k),
                          (x, y + r), (x - k, y + k), (x - r, y), (x - k, y - k)])


def draw_title(c, frame):
    """Candy letters: each its own colour, darker below the middle, with a
    light top edge, one thick outline around the word and a drop shadow."""
    font = load_font(TITLE_FONT_SIZE)
    advances = [font.getlength(letter) for letter in TITLE]
    spacing = 3
    x = TITLE_CENTRE_X - (sum(advances) + spacing * (len(TITLE) - 1)) / 2
    letters = []
    for i, letter in enumerate(TITLE):
        letters.append(lettering(c.size, (x, TITLE_TOP + swing(i, frame, 2)), letter, TITLE_FONT_SIZE))
        x += advances[i] + spacing
    word = union(*letters)
    c.fill(grown(moved(word, 3, 4), 3), SHADOW)
    c.fill(grown(word, 3), INK)
    for mask, colour in zip(letters, LETTER_COLOURS):
        c.fill(mask, colour)
        _, top, _, bottom = mask.getbbox()
        c.fill(intersect(mask, rect(c.size, (0, top + (bottom - top) * 0.62, *c.size))), SHADE_OF[colour])
        c.fill(intersect(rim(mask, 0, 2), moved(mask, 0, -1)), SHINE)


def draw_badges(c, frame):
    for i, (kind, (x, y), r, colour) in enumerate(BADGES):
        y += swing(i, frame, 3)
        disc = circle(c.size, (x, y), r)
        c.fill(grown(moved(disc, 3, 4), 2), SHADOW)
        c.fill(grown(disc, 2), INK)
        c.fill(disc, colour)
        c.fill(rim(disc, 3, -3), SHADE_OF[colour])
        c.fill(circle(c.size, (x - r * 0.45, y - r * 0.5), r * 0.18), WHITE)
        glyph = symbol_mask(c.size, kind, (x, y), r)
        c.fill(grown(glyph, 1), INK)
        c.fill(glyph, WHITE)


def draw_sparkles(c, frame):
    for i, (centre, r) in enumerate(SPARKLES):
        big = swing(i, frame, 1) < 0  # half the stars twinkle while the others rest
        star = sparkle_mask(c.size, centre, r if big else r * 0.55)
        c.fill(grown(star, 1), INK)
        c.fill(star, YELLOW if big else SHINE)


def draw_cover(frame):
    c = Canvas(COVER_SIZE)
    draw_sparkles(c, frame)
    draw_badges(c, frame)
    draw_title(c, frame)
    left, top, right, bottom = c.image.getbbox()  # index 0, the transparent colour, counts as empty
    shown_left, shown_top, shown_right, shown_bottom = COVER_SHOWN_AREA
    assert left >= shown_left and top >= shown_top and right <= shown_right and bottom <= shown_bottom, \
        f"cover frame {frame} spills out of the shown area: {(left, top, right, bottom)}"
    return c.image

# ---------------------------------------------------------------- icon


def draw_icon():
    """48 x 48 RGBA: "1+1" on a sunny tile. Unlike the GIFs the icon has real
    alpha, so it keeps the soft edges of the large drawing."""
    big = Image.new("RGBA", (48 * SCALE, 48 * SCALE), (0, 0, 0, 0))
    d = ImageDraw.Draw(big)

    def tile(box, radius, colour):
        d.rounded_rectangle(_scaled_box(box), radius * SCALE, fill=colour)

    tile((1, 1, 47, 47), 11, INK)  # two pixels deeper at the bottom: a tile you could press
    tile((3, 3, 45, 43), 9, ORANGE)
    tile((3, 3, 45, 26), 9, YELLOW)
    tile((3, 18, 45, 26), 0, ORANGE)
    tile((7, 6, 11, 10), 2, WHITE)  # shine
    font = load_font(20 * SCALE)
    for glyph, x in (("1", 12), ("+", 24), ("1", 36.5)):
        x0, y0, x1, y1 = d.textbbox((0, 0), glyph, font=font)
        position = (x * SCALE - (x0 + x1) / 2, 24 * SCALE - (y0 + y1) / 2)
        d.text(position, glyph, font=font, fill=WHITE, stroke_width=round(1.75 * SCALE), stroke_fill=INK)
    return big.resize((48, 48), Image.Resampling.BOX)

# ---------------------------------------------------------------- main


def main():
    save_gif(HERE / "cover.gif", [draw_cover(frame) for frame in (0, 1)], 550)
    save_gif(HERE / "player.gif", [draw_player(step) for step in (0, 1)], 500)
    save_gif(HERE / "monster.gif", [draw_monster(step) for step in (0, 1)], 500)
    icon = draw_icon()
    icon.save(HERE / "icon.png", optimize=False)
    save_ico(HERE / "icon.ico", icon)


if __name__ == "__main__":
    main()
