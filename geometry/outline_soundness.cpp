#include "geometry/outline_soundness.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/figure_record.h"
#include "geometry/vec2.h"

namespace {

constexpr double kTol = kOutlineTouchTolerance;

// One piece of the loop, in the direction the loop runs.
struct Piece {
    bool arc = false;
    ZedPoint a{};  // start
    ZedPoint b{};  // end
    ZedPoint c{};  // an arc's centre, radius and direction
    double r = 0.0;
    bool ccw = false;
};

Piece FromRecord(const ZedFigure& f) {
    Piece p;
    p.a = FigureStart(f);
    p.b = FigureEnd(f);
    if (IsArcKind(f.kind)) {
        p.arc = true;
        p.c = ArcCentre(f);
        p.r = ArcRadius(f);
        p.ccw = ArcDirection(f) == ZED_ARC_CCW;
    }
    return p;
}

Piece Reversed(Piece p) {
    std::swap(p.a, p.b);
    p.ccw = !p.ccw;
    return p;
}

// At most two points: where two pieces cross, or the joints of two
// neighbours; kept off the heap, as the checks compare many pairs.
struct Points {
    ZedPoint at[2]{};
    int count = 0;
    void Add(ZedPoint p) { at[count++] = p; }
    const ZedPoint* begin() const { return at; }
    const ZedPoint* end() const { return at + count; }
};

// Compared squared: the checks run over every piece of large outlines.
bool Near(ZedPoint p, ZedPoint q) {
    const double dx = p.x - q.x;
    const double dy = p.y - q.y;
    return dx * dx + dy * dy <= kTol * kTol;
}
double Cross(ZedPoint u, ZedPoint v) { return u.x * v.y - u.y * v.x; }
double Dot(ZedPoint u, ZedPoint v) { return u.x * v.x + u.y * v.y; }

// How far round the arc, from its start and in its own direction, the
// direction from its centre to p lies: [0, 2π).
double TurnTo(const Piece& arc, ZedPoint p) {
    double turn = std::atan2(p.y - arc.c.y, p.x - arc.c.x) - std::atan2(arc.a.y - arc.c.y, arc.a.x - arc.c.x);
    if (!arc.ccw) {
        turn = -turn;
    }
    const double full = 2.0 * Pi();
    turn = std::fmod(turn, full);
    return turn < 0.0 ? turn + full : turn;
}

bool WithinTurn(const Piece& arc, ZedPoint p) { return TurnTo(arc, p) <= TurnTo(arc, arc.b); }

double SegmentDistance(ZedPoint p, ZedPoint a, ZedPoint b) {
    const ZedPoint d = b - a;
    const double length2 = Dot(d, d);
    const double t = length2 == 0.0 ? 0.0 : std::clamp(Dot(p - a, d) / length2, 0.0, 1.0);
    return Distance(p, a + t * d);
}

double DistanceToPiece(const Piece& q, ZedPoint p) {
    if (!q.arc) {
        return SegmentDistance(p, q.a, q.b);
    }
    if (WithinTurn(q, p)) {
        return std::fabs(Distance(q.c, p) - q.r);
    }
    return std::min(Distance(p, q.a), Distance(p, q.b));
}

double PieceLength(const Piece& p) { return p.arc ? p.r * TurnTo(p, p.b) : Distance(p.a, p.b); }

bool Finite(ZedPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }
bool Finite(const Piece& p) { return Finite(p.a) && Finite(p.b) && (!p.arc || (Finite(p.c) && std::isfinite(p.r))); }

// Where a line meets a circle (also where it passes within the tolerance).
Points LineCircle(const Piece& line, ZedPoint c, double r) {
    const ZedPoint u = UnitFrom(line.a, line.b);
    const ZedPoint foot = line.a + Dot(c - line.a, u) * u;
    const double h = Distance(c, foot);
    Points points;
    if (h > r + kTol) {
        return points;
    }
    const double half = std::sqrt(std::max(0.0, r * r - h * h));
    points.Add(foot + half * u);
    points.Add(foot - half * u);
    return points;
}

Points CircleCircle(const Piece& p, const Piece& q) {
    const double d = Distance(p.c, q.c);
    Points points;
    if (d <= kTol || d > p.r + q.r + kTol || d < std::fabs(p.r - q.r) - kTol) {
        return points;  // concentric circles meet only where an end lies on the other
    }
    const double along = (p.r * p.r - q.r * q.r + d * d) / (2.0 * d);
    const double half = std::sqrt(std::max(0.0, p.r * p.r - along * along));
    const ZedPoint u = UnitFrom(p.c, q.c);
    const ZedPoint base = p.c + along * u;
    const ZedPoint normal{-u.y, u.x};
    points.Add(base + half * normal);
    points.Add(base - half * normal);
    return points;
}

// Points where the two pieces cross, apart from their ends lying on each
// other (which the caller tests on its own).
Points Crossings(const Piece& p, const Piece& q) {
    Points candidates;
    if (!p.arc && !q.arc) {
        const ZedPoint d1 = p.b - p.a;
        const ZedPoint d2 = q.b - q.a;
        const double denominator = Cross(d1, d2);
        if (std::fabs(denominator) > 1e-12 * Length(d1) * Length(d2)) {
            const double t = Cross(q.a - p.a, d2) / denominator;
            candidates.Add(p.a + t * d1);
        }
    } else if (p.arc && q.arc) {
        candidates = CircleCircle(p, q);
    } else {
        const Piece& line = p.arc ? q : p;
        const Piece& arc = p.arc ? p : q;
        candidates = LineCircle(line, arc.c, arc.r);
    }
    Points crossings;
    for (ZedPoint x : candidates) {
        if (DistanceToPiece(p, x) <= kTol && DistanceToPiece(q, x) <= kTol) {
            crossings.Add(x);
        }
    }
    return crossings;
}

bool IsJoint(ZedPoint x, const Points& joints) {
    return std::any_of(joints.begin(), joints.end(), [x](ZedPoint j) { return Near(x, j); });
}

// Whether the pieces have a point in common other than the given joints.
bool Touch(const Piece& p, const Piece& q, const Points& joints) {
    for (ZedPoint end : {p.a, p.b}) {
        if (DistanceToPiece(q, end) <= kTol && !IsJoint(end, joints)) {
            return true;
        }
    }
    for (ZedPoint end : {q.a, q.b}) {
        if (DistanceToPiece(p, end) <= kTol && !IsJoint(end, joints)) {
            return true;
        }
    }
    for (ZedPoint x : Crossings(p, q)) {
        if (!IsJoint(x, joints)) {
            return true;
        }
    }
    return false;
}

// The rectangle a piece lies in, widened by the tolerance (an arc's whole
// circle, which is enough to pass over pieces that lie far apart).
struct Box {
    double left, bottom, right, top;
};

Box BoxOf(const Piece& p) {
    if (p.arc) {
        return Box{p.c.x - p.r - kTol, p.c.y - p.r - kTol, p.c.x + p.r + kTol, p.c.y + p.r + kTol};
    }
    return Box{std::min(p.a.x, p.b.x) - kTol, std::min(p.a.y, p.b.y) - kTol, std::max(p.a.x, p.b.x) + kTol,
               std::max(p.a.y, p.b.y) + kTol};
}

// The same for a record as the outline list holds it, read in place.
Box BoxOf(const ZedFigure& f) {
    if (IsArcKind(f.kind)) {
        const double r = ArcRadius(f);
        return Box{f.v[0] - r - kTol, f.v[1] - r - kTol, f.v[0] + r + kTol, f.v[1] + r + kTol};
    }
    return Box{std::min(f.v[0], f.v[2]) - kTol, std::min(f.v[1], f.v[3]) - kTol, std::max(f.v[0], f.v[2]) + kTol,
               std::max(f.v[1], f.v[3]) + kTol};
}

bool Overlap(const Box& u, const Box& v) {
    return u.left <= v.right && v.left <= u.right && u.bottom <= v.top && v.bottom <= u.top;
}

// The box of all the pieces (at least one).
Box BoxAround(const std::vector<Piece>& pieces) {
    Box around = BoxOf(pieces.front());
    for (const Piece& p : pieces) {
        const Box b = BoxOf(p);
        around = Box{std::min(around.left, b.left), std::min(around.bottom, b.bottom),
                     std::max(around.right, b.right), std::max(around.top, b.top)};
    }
    return around;
}

// Whether a line record's box (as BoxOf gives it) surely misses `b`, read
// straight from the record: the first look at every record of a long outline.
// Never true where Overlap(BoxOf(f), b) holds.
bool LineClearlyMisses(const ZedFigure& f, const Box& b) {
    if (IsArcKind(f.kind)) {
        return false;
    }
    return std::max(f.v[1], f.v[3]) + kTol < b.bottom || std::min(f.v[1], f.v[3]) - kTol > b.top ||
           std::max(f.v[0], f.v[2]) + kTol < b.left || std::min(f.v[0], f.v[2]) - kTol > b.right;
}

// The outline's record as a piece that runs the loop's way: turned round when
// its end does not meet the next record but its start does.
Piece OrientedPiece(const OutlineList& outline, size_t i) {
    Piece p = FromRecord(outline[i]);
    if (outline.size() < 2) {
        return p;
    }
    const Piece next = FromRecord(outline[(i + 1) % outline.size()]);
    const bool endMeets = Near(p.b, next.a) || Near(p.b, next.b);
    if (!endMeets && (Near(p.a, next.a) || Near(p.a, next.b))) {
        p = Reversed(p);
    }
    return p;
}

// Whether the point lies on the record at i, other than at the piece's end
// (start) when `notAtEnd` (`!notAtEnd`).
bool HoldsPoint(const OutlineList& outline, size_t i, ZedPoint point, bool notAtEnd) {
    const Piece p = OrientedPiece(outline, i);
    return DistanceToPiece(p, point) <= kTol && !Near(point, notAtEnd ? p.b : p.a);
}

double Along(const Piece& p, ZedPoint x) { return p.arc ? TurnTo(p, x) : Dot(x - p.a, p.b - p.a); }

Piece WithStart(Piece p, ZedPoint a) {
    p.a = a;
    return p;
}
Piece WithEnd(Piece p, ZedPoint b) {
    p.b = b;
    return p;
}

// What stays of the loop outside the stretch from `from` to `to`: a chain
// from `to` round to `from`, of which only the pieces whose boxes meet `near`
// are kept besides its first and last (the others cannot touch anything new).
// The first is the first record that holds `to` other than at its end, the
// last the first that holds `from` other than at its start. Empty when either
// point is not on the loop. One pass over the outline finds all three kinds,
// as the outline may be long.
std::vector<Piece> KeptPart(const OutlineList& outline, ZedPoint from, ZedPoint to, const Box& near) {
    const Box atTo{to.x, to.y, to.x, to.y};
    const Box atFrom{from.x, from.y, from.x, from.y};
    // What a record must meet to matter at all: the new pieces or either point.
    const Box any{std::min({near.left, to.x, from.x}), std::min({near.bottom, to.y, from.y}),
                  std::max({near.right, to.x, from.x}), std::max({near.top, to.y, from.y})};
    int j = -1;
    int k = -1;
    std::vector<int> nearby;
    for (size_t i = 0; i < outline.size(); ++i) {
        if (LineClearlyMisses(outline[i], any)) {
            continue;
        }
        const Box box = BoxOf(outline[i]);
        if (!Overlap(box, any)) {
            continue;
        }
        if (j < 0 && Overlap(box, atTo) && HoldsPoint(outline, i, to, true)) {
            j = static_cast<int>(i);
        }
        if (k < 0 && Overlap(box, atFrom) && HoldsPoint(outline, i, from, false)) {
            k = static_cast<int>(i);
        }
        if (Overlap(box, near)) {
            nearby.push_back(static_cast<int>(i));
        }
    }
    if (j < 0 || k < 0) {
        return {};
    }
    const Piece first = OrientedPiece(outline, static_cast<size_t>(j));
    if (j == k && Along(first, to) <= Along(first, from)) {
        return {WithEnd(WithStart(first, to), from)};
    }
    // The pieces between, going round from j to k: after j (up to k when k
    // lies further on), then from the start up to k when the way wraps.
    std::vector<Piece> kept{WithStart(first, to)};
    for (const int i : nearby) {
        if (i > j && (j >= k || i < k)) {
            kept.push_back(FromRecord(outline[static_cast<size_t>(i)]));
        }
    }
    if (j >= k) {
        for (const int i : nearby) {
            if (i < k) {
                kept.push_back(FromRecord(outline[static_cast<size_t>(i)]));
            }
        }
    }
    kept.push_back(WithEnd(OrientedPiece(outline, static_cast<size_t>(k)), from));
    return kept;
}

// An arc adds a whole turn in its own sense round a point between its chord
// and the arc, which the chord leaves out.
int ArcTurn(const Piece& q, ZedPoint p) {
    if (q.arc && Distance(q.c, p) < q.r) {
        const double side = Cross(q.b - q.a, p - q.a);
        if (q.ccw ? side < 0.0 : side > 0.0) {
            return q.ccw ? 1 : -1;
        }
    }
    return 0;
}

// The turns round p (WindingNumber) of the records at the given places only,
// or of all when there are none given: the records whose box reaches p are
// enough. Each chord counts where it crosses the ray from p towards +x:
// upwards with p on its left +1, downwards with p on its right -1; the arcs
// add their turns by ArcTurn. One comparison or two per piece, where adding
// up the angles the chords subtend took an arc tangent each: every change of
// a long outline asks this for several points.
int WindingAmong(const OutlineList& outline, const std::vector<size_t>* among, ZedPoint p) {
    const size_t count = among != nullptr ? among->size() : outline.size();
    int turns = 0;
    for (size_t k = 0; k < count; ++k) {
        const size_t i = among != nullptr ? (*among)[k] : k;
        // A piece wholly above, below or to the left of p neither crosses
        // the ray nor holds p in its arc's segment.
        const Box box = BoxOf(outline[i]);
        if (box.top < p.y || box.bottom > p.y || box.right < p.x) {
            continue;
        }
        const Piece q = OrientedPiece(outline, i);
        const ZedPoint d = q.b - q.a;
        const double left = Cross(d, p - q.a);
        if (left == 0.0 && q.arc) {
            // On the line of an arc's chord, which is no edge of the outline,
            // the count does not change across it: it is the count of a point
            // just beside it (unless the coordinates are too large to move by
            // so little).
            const double step = 1e-7 / std::sqrt(Dot(d, d));
            const ZedPoint beside{p.x + step * d.y, p.y - step * d.x};
            if (beside.x != p.x || beside.y != p.y) {
                return WindingAmong(outline, among, beside);
            }
        }
        const bool upward = q.a.y <= p.y && q.b.y > p.y;
        const bool downward = q.a.y > p.y && q.b.y <= p.y;
        turns += upward && left > 0.0 ? 1 : downward && left < 0.0 ? -1 : 0;
        turns += ArcTurn(q, p);
    }
    return turns;
}

}  // namespace

