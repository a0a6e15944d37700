#!/usr/bin/python3
"""Makes the module's bitmaps: the eight pattern pictures and the ten line-type
pictures, 24-bit BMP files, and the resource script's lines that link them
(bitmaps.rc).

Each pattern picture is the host runner's own drawing of the pattern: the
runner plays sources/NAME.script on sources/NAME.drw with the settings of
sources/NAME.reg, the script writes the drawing as SVG while the shoulder's
temporary dimensions are shown, and rsvg-convert turns it into pixels. The
line-type pictures are drawn here, pixel by pixel.

    make_bitmaps.py ZEDRUNNER OUT_DIR [--check]

--check writes nothing and compares what it makes with the files in OUT_DIR,
byte for byte; the exit status tells (0 all equal, 1 some differ).
"""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCES = os.path.join(HERE, "sources")

# The patterns' pictures, read from their descriptions in base/pattern.h (in
# order; the first one's resource id is 201): the keyword in lower case names
# the source and the file, then the width and the height.
PATTERN_DESCRIPTION = re.compile(
    r'\{Pattern::\w+, ZED_TEXT\("(\w+)"\), PatternView::\w+, \w+, (\d+), (\d+)\}')


def pattern_pictures():
    with open(os.path.join(HERE, "..", "..", "base", "pattern.h"), encoding="utf-8") as f:
        found = PATTERN_DESCRIPTION.findall(f.read())
    if not found:
        sys.exit("no pattern description found in base/pattern.h")
    return [(keyword.lower(), int(width), int(height)) for keyword, width, height in found]


FIRST_PATTERN_ID = 201
FIRST_LINE_TYPE_ID = 211


def resource_lines(pictures):
    """The resource script's bitmap lines (ui/bitmaps/bitmaps.rc)."""
    lines = ["// Made by ui/bitmaps/make_bitmaps.py from the patterns' descriptions: the",
             "// pattern pictures and the line-type pictures, by the ids of ui/bitmaps.h."]
    for k, (name, _, _) in enumerate(pictures):
        lines.append('%d BITMAP "bitmaps/%s.bmp"' % (FIRST_PATTERN_ID + k, name))
    for k in range(len(LINE_TYPE_DASHES)):
        lines.append('%d BITMAP "bitmaps/linetype%02d.bmp"' % (FIRST_LINE_TYPE_ID + k, k + 1))
    return ("\n".join(lines) + "\n").encode()


LINE_TYPE_SIZE = (62, 23)
# Dash and gap lengths in pixels, repeated along the line; [] is continuous.
LINE_TYPE_DASHES = [
    [],                        # LINETYPE01 continuous
    [3, 2],                    # LINETYPE02 short dashes, dense (dotted)
    [12, 3, 3, 3],             # LINETYPE03 dash and dot (chain)
    [12, 3, 3, 3, 3, 3],       # LINETYPE04 dash and two dots (double chain)
    [6, 3],                    # LINETYPE05 even dashes (dashed)
    [18, 3, 5, 3],             # LINETYPE06 long dash and short dash (long chain)
    [18, 3, 4, 3, 4, 3],       # LINETYPE07 long dash and two short dashes
    [10, 7],                   # LINETYPE08 long dashes with wide gaps
    [26, 6, 4, 6],             # LINETYPE09 very long dash and short dash, wide spacing
    [26, 5, 3, 5, 3, 5],       # LINETYPE10 very long dash and two short dashes, wide spacing
]

# Lines about 1.3 pixels wide and dimension values about 10 pixels high, whatever
# the size of the drawing.
STROKE_PIXELS = 1.3
FONT_PIXELS = 10.0
ARROW_PIXELS = 5.0
# Room at the edges for the texts, which the runner's view does not count.
MARGIN_PIXELS = 6


def bmp_bytes(width, height, pixel):
    """A 24-bit BMP of pixel(x, y) -> (r, g, b), y from the top."""
    row_size = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    image = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    return header + info + image


