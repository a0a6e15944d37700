// Side pattern C on rectangles L long and 50 high, picked on the bottom line:
// drawn both ways round and with its lines stored either way. Where the pick
// puts the recess and which end its distance is measured from, which lines
// and widths are refused, what a typed depth, width or distance moves, and
// Delete giving the outline back. Every case compares the whole outline with
// the one expected, so a change anywhere else shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/messages.h"
#include "geometry/remembered_shoulder.h"
#include "patterns/side_c.h"
#include "tests/planea/planea_fixture.h"
#include "tests/support/build_profile_test.h"

namespace {

using plate::Pt;

struct Drawing {
    bool clockwise;
    bool storedReversed;
};

std::string Name(const Drawing& d) {
    return std::string(d.clockwise ? "Clockwise" : "CounterClockwise") + (d.storedReversed ? "StoredReversed" : "");
}

class SideCTest : public PlaneATest, public ::testing::WithParamInterface<Drawing> {
protected:
    void SetUp() override {
        PlaneATest::SetUp();
        ShoulderSettings.mMainWidth = 3.0;
        ShoulderSettings.mMainProtrude = 1.0;
    }

    bool Clockwise() const { return GetParam().clockwise; }
    // The bottom line's ends as the outline runs.
    double SX(double length) const { return Clockwise() ? length : 0.0; }
    ZedPoint AtFromS(double length, double t) const { return Pt(Clockwise() ? length - t : t, 0); }

    ZedId Plate(double length) {
        return plate::AddPolygon(kPlateLayer, {Pt(0, 0), Pt(length, 0), Pt(length, 50), Pt(0, 50)}, Clockwise(),
                                 GetParam().storedReversed);
    }

    static bool Build(ZedId outline, double length, ZedPoint picked) {
        const ZedId line = plate::LineBetween(outline, Pt(0, 0), Pt(length, 0));
        EXPECT_GT(line, 0);
        Picks().linePick = LinePick{picked, line, outline, 0, 0};
        return BuildSideC(picked, line, outline, 0);
    }

    static bool Rebuild(int editMode, double value) {
        Picks().editMode = editMode;
        return RebuildSideC(Picks().editMode, value);
    }

    // The outline with a recess `depth` deep whose mouth spans [lo, hi] from S
    // along the bottom line: the recess cuts up into the plate. The bottom
    // line keeps the breaks (from S) that lie outside the mouth.
    std::vector<ZedFigure> Expected(double length, double lo, double hi, double depth,
                                    const std::vector<double>& breaks = {}) const {
        const double a = Clockwise() ? length - hi : lo;
        const double b = Clockwise() ? length - lo : hi;
        std::vector<ZedPoint> ccw{Pt(0, 0)};
        const auto breaksBetween = [&](double from, double to) {
            std::vector<double> xs;
            for (double t : breaks) {
                const double x = Clockwise() ? length - t : t;
                if (x > from + 1e-9 && x < to - 1e-9) {
                    xs.push_back(x);
                }
            }
            std::sort(xs.begin(), xs.end());
            for (double x : xs) {
                ccw.push_back(Pt(x, 0));
            }
        };
        breaksBetween(0, a);
        for (const ZedPoint p : {Pt(a, 0), Pt(a, depth), Pt(b, depth), Pt(b, 0)}) {
            ccw.push_back(p);
        }
        breaksBetween(b, length);
        for (const ZedPoint p : {Pt(length, 0), Pt(length, 50), Pt(0, 50)}) {
            ccw.push_back(p);
        }
        if (Clockwise()) {
            std::reverse(ccw.begin(), ccw.end());
        }
        std::vector<ZedFigure> figures;
        for (size_t i = 0; i < ccw.size(); ++i) {
            const ZedPoint p = ccw[i], q = ccw[(i + 1) % ccw.size()];
            figures.push_back(emu::Line(p.x, p.y, q.x, q.y));
        }
        return figures;
    }

