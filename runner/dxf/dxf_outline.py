"""Lines and arcs as the runner's drawing holds them, and the outlines they make:
joining loose pieces end to end, closing the small gaps that a tolerance lets
through, and finding a closed outline that crosses itself."""
import math

TWO_PI = 2.0 * math.pi
# Pieces of a closed outline nearer than this, other than at their joints,
# count as meeting (the host refuses such an outline).
MEET = 1e-7


def _number(value):
    text = repr(float(value))
    return "0" if text == "-0.0" else text


class Element:
    """A line or arc the way its chain runs; `reversed` when the file stores it
    the other way round."""

    def __init__(self, kind, start, end, centre=None, clockwise=False):
        self.kind = kind
        self.start = tuple(start)
        self.end = tuple(end)
        self.centre = tuple(centre) if centre is not None else None
        self.clockwise = clockwise
        self.reversed = False
        self.source = None  # the DXF entity
        self.key = None     # what pieces must share to be joined

    @staticmethod
    def line(start, end):
        return Element("line", start, end)

    @staticmethod
    def arc(centre, start, end, clockwise):
        return Element("arc", start, end, centre, clockwise)

    @staticmethod
    def from_bulge(start, end, bulge):
        """A polyline's piece: straight, or an arc that turns by 4 atan(bulge)
        (counter-clockwise above 0)."""
        if bulge == 0.0:
            return Element.line(start, end)
        chord = math.dist(start, end)
        nx, ny = -(end[1] - start[1]) / chord, (end[0] - start[0]) / chord
        offset = chord * (1.0 - bulge * bulge) / (4.0 * bulge)
        centre = ((start[0] + end[0]) / 2.0 + nx * offset, (start[1] + end[1]) / 2.0 + ny * offset)
        return Element.arc(centre, start, end, clockwise=bulge < 0.0)

    def radius(self):
        return math.dist(self.centre, self.start)

    def sweep(self):
        """Signed turn from start to end (above 0 counter-clockwise)."""
        a0 = math.atan2(self.start[1] - self.centre[1], self.start[0] - self.centre[0])
        a1 = math.atan2(self.end[1] - self.centre[1], self.end[0] - self.centre[0])
        turn = (a0 - a1 if self.clockwise else a1 - a0) % TWO_PI
        turn = turn or TWO_PI
        return -turn if self.clockwise else turn

    def length(self):
        if self.kind == "line":
            return math.dist(self.start, self.end)
        return self.radius() * abs(self.sweep()) if math.dist(self.start, self.end) > 0.0 else 0.0

    def turned(self):
        other = Element(self.kind, self.end, self.start, self.centre, not self.clockwise)
        other.reversed = not self.reversed
        other.source, other.key = self.source, self.key
        return other

    def refit_centre(self):
        """After an end moved: the centre nearest the old one from which both
        ends are equally far."""
        mx, my = (self.start[0] + self.end[0]) / 2.0, (self.start[1] + self.end[1]) / 2.0
        dx, dy = self.end[0] - self.start[0], self.end[1] - self.start[1]
        length = math.hypot(dx, dy)
        if length == 0.0:
            return
        nx, ny = -dy / length, dx / length
        along = (self.centre[0] - mx) * nx + (self.centre[1] - my) * ny
        self.centre = (mx + nx * along, my + ny * along)

    def points(self):
        """The element as a polyline, fine enough to find crossings."""
        if self.kind == "line":
            return [self.start, self.end]
        sweep = self.sweep()
        count = max(2, int(math.ceil(abs(sweep) / (math.pi / 18.0))))
        radius = self.radius()
        a0 = math.atan2(self.start[1] - self.centre[1], self.start[0] - self.centre[0])
        middle = [(self.centre[0] + radius * math.cos(a0 + sweep * k / count),
                   self.centre[1] + radius * math.sin(a0 + sweep * k / count)) for k in range(1, count)]
        return [self.start] + middle + [self.end]

    def drw(self):
        tail = " reversed" if self.reversed else ""
        if self.kind == "line":
            return "line %s %s %s %s%s" % (tuple(_number(v) for v in self.start + self.end) + (tail,))
        values = tuple(_number(v) for v in self.centre + self.start + self.end)
        return "arc %s %s %s %s %s %s %s%s" % (values + ("cw" if self.clockwise else "ccw", tail))


class Chain:
    def __init__(self, elements, closed):
        self.elements = elements
        self.closed = closed
        self.entity = elements[0].source
        self.handles = [element.source.dxf.get("handle", "?") for element in elements]


