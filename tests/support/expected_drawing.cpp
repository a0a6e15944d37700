#include "tests/support/expected_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <sstream>

#include "base/build_profile.h"
#include "base/temporary_elements.h"
#include "emuhost/emu_api.h"

namespace {

constexpr double kTolerance = 1e-9;
constexpr double kApart = 1e6;  // the pairing cost of a difference that is no rounding

std::string Text(ZedPoint p) {
    std::ostringstream out;
    out.precision(12);
    out << "(" << p.x << ", " << p.y << ")";
    return out.str();
}

std::string Text(double v) {
    std::ostringstream out;
    out.precision(12);
    out << v;
    return out.str();
}

double Distance(ZedPoint p, ZedPoint q) { return std::hypot(p.x - q.x, p.y - q.y); }

bool Same(ZedPoint p, ZedPoint q) { return std::fabs(p.x - q.x) <= kTolerance && std::fabs(p.y - q.y) <= kTolerance; }

void CheckPoint(const std::string& where, const char* field, ZedPoint want, ZedPoint got) {
    if (!Same(want, got)) {
        ADD_FAILURE() << where << ": " << field << ": expected " << Text(want) << ", got " << Text(got);
    }
}

void CheckNumber(const std::string& where, const char* field, double want, double got) {
    if (!(std::fabs(want - got) <= kTolerance)) {
        ADD_FAILURE() << where << ": " << field << ": expected " << Text(want) << ", got " << Text(got);
    }
}

template <class T>
void CheckEqual(const std::string& where, const char* field, const T& want, const T& got) {
    if (!(want == got)) {
        ADD_FAILURE() << where << ": " << field << ": expected " << want << ", got " << got;
    }
}

// An element of the host's drawing written the way its chain runs.
struct Actual {
    ZedId id = -1;
    XElement element;
};

Actual ReadElement(ZedId id) {
    const ZedFigure f = emu::FigureOf(id);
    const ZedLineType2 attributes = emu::AttributesOf(id);
    XElement e;
    e.kind = f.kind;
    e.colour = attributes.colour;
    e.lineType = attributes.lineType;
    if (f.kind == ZED_FIG_CIRCLE) {
        e.c = {f.v[0], f.v[1]};
        e.r = f.v[6];
    } else if (f.kind == ZED_FIG_ARC || f.kind == ZED_FIG_FILLET) {
        e.c = {f.v[0], f.v[1]};
        e.a = {f.v[2], f.v[3]};
        e.b = {f.v[4], f.v[5]};
        e.r = f.v[6];
        e.flag = emu::ArcFlag(f);
    } else {
        e.a = {f.v[0], f.v[1]};
        e.b = {f.v[2], f.v[3]};
    }
    if (emu::StoredReversed(id)) {
        std::swap(e.a, e.b);
        e.flag = e.flag == ZED_ARC_CW ? ZED_ARC_CCW : ZED_ARC_CW;
    }
    return Actual{id, e};
}

std::vector<Actual> ReadChain(ZedId segment) {
    std::vector<Actual> chain;
    for (ZedId id : emu::Chain(segment)) {
        chain.push_back(ReadElement(id));
    }
    return chain;
}

double ElementCost(const XElement& want, const XElement& got) {
    double cost = Distance(want.a, got.a) + Distance(want.b, got.b) + Distance(want.c, got.c) +
                  std::fabs(want.r - got.r);
    cost += (want.kind != got.kind ? kApart : 0) + (want.flag != got.flag ? kApart : 0);
    cost += (want.colour != got.colour ? 1e3 : 0) + (want.lineType != got.lineType ? 1e3 : 0);
    return cost;
}

// Where the host's chain starts against the expected one (0 for an open
// chain), and what the pairing costs.
std::pair<size_t, double> Align(const XSegment& want, const std::vector<Actual>& chain) {
    if (chain.size() != want.elements.size() || chain.empty()) {
        return {0, std::numeric_limits<double>::infinity()};
    }
    std::pair<size_t, double> best{0, std::numeric_limits<double>::infinity()};
    const size_t shifts = want.closed ? chain.size() : 1;
    for (size_t shift = 0; shift < shifts; ++shift) {
        double cost = 0;
        for (size_t i = 0; i < chain.size(); ++i) {
            cost += ElementCost(want.elements[i], chain[(i + shift) % chain.size()].element);
        }
        if (cost < best.second) {
            best = {shift, cost};
        }
    }
    return best;
}

void CheckElement(const std::string& where, const XElement& want, const XElement& got) {
    CheckEqual(where, "kind", want.kind, got.kind);
    if (want.kind != ZED_FIG_CIRCLE) {
        CheckPoint(where, "start", want.a, got.a);
        CheckPoint(where, "end", want.b, got.b);
    }
    if (want.kind != ZED_FIG_LINE) {
        CheckPoint(where, "centre", want.c, got.c);
        CheckNumber(where, "radius", want.r, got.r);
    }
    if (want.kind == ZED_FIG_ARC) {
        CheckEqual(where, "arc direction flag", want.flag, got.flag);
    }
    CheckEqual(where, "colour", want.colour, got.colour);
    CheckEqual(where, "line type", want.lineType, got.lineType);
}

class Comparison {
public:
    explicit Comparison(const XDrawing& want) : want_(want) {}

