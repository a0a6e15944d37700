#include "tests/drawings/shoulder_formulas.h"

#include <cmath>
#include <cstdio>

namespace {

ZedPoint operator+(ZedPoint a, ZedPoint b) { return {a.x + b.x, a.y + b.y}; }
ZedPoint operator-(ZedPoint a, ZedPoint b) { return {a.x - b.x, a.y - b.y}; }
ZedPoint operator-(ZedPoint a) { return {-a.x, -a.y}; }
ZedPoint operator*(double k, ZedPoint a) { return {k * a.x, k * a.y}; }

double Dist(ZedPoint a, ZedPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }
ZedPoint Mid(ZedPoint a, ZedPoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }
ZedPoint Unit(ZedPoint from, ZedPoint to) { return (1.0 / Dist(from, to)) * (to - from); }
ZedPoint Polar(double angle) { return {std::cos(angle), std::sin(angle)}; }

// Rounded to the nearest whole number, halves away from zero.
double Nearest(double x) { return x >= 0 ? std::trunc(x + 0.5) : std::trunc(x - 0.5); }

const double kPi = 4 * std::atan(1.0);

XElement Line(const char* role, ZedPoint a, ZedPoint b, int colour, int lineType) {
    XElement e;
    e.role = role;
    e.kind = ZED_FIG_LINE;
    e.a = a;
    e.b = b;
    e.colour = colour;
    e.lineType = lineType;
    return e;
}

XElement Arc(const char* role, ZedPoint centre, ZedPoint a, ZedPoint b, double r, int flag, int colour, int lineType) {
    XElement e = Line(role, a, b, colour, lineType);
    e.kind = ZED_FIG_ARC;
    e.c = centre;
    e.r = r;
    e.flag = flag;
    return e;
}

// The outline of a shaped hole from b to a, r either side: the side left of
// b→a, the end about a, the side right of it, the end about b, clockwise.
std::vector<XElement> ShapedHoleOutline(ZedPoint b, ZedPoint a, double r) {
    const double t = std::atan2(a.y - b.y, a.x - b.x);
    const ZedPoint left = r * Polar(t + kPi / 2), right = r * Polar(t - kPi / 2);
    return {Line("", b + left, a + left, 0, 0), Arc("", a, a + left, a + right, r, ZED_ARC_CW, 0, 0),
            Line("", a + right, b + right, 0, 0), Arc("", b, b + right, b + left, r, ZED_ARC_CW, 0, 0)};
}

}  // namespace

ExpectedShoulder::ExpectedShoulder(Pattern pattern, const PlateLine& line, const Sizes& sizes)
    : pattern_(pattern), line_(line), sizes_(sizes) {
    const XElement& picked = line_.chain[line_.picked];
    s_ = picked.a;
    e_ = picked.b;
    u_ = Unit(s_, e_);
    const ZedPoint left{-u_.y, u_.x};
    n_ = line_.leftOut ? left : -left;
    flipped_ = !line_.leftOut;
    nearStart_ = Dist(e_, line_.pick) > Dist(s_, line_.pick);
    Build();
}

void ExpectedShoulder::Build() {
    switch (pattern_) {
        case Pattern::PlaneA:
        case Pattern::PlaneB: BuildPlan(); break;
        case Pattern::PlaneC:
        case Pattern::PlaneD: BuildRaised(); break;
        case Pattern::SideA:
        case Pattern::SideB: BuildStep(); break;
        case Pattern::SideC: BuildRecess(); break;
        case Pattern::SideD: break;
    }
}

