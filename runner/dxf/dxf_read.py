"""Reads a DXF drawing and prints it as the runner's drawing file (.drw).

    /usr/bin/python3 dxf_read.py --palette "#rrggbb,..." [--tolerance T] FILE

Model space only: LINE, ARC, CIRCLE, LWPOLYLINE and 2-D POLYLINE (bulges as
arcs). Polylines become outlines as they are; loose lines and arcs of one layer,
colour and line type that meet end to end (within the tolerance) are joined
into outlines, each element kept in the direction the file has it. Everything
else is reported by entity handle and layer and left out. Exit status 0 with
the drawing on standard output, or 2 (nothing printed) when the file cannot be
taken.
"""
import argparse
import io
import logging
import math
import re
import sys

from dxf_common import (ACI_BY_BLOCK, ACI_BY_LAYER, give_up, import_ezdxf,
                        is_whole_number, linetype_index, nearest_colour, parse_palette, say)
from dxf_outline import Element, close_gaps, crosses_itself, join_loose

# Coordinates beyond this are not a drawing of a part: the host's geometry
# would lose its precision on them.
COORDINATE_LIMIT = 1e9
# Lines shorter than this, arcs of a smaller radius and arcs whose ends lie
# this close are left out: the runner's drawing format takes such points as one.
DEGENERATE = 1e-6


class Unreadable(Exception):
    pass