    void Run() {
        PairFigureSegments();
        CheckLengths();
        CheckRadii();
        CheckNotes();
        CheckHoles();
        CheckTag();
    }

private:
    std::string RoleOf(ZedId element) const {
        if (element == -1) {
            return kNoElement;
        }
        if (element == 0) {
            return kElementZero;
        }
        const auto found = roles_.find(element);
        return found != roles_.end() ? found->second : "unnamed element " + std::to_string(element);
    }

    void CompareSegment(const XSegment& want, ZedId segment) {
        const std::string where = "segment '" + want.role + "' (id " + std::to_string(segment) + ")";
        segments_[want.role] = segment;
        CheckEqual(where, "layer", want.layer, emu::SegmentLayer(segment));
        CheckEqual(where, "closed", want.closed, emu::SegmentClosed(segment));
        const std::vector<Actual> chain = ReadChain(segment);
        if (chain.size() != want.elements.size()) {
            ADD_FAILURE() << where << ": element count: expected " << want.elements.size() << ", got "
                          << chain.size() << "\n" << emu::Dump();
            return;
        }
        const size_t shift = Align(want, chain).first;
        for (size_t i = 0; i < chain.size(); ++i) {
            const XElement& w = want.elements[i];
            const Actual& got = chain[(i + shift) % chain.size()];
            CheckElement(where + " element " + std::to_string(i) + (w.role.empty() ? "" : " (" + w.role + ")"), w,
                         got.element);
            if (!w.role.empty()) {
                roles_[got.id] = w.role;
            }
        }
    }

    // Pairs every expected figure segment with one of the host's, the nearest
    // first, then compares each pair field by field.
    void PairFigureSegments() {
        std::set<ZedId> holeSegments;
        for (ZedId hole : emu::HoleIds()) {
            for (ZedId segment : emu::HoleSegments(hole)) {
                holeSegments.insert(segment);
            }
        }
        std::set<std::string> holeRoles;
        for (const XHole& hole : want_.holes) {
            holeRoles.insert(hole.segment);
        }
        std::vector<const XSegment*> open;
        for (const XSegment& segment : want_.segments) {
            if (!holeRoles.count(segment.role)) {
                open.push_back(&segment);
            }
        }
        std::vector<ZedId> actual;
        for (ZedId segment : emu::SegmentIds()) {
            if (emu::SegmentType(segment) == ZED_SGM_FIGURE && !holeSegments.count(segment)) {
                actual.push_back(segment);
            }
        }
        while (!open.empty() && !actual.empty()) {
            double best = std::numeric_limits<double>::infinity();
            size_t bestWant = 0, bestGot = 0;
            for (size_t w = 0; w < open.size(); ++w) {
                for (size_t g = 0; g < actual.size(); ++g) {
                    const XSegment& x = *open[w];
                    double cost = Align(x, ReadChain(actual[g])).second;
                    cost += (x.layer != emu::SegmentLayer(actual[g]) ? kApart : 0) +
                            (x.closed != emu::SegmentClosed(actual[g]) ? kApart : 0);
                    if (cost < best || (best == std::numeric_limits<double>::infinity() && w == 0 && g == 0)) {
                        best = cost;
                        bestWant = w;
                        bestGot = g;
                    }
                }
            }
            CompareSegment(*open[bestWant], actual[bestGot]);
            open.erase(open.begin() + static_cast<std::ptrdiff_t>(bestWant));
            actual.erase(actual.begin() + static_cast<std::ptrdiff_t>(bestGot));
        }
        for (const XSegment* missing : open) {
            ADD_FAILURE() << "segment '" << missing->role << "' is missing\n" << emu::Dump();
        }
        for (ZedId extra : actual) {
            ADD_FAILURE() << "figure segment " << extra << " is not expected\n" << emu::Dump();
        }
    }