void ExpectedShoulder::BuildPlan() {
    const double length = Dist(s_, e_), w = sizes_.width;
    if (pattern_ == Pattern::PlaneA) {
        const bool isShort = sizes_.widthValueOn ? (length <= sizes_.widthValue || length <= w) : length <= w;
        const double d = sizes_.distance;
        if (!isShort) {
            p1_ = Mid(s_, e_) - (w / 2) * u_;
            p2_ = Mid(s_, e_) + (w / 2) * u_;
        } else if (d <= 0) {
            p1_ = s_;
            p2_ = e_;
            fullLine_ = true;
        } else if (3 * d >= length) {
            return Refuse(sizes_.widthValueOn ? "이격폭이 너무 큽니다.(21)" : "이격폭이 너무 큽니다.(22)");
        } else {
            p1_ = s_ + d * u_;
            p2_ = e_ - d * u_;
        }
    } else {
        if (w >= length + 1) {
            return Refuse("턱걸이 폭이 너무 큽니다.");
        }
        // The pick's distance from the nearer end, whole, and at least W/2 + 1.
        const double k = Nearest(nearStart_ ? Dist(s_, line_.pick) : Dist(e_, line_.pick));
        const double along = k > w / 2 + 1 ? k : w / 2 + 1;
        const ZedPoint c = nearStart_ ? s_ + along * u_ : e_ - along * u_;
        p1_ = c - (w / 2) * u_;
        p2_ = c + (w / 2) * u_;
    }
    q1_ = p1_ + sizes_.protrude * n_;
    q2_ = p2_ + sizes_.protrude * n_;
    SetHole();
}

void ExpectedShoulder::BuildRaised() {
    p1_ = s_;
    p2_ = e_;
    q1_ = s_ + sizes_.protrude * n_;
    q2_ = e_ + sizes_.protrude * n_;
    if (pattern_ == Pattern::PlaneC) {
        SetHole();
    } else if (sizes_.slot) {
        slotR_ = sizes_.slotR;
        SlotPoints();
    }
}

void ExpectedShoulder::BuildStep() {
    const double h = sizes_.height;
    if (h >= Dist(s_, e_)) {
        return Refuse("턱걸이 높이가 너무 큽니다.");
    }
    const ZedPoint q = nearStart_ ? s_ + h * u_ : e_ - h * u_;
    p1_ = nearStart_ ? s_ : q;
    p2_ = nearStart_ ? q : e_;
    q1_ = p1_ + sizes_.protrude * n_;
    q2_ = p2_ + sizes_.protrude * n_;
    rootStart_ = p1_;
    rootEnd_ = p2_;
    displayNormal_ = n_;
    displayWidth_ = sizes_.displayWidth;
    const ZedPoint k = nearStart_ ? p2_ : p1_;
    d1_ = k - sizes_.displayProtrude * displayNormal_;
    d2_ = d1_ + displayWidth_ * (nearStart_ ? u_ : -u_);
}

void ExpectedShoulder::BuildRecess() {
    const double w = sizes_.width;
    if (w >= Dist(s_, e_) + 1) {
        return Refuse("턱걸이 폭이 너무 큽니다.");
    }
    const ZedPoint nearEnd = nearStart_ ? s_ : e_;
    const double k = Nearest(Dist(nearEnd, line_.pick) + 0.5);
    const double m = k > w / 2 + 1 ? k : w / 2 + 1;
    const ZedPoint centre = nearEnd + m * (nearStart_ ? u_ : -u_);
    // The recess goes into the plate: against the side that lies outside.
    n_ = -n_;
    p1_ = centre - (w / 2) * u_;
    p2_ = centre + (w / 2) * u_;
    q1_ = p1_ + sizes_.protrude * n_;
    q2_ = p2_ + sizes_.protrude * n_;
}

// The hole about the middle of the base, through the far corners with the
// clearance, rounded up past half; the notes stay where the build put them.
void ExpectedShoulder::SetHole() {
    const double h = sizes_.clearance;
    holeCentre_ = Mid(p1_, p2_);
    holeDiameter_ = 2 * Nearest(Dist(holeCentre_, q1_) + h + 0.5);
    shapedHalfWidth_ = Dist(p1_, q1_) + h;
    if (noteRadius0_ == 0.0) {
        noteCentre_ = holeCentre_;
        noteRadius0_ = Nearest(Dist(holeCentre_, q1_) + h + 0.5);
        noteRadius1_ = Nearest(Dist(holeCentre_, q1_) + h + 5.5);
    }
}