class Reader:
    def __init__(self, doc, palette, tolerance):
        self.doc = doc
        self.palette = palette
        self.tolerance = tolerance
        self.layers = {}  # DXF layer name (upper case) -> [table entity or None, name]
        self.used_layers = {}  # upper case -> as the entities write it
        self.shapes = []  # (text lines, layer key)

    # -- attributes --------------------------------------------------------

    def note(self, entity, why):
        say("not read: %s (handle %s, layer %s): %s" % (entity.dxftype(), entity.dxf.get("handle", "?"),
                                                         entity.dxf.get("layer", "0"), why))

    def layer_record(self, name):
        try:
            return self.doc.layers.get(name)
        except Exception:
            return None

    def colour_of_layer(self, record):
        if record is None:
            return 0
        if record.dxf.hasattr("true_color"):
            return nearest_colour(self.palette, record.rgb)
        from ezdxf.colors import aci2rgb
        aci = abs(record.dxf.get("color", 7)) or 7
        return nearest_colour(self.palette, aci2rgb(aci if aci < 256 else 7))

    def colour_of(self, entity):
        """The host's colour of an entity, None for its layer's."""
        if entity.dxf.hasattr("true_color"):
            return nearest_colour(self.palette, entity.rgb)
        aci = entity.dxf.get("color", ACI_BY_LAYER)
        if aci in (ACI_BY_BLOCK, ACI_BY_LAYER) or not 0 < aci < 256:
            return None
        from ezdxf.colors import aci2rgb
        return nearest_colour(self.palette, aci2rgb(aci))

    def linetype_of(self, entity):
        name = entity.dxf.get("linetype", "BYLAYER")
        if name.upper() in ("BYLAYER", "BYBLOCK"):
            record = self.layer_record(entity.dxf.get("layer", "0"))
            name = record.dxf.get("linetype", "Continuous") if record is not None else "Continuous"
        return linetype_index(name)

    # -- geometry ----------------------------------------------------------

    def check_size(self, entity, values):
        for value in values:
            if not math.isfinite(value) or abs(value) > COORDINATE_LIMIT:
                raise Unreadable("%s (handle %s, layer %s) lies beyond %g of the origin: not a drawing the "
                                 "runner can take" % (entity.dxftype(), entity.dxf.get("handle", "?"),
                                                      entity.dxf.get("layer", "0"), COORDINATE_LIMIT))

    def plane_of(self, entity):
        """+1 or -1 when the entity lies in the drawing's plane seen from above or
        below (its extrusion), None for anything in 3-D."""
        extrusion = entity.dxf.get("extrusion", (0.0, 0.0, 1.0))
        self.check_size(entity, extrusion)
        if math.hypot(extrusion[0], extrusion[1]) > 1e-9 * max(1.0, abs(extrusion[2])) or extrusion[2] == 0:
            return None
        return 1 if extrusion[2] > 0 else -1

    def to_plane(self, entity, sense, point):
        """A point in the entity's own coordinates as drawing x, y (x turns over
        when it is seen from below)."""
        self.check_size(entity, (point[0], point[1]))
        return (point[0] * sense, point[1])

    def arc_element(self, entity, sense, centre, radius, start_angle, end_angle):
        cx, cy = centre[0], centre[1]
        a0 = math.radians(start_angle)
        a1 = math.radians(end_angle)
        start = self.to_plane(entity, sense, (centre[0] + radius * math.cos(a0), centre[1] + radius * math.sin(a0)))
        end = self.to_plane(entity, sense, (centre[0] + radius * math.cos(a1), centre[1] + radius * math.sin(a1)))
        c = self.to_plane(entity, sense, (cx, cy))
        return Element.arc(c, start, end, clockwise=sense < 0)

    # -- entities ----------------------------------------------------------

    def read(self):
        loose = []
        for entity in self.doc.modelspace():
            kind = entity.dxftype()
            reader = getattr(self, "read_" + kind.lower(), None)
            if reader is None:
                self.note(entity, "the runner takes lines, arcs, circles and 2-D polylines only")
                continue
            try:
                reader(entity, loose)
            except Unreadable:
                raise
            except Exception as error:  # a damaged entity: the others are still read
                self.note(entity, "damaged (%s)" % (printable(str(error)) or type(error).__name__))
        for chain in join_loose(loose, self.tolerance):
            self.add_outline(chain.entity, chain.elements, chain.closed, chain.handles)

    def style_key(self, entity):
        layer, colour, linetype = self.style_of(entity)
        return layer.upper(), colour, linetype

    def style_of(self, entity):
        return (entity.dxf.get("layer", "0"), self.colour_of(entity), self.linetype_of(entity))

    def read_line(self, entity, loose):
        start, end = entity.dxf.start, entity.dxf.end
        self.check_size(entity, tuple(start) + tuple(end))
        if abs(start[2] - end[2]) > DEGENERATE * max(1.0, abs(start[2])):
            self.note(entity, "a line in 3-D")
            return
        element = Element.line((start[0], start[1]), (end[0], end[1]))
        if element.length() <= DEGENERATE:
            self.note(entity, "a line of no length")
            return
        element.source = entity
        element.key = self.style_key(entity)
        loose.append(element)

    def read_arc(self, entity, loose):
        sense = self.plane_of(entity)
        if sense is None:
            self.note(entity, "an arc in 3-D")
            return
        radius = entity.dxf.radius
        self.check_size(entity, tuple(entity.dxf.center) + (radius,))
        if radius <= DEGENERATE:
            self.note(entity, "an arc of no radius")
            return
        element = self.arc_element(entity, sense, entity.dxf.center, radius, entity.dxf.start_angle,
                                   entity.dxf.end_angle)
        if math.dist(element.start, element.end) <= DEGENERATE:
            self.note(entity, "an arc that ends where it starts")
            return
        element.source = entity
        element.key = self.style_key(entity)
        loose.append(element)

    def read_circle(self, entity, loose):
        sense = self.plane_of(entity)
        if sense is None:
            self.note(entity, "a circle in 3-D")
            return
        radius = entity.dxf.radius
        self.check_size(entity, tuple(entity.dxf.center) + (radius,))
        if radius <= DEGENERATE:
            self.note(entity, "a circle of no radius")
            return
        cx, cy = self.to_plane(entity, sense, entity.dxf.center)
        layer, colour, linetype = self.style_of(entity)
        self.used_layers.setdefault(layer.upper(), layer)
        self.shapes.append((["circle %s %s %s%s # %s %s" % (
            number(cx), number(cy), number(radius), self.style_words(colour, linetype), entity.dxftype(),
            entity.dxf.get("handle", "?"))], layer))

    def read_lwpolyline(self, entity, loose):
        sense = self.plane_of(entity)
        if sense is None:
            self.note(entity, "a polyline in 3-D")
            return
        points = [(x, y, b) for x, y, b in entity.get_points("xyb")]
        self.add_polyline(entity, sense, points, entity.closed)

    def read_polyline(self, entity, loose):
        if not entity.is_2d_polyline:
            self.note(entity, "a 3-D polyline, mesh or polyface")
            return
        if entity.dxf.get("flags", 0) & 6:
            self.note(entity, "a curve- or spline-fitted polyline")
            return
        sense = self.plane_of(entity)
        if sense is None:
            self.note(entity, "a polyline in 3-D")
            return
        points = [(v.dxf.location[0], v.dxf.location[1], v.dxf.get("bulge", 0.0)) for v in entity.vertices
                  if not v.dxf.get("flags", 0) & 16]
        self.add_polyline(entity, sense, points, entity.is_closed)

    def add_polyline(self, entity, sense, points, closed):
        elements = []
        count = len(points)
        for index in range(count if closed else count - 1):
            x0, y0, bulge = points[index]
            x1, y1, _ = points[(index + 1) % count]
            self.check_size(entity, (x0, y0, x1, y1, bulge))
            start = self.to_plane(entity, sense, (x0, y0))
            end = self.to_plane(entity, sense, (x1, y1))
            if math.dist(start, end) <= DEGENERATE:
                continue  # a repeated vertex
            elements.append(Element.from_bulge(start, end, bulge * sense))
        if not elements:
            self.note(entity, "a polyline of no length")
            return
        if not closed and len(elements) > 1 and math.dist(elements[0].start, elements[-1].end) <= self.tolerance:
            closed = True  # drawn round to its start without the closed flag
        self.add_outline(entity, elements, closed, [entity.dxf.get("handle", "?")])

    def add_outline(self, entity, elements, closed, handles):
        close_gaps(elements, closed, self.tolerance)
        if closed and len(elements) < 2:
            closed = False
        if closed and crosses_itself(elements):
            say("not read: %s (handle %s, layer %s): a closed outline that crosses itself" % (
                entity.dxftype() if len(handles) == 1 else "outline of %d lines and arcs" % len(elements),
                ", ".join(handles), entity.dxf.get("layer", "0")))
            return
        layer, colour, linetype = self.style_of(entity)
        self.used_layers.setdefault(layer.upper(), layer)
        lines = ["outline %s%s # %s %s" % ("closed" if closed else "open", self.style_words(colour, linetype),
                                           entity.dxftype() if len(handles) == 1 else "LINE/ARC",
                                           " ".join(handles))]
        for element in elements:
            lines.append("  " + element.drw())
        lines.append("end")
        self.shapes.append((lines, layer))

    @staticmethod
    def style_words(colour, linetype):
        words = ""
        if colour is not None:
            words += " colour %d" % colour
        if linetype:
            words += " linetype %d" % linetype
        return words

    # -- layers ------------------------------------------------------------

    def layer_lines(self):
        """The layers as drw statements, and the number of each DXF layer."""
        current = str(self.doc.header.get("$CLAYER", "0")).upper()
        records = [record for record in self.doc.layers if record.dxf.name.upper() != "DEFPOINTS"]
        known = {record.dxf.name.upper() for record in records}
        # Layers that entities name but the table lacks take the defaults.
        names = [record.dxf.name for record in records] + [
            name for key, name in self.used_layers.items() if key not in known]
        kept = []
        for name in names:
            key = name.upper()
            record = self.layer_record(name) if key in known else None
            if key == "0" and not (key in self.used_layers or key == current or
                                   (record is not None and record.description)):
                continue  # DXF's own layer 0, which every file has, unused here
            kept.append((name, record))
        taken = {int(name) for name, _ in kept if is_whole_number(name)} | {0}
        numbers = {}
        free = 0
        for name, record in kept:
            if is_whole_number(name):
                numbers[name.upper()] = int(name)
                continue
            while free in taken:
                free += 1
            numbers[name.upper()] = free
            taken.add(free)
        lines = []
        for name, record in kept:
            label = name
            if is_whole_number(name):
                label = record.description if record is not None else ""
            visible = record is None or (record.is_on() and not record.is_frozen())
            detect = record is None or not record.is_locked()
            lines.append('layer %d name %s colour %d visible %d detect %d' % (
                numbers[name.upper()], quoted(label), self.colour_of_layer(record), visible, detect))
        if current in numbers:
            lines.append("current-layer %d" % numbers[current])
        elif kept:
            lines.append("current-layer %d" % numbers[kept[0][0].upper()])
        return lines, numbers

    def drawing_text(self):
        layer_lines, numbers = self.layer_lines()
        out = ["# Read from DXF by the runner's converter."] + layer_lines + [""]
        for lines, layer in self.shapes:
            first = lines[0].split(" # ")
            words = first[0].split(" ")
            words.insert(1 if words[0] == "outline" else 4, "layer %d" % numbers[layer.upper()])
            out.append(" ".join(words) + "  # " + first[1])
            out.extend(lines[1:])
        return "\n".join(out) + "\n"