    // The ids of the elements of the host's segments of one type.
    static std::set<ZedId> ElementsOfType(int type) {
        std::set<ZedId> ids;
        for (ZedId segment : emu::SegmentIds()) {
            if (emu::SegmentType(segment) == type) {
                for (ZedId id : emu::Chain(segment)) {
                    ids.insert(id);
                }
            }
        }
        return ids;
    }

    template <class Row>
    static void CheckSlotsHoldAll(const std::vector<Row>& rows, const std::set<ZedId>& drawn,
                                  const std::set<ZedId>& others, const char* what) {
        std::set<ZedId> named;
        for (const Row& row : rows) {
            named.insert(TemporaryElements()[row.slot].id);
        }
        for (ZedId id : drawn) {
            if (!named.count(id) && !others.count(id)) {
                ADD_FAILURE() << what << " " << id << " is not expected\n" << emu::Dump();
            }
        }
    }

    void CheckLengths() {
        std::set<ZedId> radii;
        for (const XRadius& r : want_.radii) {
            radii.insert(TemporaryElements()[r.slot].id);
        }
        CheckSlotsHoldAll(want_.lengths, ElementsOfType(ZED_SGM_DIMENSION), radii, "dimension");
        for (const XLength& w : want_.lengths) {
            const ZedId id = TemporaryElements()[w.slot].id;
            const std::string where = "length dimension in slot " + std::to_string(w.slot);
            ZedDimRecord record{};
            if (!emu::DimensionOf(id, &record) || record.kind != ZED_DIM_LINE_LENGTH) {
                ADD_FAILURE() << where << ": no length dimension (element " << id << ")";
                continue;
            }
            CheckPoint(where, "first point", w.first, record.length.first);
            CheckPoint(where, "second point", w.second, record.length.second);
            CheckEqual(where, "first point's element", w.firstRef, RoleOf(record.length.firstElement));
            CheckEqual(where, "second point's element", w.secondRef, RoleOf(record.length.secondElement));
            CheckEqual(where, "first point's instance", 0, record.length.firstInstance);
            CheckEqual(where, "second point's instance", 0, record.length.secondInstance);
            CheckNumber(where, "offset", w.offset, record.length.offset);
        }
    }

    void CheckRadii() {
        for (const XRadius& w : want_.radii) {
            const ZedId id = TemporaryElements()[w.slot].id;
            const std::string where = "radius dimension in slot " + std::to_string(w.slot);
            ZedDimRecord record{};
            if (!emu::DimensionOf(id, &record) || record.kind != ZED_DIM_RADIUS) {
                ADD_FAILURE() << where << ": no radius dimension (element " << id << ")";
                continue;
            }
            CheckEqual(where, "arc", w.arc, RoleOf(record.radius.arcElement));
            CheckEqual(where, "arc's instance", 0, record.radius.arcInstance);
            CheckPoint(where, "text point", w.text, record.radius.textPoint);
        }
    }

    void CheckNotes() {
        CheckSlotsHoldAll(want_.notes, ElementsOfType(ZED_SGM_NOTE), {}, "note");
        for (const XNote& w : want_.notes) {
            const ZedId id = TemporaryElements()[w.slot].id;
            const std::string where = "note in slot " + std::to_string(w.slot);
            ZedLeader leader{};
            if (!emu::NoteOf(id, &leader)) {
                ADD_FAILURE() << where << ": no note (element " << id << ")";
                continue;
            }
            CheckPoint(where, "anchor", w.anchor, leader.first);
            CheckPoint(where, "text point", w.text, leader.second);
            CheckPoint(where, "third point", w.text, leader.third);
            CheckEqual(where, "text", w.words, emu::NoteText(id));
        }
    }

