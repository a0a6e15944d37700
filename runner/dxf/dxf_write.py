"""Writes the runner's drawing as DXF from the scene the runner hands over.

    /usr/bin/python3 dxf_write.py SCENE.json OUT.dxf

The scene (written by runner/dxf_scene.cpp) holds the host's palette, its
layers (number, name, colour, visible, detect), the current layer and the
shapes: outlines (lines and arcs the way the chain runs, each with its colour
and line type and whether the host stores it turned round), circles, length
and radius dimensions and notes. Layers are named by their number, with the
host's name as the layer's description, so that reading the file back gives
the same numbers. An outline whose elements share colour and line type is one
LWPOLYLINE (arcs as bulges); any other (or one whose elements do not run end
to end) is written as LINEs and ARCs stored the way the host stores them. The drawing must pass ezdxf's audit with no error.
"""
import json
import math
import sys

from dxf_common import ACI_BY_LAYER, LINETYPES, aci_for, give_up, import_ezdxf, parse_palette, say

EXIT_FAILED = 1


def text_height(scene):
    """A text height that reads well beside the drawing: a sixtieth of its size."""
    xs, ys = [], []
    for shape in scene["shapes"]:
        for key in ("start", "end", "centre", "first", "second"):
            for element in shape.get("elements", [shape]):
                if key in element:
                    xs.append(element[key][0])
                    ys.append(element[key][1])
    if not xs:
        return 2.5
    size = max(max(xs) - min(xs), max(ys) - min(ys))
    return max(size / 60.0, 0.1)


def mtext(text):
    text = text.replace("\\", "\\\\").replace("{", "\\{").replace("}", "\\}")
    return text.replace("\r\n", "\n").replace("\n", "\\P")