int WindingNumber(const OutlineList& outline, ZedPoint p) { return WindingAmong(outline, nullptr, p); }

namespace {

bool OnOutline(const OutlineList& outline, ZedPoint p) {
    const Box at{p.x, p.y, p.x, p.y};
    return std::any_of(outline.begin(), outline.end(), [&](const ZedFigure& record) {
        return Overlap(BoxOf(record), at) && DistanceToPiece(FromRecord(record), p) <= kTol;
    });
}

// Where the outline meets the line piece, as fractions of the way along it.
// A stretch of the piece along an outline piece ends where the outline turns
// away, which the next piece's crossing gives.
std::vector<double> MeetingsAlong(const OutlineList& outline, const Piece& p) {
    const ZedPoint d = p.b - p.a;
    const double length2 = Dot(d, d);
    std::vector<double> along{0.0, 1.0};
    const auto add = [&](ZedPoint x) { along.push_back(std::clamp(Dot(x - p.a, d) / length2, 0.0, 1.0)); };
    const Box box = BoxOf(p);
    for (const ZedFigure& record : outline) {
        if (!Overlap(BoxOf(record), box)) {
            continue;
        }
        for (ZedPoint x : Crossings(p, FromRecord(record))) {
            add(x);
        }
    }
    std::sort(along.begin(), along.end());
    return along;
}

}  // namespace