    void CheckHoles() {
        const std::vector<ZedId> holes = emu::HoleIds();
        if (holes.size() != want_.holes.size()) {
            ADD_FAILURE() << "hole count: expected " << want_.holes.size() << ", got " << holes.size() << "\n"
                          << emu::Dump();
            return;
        }
        for (size_t i = 0; i < holes.size(); ++i) {
            const XHole& w = want_.holes[i];
            const std::string where = "hole " + std::to_string(holes[i]);
            ZedHoleShape shape{};
            ASSERT_TRUE(emu::HoleShapeOf(holes[i], &shape));
            CheckEqual(where, "layer", w.layer, shape.layer);
            if (w.diameter > 0) {
                CheckNumber(where, "diameter", w.diameter, shape.diameter);
            }
            CheckNumber(where, "depth", w.depth, shape.depth);
            CheckEqual(where, "from-below flag", w.fromBelow, shape.fromBelow);
            CheckEqual(where, "side code", w.sideCode, shape.sideCode);
            CheckEqual(where, "flag byte", 0, static_cast<int>(shape.flag));
            const std::vector<ZedId> segments = emu::HoleSegments(holes[i]);
            const auto segment = std::find_if(want_.segments.begin(), want_.segments.end(),
                                              [&](const XSegment& s) { return s.role == w.segment; });
            if (segments.size() != 1 || segment == want_.segments.end()) {
                ADD_FAILURE() << where << ": segments: expected '" << w.segment << "' alone, got " << segments.size();
                continue;
            }
            CompareSegment(*segment, segments[0]);
        }
    }

    std::string SegmentRoleOf(ZedId segment) const {
        for (const auto& [role, id] : segments_) {
            if (id == segment) {
                return role;
            }
        }
        return "unnamed segment " + std::to_string(segment);
    }

    void CheckTag() {
        ZedId taggedSegment = -1;
        if (want_.tag) {
            const auto tagged = segments_.find(want_.tag->segment);
            ASSERT_NE(tagged, segments_.end()) << "no segment '" << want_.tag->segment << "' to hold the tag";
            taggedSegment = tagged->second;
        }
        for (ZedId segment : emu::SegmentIds()) {
            for (int32_t number = 40270; number <= 40276; ++number) {
                if ((segment != taggedSegment || !build_profile::kTagging) && emu::HasAttribute(segment, number)) {
                    ADD_FAILURE() << "segment " << segment << " carries attribute " << number;
                }
            }
        }
        if (!build_profile::kTagging || !want_.tag) {
            return;
        }
        const XTag& w = *want_.tag;
        const ZedId s = taggedSegment;
        const std::string where = "tag on '" + w.segment + "'";
        CheckEqual(where, "40270", std::string("SymbolShoulder"), emu::AttributeText(s, 40270));
        std::string list;
        for (const std::string& role : w.elements) {
            ZedId id = -1;
            for (const auto& [element, named] : roles_) {
                id = named == role ? element : id;
            }
            list += (list.empty() ? "" : ",") + std::to_string(id);
        }
        CheckEqual(where, "40271", list, emu::AttributeText(s, 40271));
        const std::pair<int32_t, const std::string*> parts[] = {
            {40272, &w.hole}, {40273, &w.cutLine}, {40274, nullptr}, {40275, &w.slot}, {40276, &w.display}};
        for (const auto& [number, role] : parts) {
            const std::string field = std::to_string(number);
            const bool wanted = role != nullptr && !role->empty();
            CheckEqual(where, (field + " present").c_str(), wanted, emu::HasAttribute(s, number));
            if (wanted && emu::HasAttribute(s, number)) {
                CheckEqual(where, field.c_str(), *role,
                           SegmentRoleOf(static_cast<ZedId>(std::stol(emu::AttributeText(s, number)))));
            }
        }
    }

    const XDrawing& want_;
    std::map<ZedId, std::string> roles_;
    std::map<std::string, ZedId> segments_;
};

}  // namespace

std::vector<XElement> ChainAsLaidOut(ZedId segment) {
    std::vector<XElement> elements;
    for (const Actual& actual : ReadChain(segment)) {
        elements.push_back(actual.element);
    }
    return elements;
}

void ExpectDrawing(const XDrawing& want) { Comparison(want).Run(); }