void ExpectedShoulder::SlotPoints() {
    a1_ = s_ + slotR_ * Unit(s_, q1_);
    a2_ = s_ + slotR_ * Unit(q1_, s_);
    b2_ = e_ + slotR_ * Unit(e_, q2_);
    b1_ = e_ + slotR_ * Unit(q2_, e_);
}

void ExpectedShoulder::Change(int editMode, double v) {
    refusal_.clear();
    // A depth (and plan A's width) changes the MC hole's diameter in place;
    // plan B's width and distance move it, and a shaped hole is made again.
    holeKept_ = !sizes_.shapedHole && (editMode == 1 || pattern_ == Pattern::PlaneA);
    const ZedPoint along = Unit(q1_, q2_);
    const double inner = Dist(q1_, q2_), tail = Dist(s_, p1_), head = Dist(p2_, e_);
    const auto deepen = [&] {
        const ZedPoint out = Unit(p1_, q1_);
        q1_ = p1_ + v * out;
        q2_ = (pattern_ == Pattern::PlaneC || pattern_ == Pattern::PlaneD) ? e_ + v * out : q1_ + inner * along;
    };
    const auto shift = [&](ZedPoint by) {
        p1_ = p1_ + by;
        q1_ = q1_ + by;
        q2_ = q2_ + by;
        p2_ = p2_ + by;
    };
    const bool plan = pattern_ == Pattern::PlaneA || pattern_ == Pattern::PlaneB || pattern_ == Pattern::PlaneC;
    if (editMode == 1) {
        deepen();
    } else if (pattern_ == Pattern::PlaneA && editMode == 2) {
        // Narrower or wider about the middle; the whole line at most, and a
        // whole-line shoulder only gives part of the line back.
        // A width short of the line by no more than 1e-6 is the whole line.
        const double whole = Dist(s_, e_);
        const bool wholeLine = v >= whole - 1e-6;
        double a = v / 2;
        if (fullLine_) {
            if (wholeLine) {
                return Refuse("수정거리가 너무 큽니다.");
            }
            fullLine_ = false;
        } else if (wholeLine) {
            a = whole / 2;
            fullLine_ = true;
        }
        const ZedPoint mo = Mid(p1_, p2_), mq = Mid(q1_, q2_);
        p1_ = mo + a * Unit(mo, p1_);
        p2_ = mo + a * Unit(mo, p2_);
        q1_ = mq + a * Unit(mq, q1_);
        q2_ = mq + a * Unit(mq, q2_);
    } else if (pattern_ == Pattern::PlaneD && editMode == 2) {
        if (sizes_.slot) {
            slotR_ = v;
            SlotPoints();
        }
    } else if ((pattern_ == Pattern::PlaneB || pattern_ == Pattern::SideC) && editMode == 2) {
        // The mouth's edge at the measured end stays.
        const double whole = tail + inner + head;
        if (whole <= (nearStart_ ? tail : head) + v) {
            return Refuse("수정거리가 너무 큽니다.");
        }
        if (nearStart_) {
            q2_ = q1_ + v * along;
            p2_ = p1_ + v * along;
        } else {
            q1_ = q2_ - v * along;
            p1_ = p2_ - v * along;
        }
    } else if ((pattern_ == Pattern::PlaneB || pattern_ == Pattern::SideC) && editMode == 3) {
        if (tail + inner + head <= inner + v) {
            return Refuse("수정거리가 너무 큽니다.");
        }
        shift(nearStart_ ? (v - tail) * u_ : -((v - head) * u_));
    } else if ((pattern_ == Pattern::SideA || pattern_ == Pattern::SideB) && editMode == 2) {
        // The step's end at the line's end stays; the rest of the line follows.
        if (v >= (nearStart_ ? head : tail) + inner) {
            return Refuse("수정거리가 너무 큽니다.");
        }
        if (nearStart_) {
            q2_ = q1_ + v * along;
            p2_ = p1_ + v * along;
        } else {
            p1_ = p2_ - v * along;
            q1_ = q2_ - v * along;
        }
        d1_ = (nearStart_ ? p2_ : p1_) - sizes_.displayProtrude * displayNormal_;
        d2_ = d1_ + displayWidth_ * (nearStart_ ? u_ : -u_);
    } else if (pattern_ == Pattern::SideB && editMode == 3) {
        d2_ = d1_ + v * Unit(d1_, d2_);
        displayWidth_ = v;
    }
    if (plan && sizes_.hole) {
        SetHole();
    }
}