OutlineSoundness CheckChainBeside(const OutlineList& outline, const std::vector<ZedFigure>& chain) {
    std::vector<Piece> pieces;
    for (const ZedFigure& f : chain) {
        pieces.push_back(FromRecord(f));
        if (!Finite(pieces.back())) {
            return OutlineSoundness::NotFinite;
        }
        if (PieceLength(pieces.back()) <= kTol) {
            return OutlineSoundness::ZeroLength;
        }
    }
    if (pieces.empty()) {
        return OutlineSoundness::Sound;
    }
    // Cut at every point where it meets the outline, the chain is stretches
    // that each lie wholly inside, outside or on the outline: one stretch
    // inside and one outside mean that it crosses the outline somewhere.
    // Only the records whose box overlaps the chain's can meet it, and only
    // those that reach its height, not wholly left of it, can count in the
    // turns round a point of it: on a long outline, a few of each.
    const Box reach = BoxAround(pieces);
    OutlineList near;
    std::vector<size_t> level;
    for (size_t i = 0; i < outline.size(); ++i) {
        const Box b = BoxOf(outline[i]);
        if (Overlap(b, reach)) {
            near.push_back(outline[i]);
        }
        if (b.top >= reach.bottom && b.bottom <= reach.top && b.right >= reach.left) {
            level.push_back(i);
        }
    }
    bool inside = false;
    bool outside = false;
    for (const Piece& p : pieces) {
        const std::vector<double> along = MeetingsAlong(near, p);
        for (size_t i = 0; i + 1 < along.size(); ++i) {
            // A stretch of no length has its middle on the outline.
            const ZedPoint middle = p.a + (0.5 * (along[i] + along[i + 1])) * (p.b - p.a);
            if (!OnOutline(near, middle)) {
                (WindingAmong(outline, &level, middle) != 0 ? inside : outside) = true;
            }
        }
    }
    return inside && outside ? OutlineSoundness::Crossing : OutlineSoundness::Sound;
}