def number(value):
    text = repr(float(value))
    return "0" if text == "-0.0" else text


def quoted(text):
    text = "".join(c for c in text if c >= " ")
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def check_whole_file(path):
    """The file's own shape: present, DXF text (or binary DXF), not cut short.
    Returns its bytes."""
    try:
        with open(path, "rb") as stream:
            data = stream.read()
    except OSError as error:
        give_up("cannot read the drawing file (%s)" % (error.strerror or error))
    if data.startswith(b"AutoCAD Binary DXF"):
        return data
    if b"\0" in data or not re.match(rb"\s*(999|0)\s*\r?\n", data):
        give_up("not a DXF file")
    if not re.search(rb"(^|\n)[ \t]*0[ \t]*\r?\nEOF[ \t]*(\r?\n|$)", data):
        give_up("the DXF file is cut short (it has no EOF)")
    return data


def with_version_header(data):
    """A file of entities alone (no HEADER) that uses the subclass markers of
    DXF R2000 and later is read as R2000: read as R12, its layers and flags
    after the markers would be lost."""
    if data.startswith(b"AutoCAD Binary DXF") or re.search(rb"\n[ \t]*2[ \t]*\r?\nHEADER\b", b"\n" + data):
        return data
    if not re.search(rb"\n[ \t]*100[ \t]*\r?\nAcDb", data):
        return data
    return b"  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n" + data