XDrawing ExpectedShoulder::Drawing() const {
    XDrawing d;
    const XElement& picked = line_.chain[line_.picked];
    const int colour = picked.colour, lineType = picked.lineType;
    const bool raised = pattern_ == Pattern::PlaneC || pattern_ == Pattern::PlaneD;
    const bool hasTail = Dist(s_, p1_) > 1e-6, hasHead = Dist(p2_, e_) > 1e-6;

    // The outline: the picked line replaced by the shoulder (plan patterns C
    // and D leave it as it was and raise a chain of their own beside it).
    XSegment outline{"outline", line_.layer, true, {}};
    const size_t count = line_.chain.size();
    for (size_t i = 0; i < count; ++i) {
        XElement element = line_.chain[i];
        element.role = i == (line_.picked + count - 1) % count ? "before" : i == (line_.picked + 1) % count ? "after" : "";
        if (i != line_.picked || raised) {
            outline.elements.push_back(element);
            continue;
        }
        if (hasTail) {
            outline.elements.push_back(Line("tail", s_, p1_, colour, lineType));
        }
        outline.elements.push_back(Line("first", p1_, q1_, colour, lineType));
        outline.elements.push_back(Line("inner", q1_, q2_, colour, lineType));
        outline.elements.push_back(Line("second", q2_, p2_, colour, lineType));
        if (hasHead) {
            outline.elements.push_back(Line("head", p2_, e_, colour, lineType));
        }
    }
    d.segments.push_back(outline);
    XTag tag{raised ? "chain" : "outline", {"first", "inner", "second"}, "", "", "", ""};
    if (raised) {
        const bool own = sizes_.lineValue != 0;
        const int c = own ? sizes_.colour : colour, t = own ? sizes_.lineType : lineType;
        d.segments.push_back(XSegment{
            "chain", line_.layer, false,
            {Line("first", s_, q1_, c, t), Line("inner", q1_, q2_, c, t), Line("second", q2_, e_, c, t)}});
    }

    const bool cutLine = sizes_.lineDraw && pattern_ != Pattern::SideC && !raised;
    if (cutLine) {
        const bool own = sizes_.lineValue != 0;
        d.segments.push_back(XSegment{"cut line", line_.layer, false,
                                      {Line("", p1_, p2_, own ? sizes_.colour : colour, own ? sizes_.lineType : 0)}});
        tag.cutLine = "cut line";
    }
    if (pattern_ == Pattern::SideB) {
        if (sizes_.lineDraw) {
            // The line's former course across the step's root as built; no
            // change moves it.
            d.segments.push_back(
                XSegment{"root line", line_.layer, false, {Line("", rootStart_, rootEnd_, colour, lineType)}});
        }
        d.segments.push_back(XSegment{"display",
                                      line_.layer,
                                      false,
                                      {Line("display", d1_, d2_, sizes_.displayColour, sizes_.displayLineType)}});
        tag.display = "display";
    }

    const double offset = flipped_ ? -10.0 : 10.0;
    switch (pattern_) {
        case Pattern::PlaneA:
            d.lengths = {{7, p1_, q1_, hasTail ? "tail" : kElementZero, "inner", offset},
                         {6, q1_, q2_, "first", "second", offset}};
            break;
        case Pattern::PlaneB:
            d.lengths = {{7, p1_, q1_, "first", "first", offset},
                         {6, q1_, q2_, "inner", "inner", offset},
                         {5, nearStart_ ? s_ : p2_, nearStart_ ? p1_ : e_, nearStart_ ? "tail" : "head",
                          nearStart_ ? "tail" : "head", flipped_ ? -15.0 : 15.0}};
            break;
        case Pattern::PlaneC:
        case Pattern::PlaneD:
            d.lengths = {{7, s_, q1_, "first", "first", offset}};
            break;
        case Pattern::SideA: {
            const char* before = nearStart_ ? "before" : "tail";
            const char* after = nearStart_ ? "head" : "after";
            d.lengths = {{7, p1_, q1_, before, after, offset}, {6, q1_, q2_, before, after, offset}};
            break;
        }
        case Pattern::SideB:
            d.lengths = {{7, p1_, q1_, kNoElement, kNoElement, offset},
                         {6, q1_, q2_, kNoElement, kNoElement, offset},
                         {5, d1_, d2_, "display", "display", nearStart_ == flipped_ ? 10.0 : -10.0}};
            break;
        case Pattern::SideC:
            d.lengths = {{7, p1_, q1_, kNoElement, kNoElement, -offset},
                         {6, q1_, q2_, kNoElement, kNoElement, -offset},
                         {5, nearStart_ ? s_ : p2_, nearStart_ ? p1_ : e_, nearStart_ ? "tail" : "head",
                          nearStart_ ? "tail" : "head", offset}};
            break;
        case Pattern::SideD: break;
    }

    if (pattern_ == Pattern::PlaneD && sizes_.slot) {
        const int flag = flipped_ ? ZED_ARC_CCW : ZED_ARC_CW;
        const int c = sizes_.slotColour, t = sizes_.slotLineType;
        d.segments.push_back(XSegment{"slot",
                                      line_.holeLayer,
                                      false,
                                      {Arc("arc about S", s_, a2_, a1_, slotR_, flag, c, t), Line("", a1_, b2_, c, t),
                                       Arc("arc about E", e_, b2_, b1_, slotR_, flag, c, t)}});
        const double phi = std::atan2(a2_.y - s_.y, a2_.x - s_.x) + (flipped_ ? kPi / 4 : -kPi / 4);
        d.radii = {{6, "arc about S", s_ + (slotR_ + 10) * Polar(phi)}};
        tag.slot = "slot";
    }

    if (pattern_ == Pattern::PlaneA || pattern_ == Pattern::PlaneB || pattern_ == Pattern::PlaneC) {
        if (sizes_.hole) {
            const bool below = sizes_.holeDir != 0;
            if (sizes_.shapedHole) {
                d.segments.push_back(XSegment{"hole", line_.holeLayer, true,
                                              ShapedHoleOutline(p1_, p2_, shapedHalfWidth_)});
            } else {
                XElement circle;
                circle.kind = ZED_FIG_CIRCLE;
                circle.c = holeCentre_;
                circle.r = holeDiameter_ / 2;
                d.segments.push_back(XSegment{"hole", line_.holeLayer, true, {circle}});
            }
            d.holes = {{"hole", line_.holeLayer, sizes_.shapedHole ? 0.0 : holeDiameter_, sizes_.height,
                        below ? 1 : 0, below ? 7 : 0}};
            char depth[32];
            std::snprintf(depth, sizeof depth, "%.1f", sizes_.height);
            const double quarter = std::atan(1.0);
            d.notes = {{2, noteCentre_ + noteRadius0_ * Polar(quarter), noteCentre_ + noteRadius1_ * Polar(quarter),
                        below ? "하면" : "상면"},
                       {1, noteCentre_ + noteRadius0_ * Polar(3 * quarter + kPi),
                        noteCentre_ + noteRadius1_ * Polar(3 * quarter + kPi), std::string("깊이:") + depth}};
            tag.hole = "hole";
        }
    }
    d.tag = tag;
    return d;
}