    // The outline as expected, sound, and the three dimensions over the
    // recess: depth and width on its sides, distance from the measured end.
    void ExpectRecess(ZedId outline, double length, double lo, double hi, double depth, bool fromS,
                      const std::string& where) {
        EXPECT_TRUE(plate::SameClosedGeometry(plate::ChainFigures(outline), Expected(length, lo, hi, depth), 1e-9))
            << where;
        EXPECT_EQ(emu::CheckIntegrity(outline), "") << where;
        const ZedLengthDim d1 = Dimension(kSlotFirstDimension), d2 = Dimension(kSlotSecondDimension),
                           d3 = Dimension(kSlotThirdDimension);
        EXPECT_NEAR(plate::Dist(d1.first, d1.second), depth, 1e-9) << where;
        EXPECT_NEAR(plate::Dist(d2.first, d2.second), hi - lo, 1e-9) << where;
        EXPECT_NEAR(plate::Dist(d3.first, d3.second), fromS ? lo : length - hi, 1e-9) << where;
        const ZedPoint measuredEnd = fromS ? AtFromS(length, 0) : AtFromS(length, length);
        EXPECT_TRUE(plate::Near(fromS ? d3.first : d3.second, measuredEnd)) << where;
        EXPECT_EQ(Shoulder().measured.id, fromS ? Shoulder().tail.ref.id : Shoulder().head.ref.id) << where;
    }
};

// W = 3 on a line 20 long: the centre at nearest(d + 0.5) from the nearer
// end, at least W/2 + 1 = 2.5; a pick exactly halfway measures from E.
struct PickRow {
    double pickFromS;
    double lo, hi;  // the mouth, from S
    bool fromS;
};

TEST_P(SideCTest, ThePickPlacesTheRecessAndChoosesTheMeasuredEnd) {
    for (const PickRow row : {PickRow{0.4, 1, 4, true}, PickRow{3.0, 2.5, 5.5, true}, PickRow{2.6, 1.5, 4.5, true},
                              PickRow{19.6, 16, 19, false}, PickRow{10.0, 7.5, 10.5, false}}) {
        SetUp();
        const ZedId outline = Plate(20);
        ASSERT_TRUE(Build(outline, 20, AtFromS(20, row.pickFromS))) << row.pickFromS;
        EXPECT_TRUE(Errors().empty()) << row.pickFromS;
        ExpectRecess(outline, 20, row.lo, row.hi, 1.0, row.fromS, "pick " + std::to_string(row.pickFromS));
        // Into the plate: the counter-clockwise bottom line has the plate on its
        // left, which is a flipped shoulder; the dimensions' offsets follow.
        const double sideOffset = Clockwise() ? -10.0 : 10.0;
        EXPECT_DOUBLE_EQ(Dimension(kSlotFirstDimension).offset, sideOffset);
        EXPECT_DOUBLE_EQ(Dimension(kSlotSecondDimension).offset, sideOffset);
        EXPECT_DOUBLE_EQ(Dimension(kSlotThirdDimension).offset, -sideOffset);
        TearDown();
    }
}

// The mouth must stop short of the far end: W = L + 1 (refused by the width
// test alone), W = L + 0.5, and on one line 4.5 long with W = 3 a pick whose
// mouth fits beside one whose mouth would reach the far end. A width of no
// size is refused as such.
struct FitRow {
    double length;
    double width;
    double pickFromS;
    const ZedChar* refusal;  // null: accepted
};

TEST_P(SideCTest, AMouthThatWouldReachTheFarEndIsRefusedUnchanged) {
    for (const FitRow row : {FitRow{10, 11, 0.4, kMsgShoulderTooWide}, FitRow{10, 10.5, 0.4, kMsgShoulderTooWide},
                             FitRow{4.5, 3, 0.4, nullptr}, FitRow{4.5, 3, 4.1, nullptr},
                             FitRow{4.5, 3, 2.2, kMsgShoulderTooWide}, FitRow{4.5, 3, 1.2, nullptr},
                             FitRow{10, 0, 0.4, kMsgShoulderSizeInvalid}}) {
        SetUp();
        ShoulderSettings.mMainWidth = row.width;
        const ZedId outline = Plate(row.length);
        const std::string before = emu::Dump();
        const std::string where = std::to_string(row.length) + " " + std::to_string(row.pickFromS);
        EXPECT_EQ(Build(outline, row.length, AtFromS(row.length, row.pickFromS)), row.refusal == nullptr) << where;
        if (row.refusal == nullptr) {
            EXPECT_TRUE(Errors().empty()) << where;
            EXPECT_EQ(emu::CheckIntegrity(outline), "") << where;
        } else {
            EXPECT_EQ(Errors(), std::vector<std::string>{emu::ToUtf8(row.refusal)}) << where;
            EXPECT_EQ(emu::Dump(), before) << where;
        }
        TearDown();
    }
}

// Typed values on the recess built 0.4 from S (mouth 1 to 4) or 0.4 from E
// (mouth 16 to 19) of a line 20 long: the width keeps the mouth's edge nearer
// the measured end, the distance moves the recess whole, the depth moves the
// inner side only. Delete then gives the whole line back.
struct ChangeRow {
    double pickFromS;
    int editMode;
    double value;
    double lo, hi, depth;
};

TEST_P(SideCTest, ATypedValueMovesWhatItNamesAndNothingElseAndDeleteGivesTheLineBack) {
    for (const ChangeRow row : {ChangeRow{0.4, kEditSecond, 5, 1, 6, 1}, ChangeRow{0.4, kEditThird, 7, 7, 10, 1},
                                ChangeRow{0.4, kEditFirst, 2, 1, 4, 2}, ChangeRow{19.6, kEditSecond, 5, 14, 19, 1},
                                ChangeRow{19.6, kEditThird, 7, 10, 13, 1}, ChangeRow{19.6, kEditFirst, 0.5, 16, 19, 0.5},
                                ChangeRow{0.4, kEditSecond, 18.5, 1, 19.5, 1}}) {
        SetUp();
        const ZedId outline = Plate(20);
        const std::vector<ZedFigure> drawn = plate::ChainFigures(outline);
        ASSERT_TRUE(Build(outline, 20, AtFromS(20, row.pickFromS)));
        const std::string where = std::to_string(row.pickFromS) + " mode " + std::to_string(row.editMode);
        ASSERT_TRUE(Rebuild(row.editMode, row.value)) << where;
        EXPECT_TRUE(Errors().empty()) << where;
        ExpectRecess(outline, 20, row.lo, row.hi, row.depth, row.pickFromS < 10, where);
        if constexpr (build_profile::kTagging) {  // Delete mode
            const ZedId inner = Shoulder().innerSide.ref.id;
            ASSERT_TRUE(emu::StartCommand());
            ASSERT_TRUE(emu::Type("Delete"));
            ASSERT_TRUE(emu::PickElement(inner));
            emu::EndCommand();
            EXPECT_TRUE(Errors().empty()) << where;
            EXPECT_TRUE(plate::SameClosedGeometry(plate::ChainFigures(outline), drawn, 1e-9)) << where;
            EXPECT_EQ(emu::SegmentIds(), std::vector<ZedId>{outline}) << where;
        }
        TearDown();
    }
}

// Values refused before any change, on the recess 1 to 4 from S: a width or
// distance that takes the line (the pattern's own test), one that leaves a
// piece of no length or runs the mouth back past S, and a depth that would
// meet the plate's top or leave sides of no length.
struct RefusalRow {
    int editMode;
    double value;
    const ZedChar* message;
};

TEST_P(SideCTest, EachRefusalChangesNothing) {
    for (const RefusalRow row : {RefusalRow{kEditSecond, 19, kMsgWidthTooLarge}, RefusalRow{kEditThird, 17, kMsgWidthTooLarge},
                                 RefusalRow{kEditSecond, 0, kMsgWidthTooLarge}, RefusalRow{kEditSecond, -2, kMsgWidthTooLarge},
                                 RefusalRow{kEditThird, 0, kMsgWidthTooLarge}, RefusalRow{kEditThird, -1, kMsgWidthTooLarge},
                                 RefusalRow{kEditFirst, 60, kMsgShoulderOverlapsEdit},
                                 RefusalRow{kEditFirst, 0, kMsgShoulderOverlapsEdit}}) {
        SetUp();
        const ZedId outline = Plate(20);
        ASSERT_TRUE(Build(outline, 20, AtFromS(20, 0.4)));
        emu::ClearMessages();
        const std::string before = emu::Dump();
        const std::string where = std::to_string(row.editMode) + " " + std::to_string(row.value);
        EXPECT_FALSE(Rebuild(row.editMode, row.value)) << where;
        EXPECT_EQ(Errors(), std::vector<std::string>{emu::ToUtf8(row.message)}) << where;
        EXPECT_EQ(emu::Dump(), before) << where;
        TearDown();
    }
}

// A host that lists a straight run of pieces as one line: the bottom line is
// drawn in pieces broken at the given distances from S, and S and E are the
// run's ends. The mouth is placed on the run as on one line; the pieces
// wholly inside it go, the pieces its edges lie on are shortened to them, the
// rest stay as they were, and the outline stays sound.
struct RunRow {
    std::vector<double> breaks;  // from S
    double pickFromS;
    double lo, hi;  // the mouth, from S
    bool fromS;
    int refusedDelete = 0;  // the host refuses this deletion (0: none)
    const char* message = nullptr;
};

TEST_P(SideCTest, OnARunListedAsOneLineTheMouthTakesThePiecesItSpans) {
    const RunRow rows[] = {
        {{3}, 0.4, 1, 4, true},                // the centre's piece ends inside the mouth
        {{0.5, 2.5, 3}, 0.4, 1, 4, true},      // the centre at a break, a piece wholly inside
        {{1.5, 2, 3.5}, 0.4, 1, 4, true},      // pieces inside on both sides of the centre
        {{4, 12}, 0.4, 1, 4, true},            // an edge at a break
        {{17, 19.5}, 19.6, 16, 19, false},     // near E
        // A piece inside the mouth that the host does not delete stops the
        // build with the deletion's number: the head's side, then the tail's.
        {{1.5, 2, 3.5}, 0.4, 1, 4, true, 1, "요소를 삭제할 수 없습니다.(33)"},
        {{1.5, 2, 3.5}, 0.4, 1, 4, true, 2, "요소를 삭제할 수 없습니다.(32)"},
    };
    for (const RunRow& row : rows) {
        SetUp();
        emu::SetOutlineListMergesCollinear(true);
        std::vector<ZedPoint> ccw{Pt(0, 0)};
        std::vector<double> xs;
        for (double t : row.breaks) {
            xs.push_back(Clockwise() ? 20 - t : t);
        }
        std::sort(xs.begin(), xs.end());
        for (double x : xs) {
            ccw.push_back(Pt(x, 0));
        }
        for (const ZedPoint p : {Pt(20, 0), Pt(20, 50), Pt(0, 50)}) {
            ccw.push_back(p);
        }
        // The run's pieces are stored its own way: a piece stored against it is
        // not found in the merged list, and the build is refused before any
        // change ("(22)"). The other edges follow the drawing.
        std::vector<bool> storedReversed(ccw.size(), GetParam().storedReversed);
        std::fill(storedReversed.begin(), storedReversed.begin() + static_cast<long>(row.breaks.size() + 1), false);
        const ZedId outline = plate::AddPolygon(kPlateLayer, ccw, Clockwise(), storedReversed);
        const ZedPoint picked = AtFromS(20, row.pickFromS);
        const ZedId piece = plate::LineAt(outline, picked);
        ASSERT_GT(piece, 0);
        Picks().linePick = LinePick{picked, piece, outline, 0, 0};
        const std::string where = "pick " + std::to_string(row.pickFromS) + " breaks " +
                                  std::to_string(row.breaks.size());
        if (row.refusedDelete != 0) {
            emu::FailCall("ZedElmDeleteElement", row.refusedDelete);
            EXPECT_FALSE(BuildSideC(picked, piece, outline, 0)) << where;
            EXPECT_EQ(Errors(), std::vector<std::string>{row.message}) << where;
            TearDown();
            continue;
        }
        ASSERT_TRUE(BuildSideC(picked, piece, outline, 0)) << where;
        EXPECT_TRUE(Errors().empty()) << where;
        EXPECT_TRUE(plate::SameClosedGeometry(plate::ChainFigures(outline),
                                              Expected(20, row.lo, row.hi, 1.0, row.breaks), 1e-9))
            << where;
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << where;
        // The distance runs along the piece the mouth's near edge lies on, from
        // its far end, as a typed distance is measured.
        double pieceEnd = row.fromS ? 0.0 : 20.0;
        for (double t : row.breaks) {
            pieceEnd = row.fromS ? (t < row.lo - 1e-9 ? std::max(pieceEnd, t) : pieceEnd)
                                 : (t > row.hi + 1e-9 ? std::min(pieceEnd, t) : pieceEnd);
        }
        const ZedLengthDim d3 = Dimension(kSlotThirdDimension);
        EXPECT_TRUE(plate::Near(d3.first, AtFromS(20, row.fromS ? pieceEnd : row.hi))) << where;
        EXPECT_TRUE(plate::Near(d3.second, AtFromS(20, row.fromS ? row.lo : pieceEnd))) << where;
        EXPECT_EQ(d3.firstElement, Shoulder().measured.id) << where;
        EXPECT_EQ(d3.secondElement, Shoulder().measured.id) << where;
        TearDown();
    }
}

// The notched plate: the notch's floor takes a recess down into the plate;
// on the notch's left flank a recess deep enough to reach the plate's left
// edge is refused before any change.
TEST_P(SideCTest, OnAConcavePlateTheRecessCutsInOrIsRefused) {
    const ZedId outline =
        plate::AddPolygon(kPlateLayer, plate::NotchedPlate(), Clockwise(), GetParam().storedReversed);
    const ZedId floor = plate::LineBetween(outline, Pt(30, 30), Pt(70, 30));
    ASSERT_TRUE(BuildSideC(Pt(31.2, 30), floor, outline, 0));
    // Nearer (30, 30): centre nearest(1.7) = 2 < 2.5, so 2.5 from it.
    EXPECT_GT(plate::LineBetween(outline, Pt(31, 29), Pt(34, 29)), 0);
    EXPECT_GT(plate::LineBetween(outline, Pt(30, 30), Pt(31, 30)), 0);
    EXPECT_EQ(emu::CheckIntegrity(outline), "");

    TearDown();
    SetUp();
    const ZedId notched =
        plate::AddPolygon(kPlateLayer, plate::NotchedPlate(), Clockwise(), GetParam().storedReversed);
    ShoulderSettings.mMainProtrude = 35.0;
    const std::string before = emu::Dump();
    const ZedId flank = plate::LineBetween(notched, Pt(30, 30), Pt(30, 60));
    EXPECT_FALSE(BuildSideC(Pt(30, 40), flank, notched, 0));
    EXPECT_EQ(Errors(), std::vector<std::string>{emu::ToUtf8(kMsgShoulderOverlaps)});
    EXPECT_EQ(emu::Dump(), before);
}

INSTANTIATE_TEST_SUITE_P(Drawings, SideCTest,
                         ::testing::Values(Drawing{false, false}, Drawing{true, false}, Drawing{false, true},
                                           Drawing{true, true}),
                         [](const ::testing::TestParamInfo<Drawing>& info) { return Name(info.param); });

}  // namespace