def printable(text, limit=120):
    text = "".join(c if " " <= c <= "~" else "?" for c in text).strip()
    return text if len(text) <= limit else text[:limit] + "..."


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--palette", required=True)
    parser.add_argument("--tolerance", type=float, default=1e-6)
    parser.add_argument("file")
    args = parser.parse_args()
    palette = parse_palette(args.palette)
    import_ezdxf()
    data = with_version_header(check_whole_file(args.file))
    logging.disable(logging.CRITICAL)  # ezdxf's own warnings would mix with the runner's notes
    try:
        # The recovering reader takes the looser files of older programs
        # (group codes out of order, missing tables) that the strict one refuses.
        from ezdxf import recover
        doc, _ = recover.read(io.BytesIO(data))
    except Exception as error:  # ezdxf's structure errors and anything a damaged file brings
        give_up("not a readable DXF file (%s)" % (printable(str(error)) or type(error).__name__))
    reader = Reader(doc, palette, args.tolerance)
    try:
        reader.read()
    except Unreadable as error:
        give_up(str(error))
    if not reader.shapes:
        give_up("nothing the runner can take: no line, arc, circle or 2-D polyline in model space")
    sys.stdout.write(reader.drawing_text())
    return 0


if __name__ == "__main__":
    sys.exit(main())