OutlineSoundness CheckOutlineReplacement(const OutlineList& outline, ZedPoint from, ZedPoint to,
                                         const std::vector<ZedFigure>& pieces) {
    std::vector<Piece> added;
    for (const ZedFigure& f : pieces) {
        added.push_back(FromRecord(f));
        if (!Finite(added.back())) {
            return OutlineSoundness::NotFinite;
        }
        if (PieceLength(added.back()) <= kTol) {
            return OutlineSoundness::ZeroLength;
        }
    }
    if (!Finite(from) || !Finite(to)) {
        return OutlineSoundness::NotFinite;
    }
    if (added.empty()) {
        return OutlineSoundness::Sound;
    }

    // The new pieces' box: kept pieces outside it cannot touch them.
    const Box near = BoxAround(added);
    std::vector<Piece> loop = KeptPart(outline, from, to, near);
    const bool closed = !loop.empty();
    const size_t first = loop.size();
    loop.insert(loop.end(), added.begin(), added.end());
    const size_t m = loop.size();
    // Only pieces whose boxes overlap can touch: on a large outline the new
    // pieces are compared in full with the few pieces near them.
    std::vector<Box> boxes;
    boxes.reserve(m);
    for (const Piece& p : loop) {
        boxes.push_back(BoxOf(p));
    }
    for (size_t t = first; t < m; ++t) {
        const size_t previous = (t + m - 1) % m;
        const size_t next = (t + 1) % m;
        for (size_t q = 0; q < m; ++q) {
            if (q == t || !Overlap(boxes[t], boxes[q])) {
                continue;
            }
            // Neighbours in the loop meet at their common end and nowhere else;
            // without the rest of the loop the new chain's ends meet nothing.
            Points joints;
            if (q == previous && (closed || t > first)) {
                joints.Add(loop[t].a);
            }
            if (q == next && (closed || t + 1 < m)) {
                joints.Add(loop[t].b);
            }
            if (Touch(loop[t], loop[q], joints)) {
                return OutlineSoundness::Crossing;
            }
        }
    }
    return OutlineSoundness::Sound;
}

bool IsUsableSize(double size) { return std::isfinite(size) && size > kTol; }
