#include "tests/tagging/tagging_test_support.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "geometry/figure_record.h"
#include "geometry/shoulder_memory.h"
#include "geometry/splice.h"
#include "geometry/unfinished_change.h"
#include "tagging/shoulder_tag.h"

namespace tagging_test {

void TaggingTest::SetUp() {
    PluginTest::SetUp();
    if (ZED_LEGACY) {
        GTEST_SKIP() << "the older host keeps no segment attributes: no tags and no Delete mode";
    }
    ResetShoulderMemory();
    emu::AddLayer(kLayer, "Plate");
    emu::SetCurrentLayer(kLayer);
}

void TaggingTest::EnterDeleteMode() {
    StartCommand();
    ASSERT_TRUE(emu::Type("Delete"));
    ASSERT_TRUE(emu::CommandActive());
    ASSERT_EQ(emu::CurrentPrompt(), kDeletePrompt);
    emu::ClearMessages();
}

ZedId MakeHole(double cx, double cy) {
    const char* build = std::getenv("LEDGEWRIGHT_BUILD_DIR");
    const std::string folder = build != nullptr ? build : ".";
    emu::AddLayer(3, "Holes");
    ZedHoleData data{};
    if (ZedHolGetHoleMaster(emu::FromUtf8(folder + "/zed_ap/Ledgewright.hol").c_str(), &data) != 0) {
        return -1;
    }
    const ZedPoint centre{cx, cy};
    const ZedId hole = ZedHolCreateHole(0, &centre, &data);
    ZedHolFreeHoleData(&data);
    ZedSgmRef segment{};
    return hole == -1 || ZedHolGetHoleSegmentId(hole, &segment, 1) != 1 ? -1 : segment.segment;
}

CutShoulder CutShoulderInto(ZedId outline, ZedPoint p1, ZedPoint p2, ZedPoint q1, ZedPoint q2) {
    CutShoulder cut;
    if (!DivideOutline(0, outline, p2, nullptr)) {
        return cut;
    }
    const ZedFigRef head{0, ZedSgmGetHeadElementId(outline)};
    const ZedFigRef tail{0, ZedSgmGetTailElementId(outline)};
    ZedFigure headFigure{};
    ZedFigure tailFigure{};
    if (!ReadFigure(head, headFigure, nullptr) || !ReadFigure(tail, tailFigure, nullptr)) {
        return cut;
    }
    SetLineStart(headFigure, p2);
    SetLineEnd(tailFigure, p1);
    if (!AmendFigure(head, headFigure, nullptr) || !AmendFigure(tail, tailFigure, nullptr)) {
        return cut;
    }
    std::vector<ZedId> ids;
    ZedId chain = -1;
    const ChainMessages messages{nullptr, {nullptr, nullptr}};
    if (!BuildChain(0, {MakeLine(p1, q1), MakeLine(q1, q2), MakeLine(q2, p2)}, ZedLineType2{}, messages, ids, chain)) {
        return cut;
    }
    ZedId joined = -1;
    if (!JoinAndClose(outline, chain, kLayer, JoinMessages{nullptr, nullptr, nullptr}, &joined)) {
        return cut;
    }
    cut.outline = joined;
    cut.tail = tail.id;
    cut.sides = Sides{ids[0], ids[1], ids[2]};
    cut.head = head.id;
    return cut;
}

void TagShoulder(ZedId segment, const Sides& sides) {
    ShoulderMemory& memory = Shoulder();
    memory.firstSide.ref = ZedFigRef{0, sides.first};
    memory.innerSide.ref = ZedFigRef{0, sides.inner};
    memory.secondSide.ref = ZedFigRef{0, sides.second};
    ShoulderTag(segment);
}

Laid LayOut(const std::vector<ZedFigure>& figures, bool closed, const std::vector<bool>& storedReversed) {
    Laid laid;
    laid.segment = emu::AddOutline(kLayer, figures, closed, nullptr, storedReversed);
    if (laid.segment != -1) {
        laid.ids = emu::Chain(laid.segment);
    }
    return laid;
}

ZedFigure ChainFigureOf(ZedId element) {
    const ZedFigure f = emu::FigureOf(element);
    if (!emu::StoredReversed(element)) {
        return f;
    }
    ZedFigure turned = f.kind == ZED_FIG_LINE || f.kind == ZED_FIG_CHAMFER
                           ? emu::Line(f.v[2], f.v[3], f.v[0], f.v[1])
                           : emu::Arc(f.v[0], f.v[1], f.v[4], f.v[5], f.v[2], f.v[3],
                                      emu::ArcFlag(f) == ZED_ARC_CCW ? ZED_ARC_CW : ZED_ARC_CCW);
    turned.kind = f.kind;
    return turned;
}

ZedPoint ArcPoint(double cx, double cy, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return ZedPoint{cx + radius * std::cos(a), cy + radius * std::sin(a)};
}

ZedFigure ArcDegrees(double cx, double cy, double radius, double from, double to, int flag) {
    const ZedPoint s = ArcPoint(cx, cy, radius, from);
    const ZedPoint e = ArcPoint(cx, cy, radius, to);
    return emu::Arc(cx, cy, s.x, s.y, e.x, e.y, flag);
}

ZedPoint StartOf(const ZedFigure& figure) { return FigureStart(figure); }
ZedPoint EndOf(const ZedFigure& figure) { return FigureEnd(figure); }

ZedFigure Chamfer(double x1, double y1, double x2, double y2) {
    ZedFigure f = emu::Line(x1, y1, x2, y2);
    f.kind = ZED_FIG_CHAMFER;
    return f;
}

namespace {

int PlainKind(int kind) { return kind == ZED_FIG_FILLET ? ZED_FIG_ARC : kind == ZED_FIG_CHAMFER ? ZED_FIG_LINE : kind; }

bool SameFigure(const ZedFigure& actual, const ZedFigure& expected) {
    const int kind = PlainKind(expected.kind);
    if (PlainKind(actual.kind) != kind) {
        return false;
    }
    const int values = kind == ZED_FIG_LINE ? 4 : 7;
    for (int i = 0; i < values; ++i) {
        if (!(std::fabs(actual.v[i] - expected.v[i]) <= 1e-9)) {
            return false;
        }
    }
    return kind == ZED_FIG_LINE || emu::ArcFlag(actual) == emu::ArcFlag(expected);
}

std::string Describe(const ZedFigure& f) {
    char text[200];
    if (PlainKind(f.kind) == ZED_FIG_LINE) {
        std::snprintf(text, sizeof text, "line (%.9g, %.9g) -> (%.9g, %.9g)", f.v[0], f.v[1], f.v[2], f.v[3]);
    } else {
        std::snprintf(text, sizeof text, "arc about (%.9g, %.9g) r %.9g (%.9g, %.9g) -> (%.9g, %.9g) flag %d", f.v[0],
                      f.v[1], f.v[6], f.v[2], f.v[3], f.v[4], f.v[5], emu::ArcFlag(f));
    }
    return text;
}

}  // namespace

std::string OutlineMismatch(ZedId segment, const std::vector<ZedFigure>& expected, bool closed) {
    std::vector<ZedFigure> actual;
    for (const ZedId id : emu::Chain(segment)) {
        actual.push_back(ChainFigureOf(id));
    }
    std::string found;
    for (const ZedFigure& f : actual) {
        found += "\n  " + Describe(f);
    }
    if (emu::SegmentClosed(segment) != closed) {
        return std::string(closed ? "open" : "closed") + ":" + found;
    }
    if (actual.size() == expected.size()) {
        for (size_t shift = 0; shift < (closed ? actual.size() : 1); ++shift) {
            bool same = true;
            for (size_t i = 0; i < actual.size() && same; ++i) {
                same = SameFigure(actual[(i + shift) % actual.size()], expected[i]);
            }
            if (same) {
                return "";
            }
        }
    }
    std::string wanted;
    for (const ZedFigure& f : expected) {
        wanted += "\n  " + Describe(f);
    }
    return "the outline is" + found + "\nnot" + wanted;
}

}  // namespace tagging_test