def _take(items, used, point, tolerance, leaving, style):
    """The unused piece with an end nearest the point (within the tolerance),
    one of the chain's own style (colour, line type) first, turned so that it
    leaves the point (or, with leaving False, arrives there)."""
    best, best_rank = None, None
    for index, item in enumerate(items):
        if used[index]:
            continue
        for end_name in ("start", "end"):
            distance = math.dist(getattr(item, end_name), point)
            rank = (item.key != style, distance)
            if distance <= tolerance and (best_rank is None or rank < best_rank):
                best, best_rank = (index, end_name), rank
    if best is None:
        return None
    index, end_name = best
    used[index] = True
    item = items[index]
    keeps_direction = (end_name == "start") == leaving
    return item if keeps_direction else item.turned()


def join_loose(elements, tolerance):
    """Loose pieces of one layer (the first part of their key) joined into
    chains, in file order: each chain starts with the first piece not yet
    taken, in the file's direction, and takes its colour and line type."""
    groups = {}
    for element in elements:
        groups.setdefault(element.key[0], []).append(element)
    chains = []
    for items in groups.values():
        used = [False] * len(items)
        for first in range(len(items)):
            if used[first]:
                continue
            used[first] = True
            chain = [items[first]]

            def closes():
                return len(chain) >= 2 and math.dist(chain[-1].end, chain[0].start) <= tolerance

            while not closes():
                piece = _take(items, used, chain[-1].end, tolerance, True, chain[0].key)
                if piece is None:
                    break
                chain.append(piece)
            while not closes():
                piece = _take(items, used, chain[0].start, tolerance, False, chain[0].key)
                if piece is None:
                    break
                chain.insert(0, piece)
            chains.append(Chain(chain, closes()))
    return chains


def _line_crossing(before, after):
    """Where two lines, extended, cross; None when they run parallel."""
    (x1, y1), (x2, y2) = before.start, before.end
    (x3, y3), (x4, y4) = after.start, after.end
    dx1, dy1, dx2, dy2 = x2 - x1, y2 - y1, x4 - x3, y4 - y3
    denominator = dx1 * dy2 - dy1 * dx2
    if abs(denominator) <= 1e-12 * math.hypot(dx1, dy1) * math.hypot(dx2, dy2):
        return None
    t = ((x3 - x1) * dy2 - (y3 - y1) * dx2) / denominator
    return (x1 + t * dx1, y1 + t * dy1)


def close_gaps(elements, closed, tolerance):
    """Makes each element start exactly where the one before ends. Two lines
    meet where they cross (when that lies within the tolerance of both ends) or
    halfway; a line takes an arc's end; an arc after an arc takes the first
    one's end and a centre that suits its ends again."""
    count = len(elements)
    for index in range(count if closed else count - 1):
        before, after = elements[index], elements[(index + 1) % count]
        if before.end == after.start:
            continue
        if before.kind == "line" and after.kind == "line":
            corner = _line_crossing(before, after)
            if corner is None or max(math.dist(corner, before.end), math.dist(corner, after.start)) > tolerance:
                corner = ((before.end[0] + after.start[0]) / 2.0, (before.end[1] + after.start[1]) / 2.0)
            before.end = after.start = corner
        elif after.kind == "line" or before.kind == "arc":
            after.start = before.end
            if after.kind == "arc":
                after.refit_centre()
        else:
            before.end = after.start


def _segment_distance(p, q, r, s):
    def cross(o, a, b):
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0])

    d1, d2, d3, d4 = cross(r, s, p), cross(r, s, q), cross(p, q, r), cross(p, q, s)
    if ((d1 > 0) != (d2 > 0)) and ((d3 > 0) != (d4 > 0)) and d1 and d2 and d3 and d4:
        return 0.0

    def point_segment(a, b, c):
        dx, dy = c[0] - b[0], c[1] - b[1]
        span = dx * dx + dy * dy
        t = 0.0 if span == 0 else max(0.0, min(1.0, ((a[0] - b[0]) * dx + (a[1] - b[1]) * dy) / span))
        return math.hypot(a[0] - b[0] - t * dx, a[1] - b[1] - t * dy)

    return min(point_segment(p, r, s), point_segment(q, r, s), point_segment(r, p, q), point_segment(s, p, q))


def crosses_itself(elements):
    """Whether pieces of a closed outline meet anywhere but at their joints."""
    pieces = []
    for element in elements:
        points = element.points()
        pieces.extend(zip(points, points[1:]))
    if len(elements) == 2 and all(element.kind == "line" for element in elements):
        return True  # two lines there and back
    boxes = [(min(p[0], q[0]) - MEET, min(p[1], q[1]) - MEET, max(p[0], q[0]) + MEET, max(p[1], q[1]) + MEET)
             for p, q in pieces]
    count = len(pieces)
    for i in range(count):
        for j in range(i + 2, count):
            if i == 0 and j == count - 1:
                continue  # neighbours across the closing joint
            a, b = boxes[i], boxes[j]
            if a[0] > b[2] or b[0] > a[2] or a[1] > b[3] or b[1] > a[3]:
                continue
            if _segment_distance(pieces[i][0], pieces[i][1], pieces[j][0], pieces[j][1]) <= MEET:
                return True
    return False
