// Plan pattern A on plates whose lines are all stored the other way round from
// the chain (as drawings joined end to end hold them): every placement and
// every kind of width change must leave the same outline, walked the chain's
// way, as on the same plate stored the chain's way, and a sound one. The line
// pieces beside the shoulder stay stored the other way round.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/planea/planea_fixture.h"

namespace {

using plate::Narrow;

// What stands beside the shoulder at the end: no line pieces (it spans the
// line), the picked line's own pieces, or pieces the plug-in made anew.
enum class Pieces { None, Kept, New };

struct ReversedRow {
    const char* name;
    std::vector<ZedPoint> vertices;  // counter-clockwise
    double endDistance;              // PA_WidthValueDistance
    std::vector<std::pair<int, double>> edits;  // (edit mode, value) after the build
    Pieces pieces;
};

void PrintTo(const ReversedRow& row, std::ostream* out) { *out << row.name; }

const ReversedRow kRows[] = {
    {"Centre", plate::Rectangle(), 0.5, {}, Pieces::Kept},
    {"Inset", Narrow(8.0), 0.5, {}, Pieces::Kept},
    {"FullLine", Narrow(8.0), 0.0, {}, Pieces::None},
    {"DepthThenWidthInPlace", plate::Rectangle(), 0.5, {{kEditFirst, 7.0}, {kEditSecond, 10.0}}, Pieces::Kept},
    {"InsetWidenedInPlace", Narrow(8.0), 0.5, {{kEditSecond, 6.0}}, Pieces::Kept},
    {"WidthOverTheWholeLine", plate::Rectangle(), 0.5, {{kEditSecond, 100.0}}, Pieces::None},
    {"WidthBackFromTheWholeLine", plate::Rectangle(), 0.5, {{kEditSecond, 120.0}, {kEditSecond, 30.0}},
     Pieces::New},
};

class PlaneAStoredReversedTest : public PlaneATest, public ::testing::WithParamInterface<ReversedRow> {
protected:
    // The outline as the host lists it, the chain's way.
    static std::vector<ZedFigure> Walk(ZedId segment) {
        std::vector<ZedFigure> figures(1000);
        const ZedFigRef ref{0, segment};
        const int count = ZedFigGetFigure2(&ref, figures.data(), static_cast<int>(figures.size()));
        figures.resize(count < 0 ? 0 : static_cast<size_t>(count));
        return figures;
    }

    // Builds on the bottom edge (and makes the row's edits) on a fresh plate;
    // answers the outline.
    ZedId Run(const ReversedRow& row, bool storedReversed) {
        SetUp();
        ShoulderSettings.PA_WidthValueDistance = row.endDistance;
        const ZedId outline = plate::AddPolygon(kPlateLayer, row.vertices, false, storedReversed);
        EXPECT_GT(outline, 0);
        const ZedId line = plate::LineBetween(outline, row.vertices[0], row.vertices[1]);
        EXPECT_EQ(emu::StoredReversed(line), storedReversed);
        EXPECT_TRUE(BuildPlaneA(line, outline, 0)) << Errors().size();
        for (const auto& [mode, value] : row.edits) {
            EXPECT_TRUE(Rebuild(mode, value)) << mode << " " << value;
        }
        EXPECT_EQ(emu::CheckAllIntegrity(), "");
        EXPECT_TRUE(emu::SegmentClosed(outline));
        EXPECT_TRUE(Errors().empty()) << (Errors().empty() ? "" : Errors().front());
        return outline;
    }
};

TEST_P(PlaneAStoredReversedTest, GivesTheSameSoundOutlineAsThePlateStoredTheChainsWay) {
    const ReversedRow& row = GetParam();
    const std::vector<ZedFigure> expected = Walk(Run(row, false));
    const ZedLengthDim expectedWidth = Dimension(kSlotSecondDimension);
    TearDown();

    const ZedId outline = Run(row, true);
    EXPECT_TRUE(plate::SameClosedGeometry(Walk(outline), expected));
    const ZedLengthDim width = Dimension(kSlotSecondDimension);
    EXPECT_TRUE(plate::Near(width.first, expectedWidth.first) && plate::Near(width.second, expectedWidth.second));
    const ShoulderMemory& m = Shoulder();
    if (row.pieces == Pieces::None) {
        EXPECT_EQ(m.tail.ref.id, 0);
        EXPECT_EQ(m.head.ref.id, 0);
        return;
    }
    // Pieces kept from the picked line stay stored its way; new ones run the chain's way.
    EXPECT_EQ(emu::StoredReversed(m.tail.ref.id), row.pieces == Pieces::Kept);
    EXPECT_EQ(emu::StoredReversed(m.head.ref.id), row.pieces == Pieces::Kept);
}

INSTANTIATE_TEST_SUITE_P(Rows, PlaneAStoredReversedTest, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<ReversedRow>& info) { return info.param.name; });

}  // namespace