class Writer:
    def __init__(self, ezdxf, scene):
        self.scene = scene
        self.palette = parse_palette(",".join(scene["palette"]))
        self.doc = ezdxf.new("R2010", setup=True)
        self.msp = self.doc.modelspace()
        self.aci = {}
        self.height = text_height(scene)

    def attributes(self, shape, colour=None, line_type=None):
        colour = shape.get("colour", 0) if colour is None else colour
        line_type = shape.get("lineType", 0) if line_type is None else line_type
        attributes = {
            "layer": str(shape["layer"]),
            "linetype": LINETYPES[line_type] if 0 <= line_type < len(LINETYPES) else LINETYPES[0],
        }
        if shape.get("byLayer"):
            attributes["color"] = ACI_BY_LAYER
            return attributes
        if colour not in self.aci:
            self.aci[colour] = aci_for(self.palette, colour)
        attributes["color"] = self.aci[colour]
        attributes["true_color"] = self.true_colour(colour)
        return attributes

    def true_colour(self, colour):
        r, g, b = self.palette[colour]
        return (r << 16) | (g << 8) | b

    def layers(self):
        for layer in self.scene["layers"]:
            name = str(layer["number"])
            record = self.doc.layers.get(name) if self.doc.layers.has_entry(name) else self.doc.layers.add(name)
            record.color = aci_for(self.palette, layer["colour"])
            record.rgb = self.palette[layer["colour"]]
            if layer["name"]:
                record.description = layer["name"]
            if not layer["visible"]:
                record.off()
            if not layer["detect"]:
                record.lock()
        self.doc.header["$CLAYER"] = str(self.scene["currentLayer"])

    def outline(self, shape):
        elements = shape["elements"]
        styles = {(element["colour"], element["lineType"]) for element in elements}
        joined = all(math.dist(a["end"], b["start"]) <= 1e-6 for a, b in zip(elements, elements[1:]))
        if len(styles) == 1 and joined:
            colour, line_type = styles.pop()
            points = []
            for element in elements:
                points.append((element["start"][0], element["start"][1], 0.0, 0.0, bulge(element)))
            if not shape["closed"]:
                last = elements[-1]["end"]
                points.append((last[0], last[1], 0.0, 0.0, 0.0))
            self.msp.add_lwpolyline(points, format="xyseb", close=shape["closed"],
                                    dxfattribs=self.attributes(shape, colour, line_type))
            return
        for element in elements:
            attributes = self.attributes(shape, element["colour"], element["lineType"])
            start, end = element["start"], element["end"]
            if element["reversed"]:
                start, end = end, start
            if element["kind"] == "line":
                self.msp.add_line(start, end, dxfattribs=attributes)
                continue
            clockwise = element["clockwise"] != element["reversed"]
            if clockwise:
                start, end = end, start
            centre = element["centre"]
            self.msp.add_arc(centre, math.dist(centre, start), angle(centre, start), angle(centre, end),
                             dxfattribs=attributes)

    def circle(self, shape):
        self.msp.add_circle(shape["centre"], shape["radius"], dxfattribs=self.attributes(shape))

    def dimension_attributes(self, shape):
        attributes = self.attributes(shape)
        del attributes["linetype"]
        return attributes

    def length(self, shape):
        if math.dist(shape["first"], shape["second"]) == 0.0:
            say("a length dimension of no length is left out")
            return
        dimension = self.msp.add_aligned_dim(p1=shape["first"], p2=shape["second"], distance=shape["offset"],
                                             text=shape["text"], dimstyle="EZDXF",
                                             override={"dimtxt": self.height, "dimasz": self.height},
                                             dxfattribs=self.dimension_attributes(shape))
        dimension.render()

    def radius(self, shape):
        centre, location = shape["centre"], shape["second"]
        placing = {"location": location} if math.dist(centre, location) > 0.0 else {"angle": 0.0}
        dimension = self.msp.add_radius_dim(center=centre, radius=shape["radius"], text=shape["text"],
                                            dimstyle="EZ_RADIUS",
                                            override={"dimtxt": self.height, "dimasz": self.height},
                                            dxfattribs=self.dimension_attributes(shape), **placing)
        dimension.render()

    def note(self, shape):
        attributes = self.dimension_attributes(shape)
        if math.dist(shape["first"], shape["second"]) > 0.0:
            self.msp.add_leader([shape["first"], shape["second"]], dimstyle="EZDXF",
                                override={"dimasz": self.height}, dxfattribs=attributes)
        text = self.msp.add_mtext(mtext(shape["text"]), dxfattribs=dict(attributes, char_height=self.height))
        text.set_location(shape["second"], attachment_point=4)  # middle left, after the leader's end

    def write(self, path):
        self.layers()
        for shape in self.scene["shapes"]:
            getattr(self, shape["type"])(shape)
        auditor = self.doc.audit()
        if auditor.has_errors:
            for error in auditor.errors:
                say("the DXF written fails ezdxf's audit: %s" % (error.message,))
            sys.exit(EXIT_FAILED)
        self.doc.saveas(path)


def angle(centre, point):
    return math.degrees(math.atan2(point[1] - centre[1], point[0] - centre[0]))


def bulge(element):
    """tan of a quarter of the arc's signed turn (0 for a line)."""
    if element["kind"] == "line":
        return 0.0
    centre, start, end = element["centre"], element["start"], element["end"]
    a0 = math.atan2(start[1] - centre[1], start[0] - centre[0])
    a1 = math.atan2(end[1] - centre[1], end[0] - centre[0])
    clockwise = element["clockwise"]
    turn = ((a0 - a1) if clockwise else (a1 - a0)) % (2.0 * math.pi)
    turn = turn or 2.0 * math.pi
    return math.tan((-turn if clockwise else turn) / 4.0)


def main():
    if len(sys.argv) != 3:
        give_up("usage: dxf_write.py SCENE.json OUT.dxf", EXIT_FAILED)
    ezdxf = import_ezdxf()
    with open(sys.argv[1], encoding="utf-8") as stream:
        scene = json.load(stream)
    try:
        Writer(ezdxf, scene).write(sys.argv[2])
    except OSError as error:
        give_up("cannot write %s (%s)" % (sys.argv[2], error.strerror or error), EXIT_FAILED)
    return 0


if __name__ == "__main__":
    sys.exit(main())