def png_pixels(data):
    """Decodes an 8-bit RGB or RGBA PNG without interlacing, as rsvg-convert
    writes it: (width, height, rows of (r, g, b, a) tuples)."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, "unexpected PNG format"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    channels = 4 if colour == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                predictor = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + predictor) & 255
        rows.append([tuple(line[x * channels:(x + 1) * channels]) + ((255,) if channels == 3 else ())
                     for x in range(width)])
        previous = line
    return width, height, rows


def fit_svg(svg, width, height):
    """The runner's SVG made for a small picture: a view of the given shape
    about the drawing, lines and texts sized in pixels, and the hole notes left
    out (their Korean texts neither fit nor have a font here)."""
    view = [float(v) for v in re.search(r'viewBox="([^"]*)"', svg).group(1).split()]
    x, y, w, h = view
    # Drawing units per pixel.
    units = max(w / (width - 2 * MARGIN_PIXELS), h / (height - 2 * MARGIN_PIXELS))
    nw, nh = units * width, units * height
    nx, ny = x - (nw - w) / 2, y - (nh - h) / 2
    box = "%.4f %.4f %.4f %.4f" % (nx, ny, nw, nh)
    svg = re.sub(r'<svg ([^>]*)width="[^"]*" height="[^"]*" viewBox="[^"]*"',
                 r'<svg \1width="%d" height="%d" viewBox="%s"' % (width, height, box), svg, count=1)
    svg = re.sub(r'<rect class="background" [^>]*/>',
                 '<rect class="background" x="%.4f" y="%.4f" width="%.4f" height="%.4f" fill="#000000"/>'
                 % (nx, ny, nw, nh), svg, count=1)
    old_stroke = float(re.search(r'stroke-width="([^"]*)"', svg).group(1))
    stroke = STROKE_PIXELS * units
    svg = re.sub(r'stroke-width="[^"]*"', 'stroke-width="%.4f"' % stroke, svg, count=1)
    svg = re.sub(r'font-size="[^"]*"', 'font-size="%.4f"' % (FONT_PIXELS * units), svg, count=1)
    svg = re.sub(r'stroke-dasharray="([^"]*)"',
                 lambda m: 'stroke-dasharray="%s"' % " ".join(
                     "%.4f" % (float(v) * stroke / old_stroke) for v in m.group(1).split()), svg)
    svg = re.sub(r'<g class="note"[^>]*>\n<g class="leader-note".*?</g>\n</g>\n', "", svg, flags=re.S)
    svg = re.sub(r'<polygon class="arrow" points="([^"]*)"',
                 lambda m: '<polygon class="arrow" points="%s"' % grown_arrow(m.group(1), ARROW_PIXELS * units), svg)
    return re.sub(r'<g class="length-dimension".*?</g>\n',
                  lambda m: value_moved_off(m.group(0), 0.75 * FONT_PIXELS * units), svg, flags=re.S)


def grown_arrow(points, length):
    """An arrowhead given as its tip and two back corners, made `length` long."""
    (tx, ty), (ax, ay), (bx, by) = [tuple(float(v) for v in p.split(",")) for p in points.split()]
    now = ((ax + bx) / 2 - tx, (ay + by) / 2 - ty)
    k = length / max((now[0] ** 2 + now[1] ** 2) ** 0.5, 1e-9)
    return "%.4f,%.4f %.4f,%.4f %.4f,%.4f" % (tx, ty, tx + (ax - tx) * k, ty + (ay - ty) * k,
                                              tx + (bx - tx) * k, ty + (by - ty) * k)


def value_moved_off(group, distance):
    """A length dimension whose value stands `distance` off the middle of its
    dimension line, on the side the runner put it, so that larger text clears the line."""
    line = re.search(r'class="dimension-line" x1="([^"]*)" y1="([^"]*)" x2="([^"]*)" y2="([^"]*)"', group)
    text = re.search(r'class="dimension-value" x="([^"]*)" y="([^"]*)"', group)
    if not line or not text:
        return group
    x1, y1, x2, y2 = (float(v) for v in line.groups())
    mx, my = (x1 + x2) / 2, (y1 + y2) / 2
    tx, ty = (float(v) for v in text.groups())
    d = max(((tx - mx) ** 2 + (ty - my) ** 2) ** 0.5, 1e-9)
    nx, ny = mx + (tx - mx) * distance / d, my + (ty - my) * distance / d
    group = group.replace(text.group(0), 'class="dimension-value" x="%.4f" y="%.4f"' % (nx, ny))
    return re.sub(r'rotate\(([^ ]*) [^ ]* [^)]*\)', lambda m: "rotate(%s %.4f %.4f)" % (m.group(1), nx, ny), group)


def pattern_picture(runner, name, width, height, work):
    folder = os.path.join(work, name)
    os.makedirs(folder)
    registry = os.path.join(folder, "settings.reg")
    if os.path.exists(os.path.join(SOURCES, name + ".reg")):
        shutil.copy(os.path.join(SOURCES, name + ".reg"), registry)
    run = subprocess.run([runner, "--drawing", os.path.join(SOURCES, name + ".drw"),
                          "--script", os.path.join(SOURCES, name + ".script"), "--registry", registry],
                         cwd=folder, capture_output=True, text=True)
    transcript = run.stdout
    if run.returncode != 0 or re.search(r"^(error|message box): ", transcript, re.M):
        sys.exit("make_bitmaps: %s did not run through:\n%s%s" % (name, transcript, run.stderr))
    with open(os.path.join(folder, name + ".svg"), encoding="utf-8") as f:
        svg = fit_svg(f.read(), width, height)
    fitted = os.path.join(folder, "fitted.svg")
    with open(fitted, "w", encoding="utf-8") as f:
        f.write(svg)
    png = subprocess.run(["rsvg-convert", "--format=png", fitted], check=True, capture_output=True).stdout
    w, h, rows = png_pixels(png)
    assert (w, h) == (width, height), "%s: rsvg-convert made %d x %d" % (name, w, h)
    # Over black: the background rectangle already covers the picture.
    return bmp_bytes(w, h, lambda x, y: tuple(c * rows[y][x][3] // 255 for c in rows[y][x][:3]))


def line_type_picture(dashes):
    width, height = LINE_TYPE_SIZE
    first, last = 4, width - 5
    top = height // 2 - 1  # two pixels thick: rows top and top + 1

    def drawn(x):
        if not dashes:
            return True
        offset = (x - first) % sum(dashes)
        for k, length in enumerate(dashes):
            if offset < length:
                return k % 2 == 0
            offset -= length
        return False

    white, black = (255, 255, 255), (0, 0, 0)
    return bmp_bytes(width, height, lambda x, y: white if first <= x <= last and top <= y <= top + 1
                     and drawn(x) else black)


def main():
    args = [a for a in sys.argv[1:] if a != "--check"]
    check = "--check" in sys.argv[1:]
    if len(args) != 2:
        sys.exit(__doc__)
    runner, out = os.path.abspath(args[0]), os.path.abspath(args[1])
    pictures = pattern_pictures()
    made = {"bitmaps.rc": resource_lines(pictures)}
    with tempfile.TemporaryDirectory() as work:
        for name, width, height in pictures:
            made[name + ".bmp"] = pattern_picture(runner, name, width, height, work)
    for k, dashes in enumerate(LINE_TYPE_DASHES):
        made["linetype%02d.bmp" % (k + 1)] = line_type_picture(dashes)
    differ = 0
    for file, data in made.items():
        path = os.path.join(out, file)
        if check:
            with open(path, "rb") as f:
                if f.read() != data:
                    print("differs: " + file)
                    differ += 1
        else:
            os.makedirs(out, exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    print("%d bitmaps and their resource lines %s" % (len(made) - 1, "checked, %d differ" % differ if check else "written to " + out))
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
