// Dimensions and leader notes: what the host accepts, what it reads back, and
// that it keeps its own copy of every note text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "emuhost/emu_api.h"

namespace {

class DimsTest : public ::testing::Test {
protected:
    void SetUp() override {
        emu::Reset();
        emu::AddLayer(0);
        edgeSegment_ = emu::AddOutline(0, {emu::Line(0, 0, 10, 0), emu::Arc(10, 5, 10, 0, 15, 5, ZED_ARC_CCW)}, false);
        ASSERT_GT(edgeSegment_, 0);
        edge_ = emu::Chain(edgeSegment_)[0];
        arc_ = emu::Chain(edgeSegment_)[1];
        dimSegment_ = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
        noteSegment_ = ZedSgmCreateSegment(ZED_SGM_NOTE, 0);
        ASSERT_GT(dimSegment_, 0);
        ASSERT_GT(noteSegment_, 0);
        emu::ResetCallLog();
    }
    void TearDown() override { emu::Reset(); }

    ZedLengthDim Length() const {
        ZedLengthDim dim{};
        dim.first = ZedPoint{0, 0};
        dim.firstElement = edge_;
        dim.second = ZedPoint{10, 0};
        dim.secondElement = edge_;
        dim.offset = -10;
        dim.flag80 = 1;
        return dim;
    }

    ZedRadiusDim Radius() const {
        ZedRadiusDim dim{};
        dim.flag4 = 1;
        dim.arcElement = arc_;
        dim.textPoint = ZedPoint{20, 12};
        return dim;
    }

    static ZedLeader Leader(const ZedChar* text) {
        ZedLeader leader{};
        leader.kind = ZED_LEADER_KIND;
        leader.first = ZedPoint{1, 2};
        leader.second = ZedPoint{6, 7};
        leader.third = leader.second;
        leader.text = text;
        leader.one112 = 1;
        leader.four144 = 4;
        leader.three152 = 3.0;
        leader.two160 = 2.0;
        return leader;
    }

    // A copy of the text in a buffer that dies when the returned pointer does.
    static std::unique_ptr<ZedChar[]> Temporary(const std::string& utf8) {
        const ZedString text = emu::FromUtf8(utf8);
        auto buffer = std::make_unique<ZedChar[]>(text.size() + 1);
        std::copy(text.begin(), text.end(), buffer.get());
        buffer[text.size()] = 0;
        return buffer;
    }

    ZedId edgeSegment_ = -1;
    ZedId edge_ = -1;
    ZedId arc_ = -1;
    ZedId dimSegment_ = -1;
    ZedId noteSegment_ = -1;
};

TEST_F(DimsTest, ALengthDimensionReadsBackAsGivenWithItsKind) {
    const ZedLengthDim given = Length();
    const ZedId id = ZedDimCreateLineLength(dimSegment_, &given);
    ASSERT_GT(id, 0);
    EXPECT_EQ(emu::Chain(dimSegment_), (std::vector<ZedId>{id}));
    ZedDimRecord read{};
    ASSERT_EQ(ZedDimGetDimension(id, &read), 0);
    EXPECT_EQ(read.kind, ZED_DIM_LINE_LENGTH);
    ZedLengthDim expected = given;
    expected.kind = ZED_DIM_LINE_LENGTH;
    EXPECT_EQ(std::memcmp(&read.length, &expected, sizeof expected), 0);
    ZedDimRecord inspected{};
    ASSERT_TRUE(emu::DimensionOf(id, &inspected));
    EXPECT_EQ(std::memcmp(&inspected.length, &expected, sizeof expected), 0);
    ASSERT_EQ(emu::Journal().size(), 1u);
    EXPECT_EQ(emu::Journal()[0].name, "ZedDimCreateLineLength");
}

TEST_F(DimsTest, ARadiusDimensionNeedsAnArcAndReadsBackOnlyItsOwnBytes) {
    ZedRadiusDim onLine = Radius();
    onLine.arcElement = edge_;
    EXPECT_EQ(ZedDimCreateRadius(dimSegment_, &onLine), -1);
    ZedRadiusDim onNothing = Radius();
    onNothing.arcElement = 9999;
    EXPECT_EQ(ZedDimCreateRadius(dimSegment_, &onNothing), -1);

    const ZedRadiusDim given = Radius();
    const ZedId id = ZedDimCreateRadius(dimSegment_, &given);
    ASSERT_GT(id, 0);
    ZedDimRecord read;
    std::memset(&read, 0xAB, sizeof read);
    ASSERT_EQ(ZedDimGetDimension(id, &read), 0);
    EXPECT_EQ(read.kind, ZED_DIM_RADIUS);
    EXPECT_EQ(read.radius.arcElement, arc_);
    EXPECT_EQ(read.radius.flag4, 1);
    EXPECT_DOUBLE_EQ(read.radius.textPoint.x, 20);
    EXPECT_DOUBLE_EQ(read.radius.textPoint.y, 12);
    // A caller that keeps a radius record only is not written past its end.
    EXPECT_EQ(read.bytes[sizeof(ZedRadiusDim)], 0xAB);
}

TEST_F(DimsTest, DimensionsTheHostCannotMakeAreRefused) {
    ZedLengthDim samePoints = Length();
    samePoints.second = samePoints.first;
    ZedLengthDim unknownElement = Length();
    unknownElement.secondElement = 9999;
    ZedLengthDim otherInstance = Length();
    otherInstance.firstInstance = 2;
    ZedLengthDim notANumber = Length();
    notANumber.offset = std::nan("");
    const ZedLengthDim good = Length();
    EXPECT_EQ(ZedDimCreateLineLength(dimSegment_, &samePoints), -1);
    EXPECT_EQ(ZedDimCreateLineLength(dimSegment_, &unknownElement), -1);
    EXPECT_EQ(ZedDimCreateLineLength(dimSegment_, &otherInstance), -1);
    EXPECT_EQ(ZedDimCreateLineLength(dimSegment_, &notANumber), -1);
    EXPECT_EQ(ZedDimCreateLineLength(dimSegment_, nullptr), -1);
    EXPECT_EQ(ZedDimCreateLineLength(noteSegment_, &good), -1);
    EXPECT_EQ(ZedDimCreateLineLength(edgeSegment_, &good), -1);
    EXPECT_EQ(ZedDimCreateLineLength(4242, &good), -1);
    // A dimension need not name the elements it measures.
    ZedLengthDim free = Length();
    free.firstElement = -1;
    free.secondElement = -1;
    EXPECT_GT(ZedDimCreateLineLength(dimSegment_, &free), 0);
    EXPECT_EQ(emu::Chain(dimSegment_).size(), 1u);
    EXPECT_EQ(emu::Journal().size(), 1u);
}

TEST_F(DimsTest, AmendingKeepsTheKindAndValidatesLikeCreation) {
    const ZedLengthDim given = Length();
    const ZedId id = ZedDimCreateLineLength(dimSegment_, &given);
    ZedDimRecord record{};
    ASSERT_EQ(ZedDimGetDimension(id, &record), 0);
    record.length.second = ZedPoint{0, 8};
    record.length.offset = 10;
    ASSERT_EQ(ZedDimAmendDimension(id, &record), 0);
    ZedDimRecord read{};
    ASSERT_EQ(ZedDimGetDimension(id, &read), 0);
    EXPECT_DOUBLE_EQ(read.length.second.y, 8);
    EXPECT_DOUBLE_EQ(read.length.offset, 10);

    ZedDimRecord otherKind = read;
    otherKind.kind = ZED_DIM_RADIUS;
    EXPECT_EQ(ZedDimAmendDimension(id, &otherKind), -1);
    ZedDimRecord collapsed = read;
    collapsed.length.second = collapsed.length.first;
    EXPECT_EQ(ZedDimAmendDimension(id, &collapsed), -1);
    EXPECT_EQ(ZedDimAmendDimension(edge_, &read), -1);  // not a dimension
    ZedDimRecord after{};
    ASSERT_EQ(ZedDimGetDimension(id, &after), 0);
    EXPECT_EQ(std::memcmp(&after, &read, sizeof(ZedLengthDim)), 0);
    EXPECT_EQ(ZedDimGetDimension(edge_, &after), -1);
}

TEST_F(DimsTest, NotesKeepTheirOwnCopyOfTheText) {
    ZedId id = -1;
    {
        auto text = Temporary("하면");
        const ZedLeader leader = Leader(text.get());
        id = ZedCmtCreateLeader(noteSegment_, &leader);
    }  // the caller's text is gone
    ASSERT_GT(id, 0);
    EXPECT_EQ(emu::NoteText(id), "하면");
    ZedLeader read{};
    ASSERT_EQ(ZedCmtGetComment(id, &read), 0);
    EXPECT_EQ(read.kind, ZED_LEADER_KIND);
    EXPECT_DOUBLE_EQ(read.first.x, 1);
    EXPECT_DOUBLE_EQ(read.second.y, 7);
    EXPECT_EQ(read.four144, 4);
    EXPECT_DOUBLE_EQ(read.two160, 2.0);
    ASSERT_NE(read.text, nullptr);
    EXPECT_EQ(emu::ToUtf8(read.text), "하면");

    // The read record goes back with a new text in a buffer that dies after the call.
    {
        auto text = Temporary("깊이:12.3");
        read.text = text.get();
        ASSERT_EQ(ZedCmtAmendComment(id, &read), 0);
    }
    EXPECT_EQ(emu::NoteText(id), "깊이:12.3");
    ZedLeader again{};
    ASSERT_EQ(ZedCmtGetComment(id, &again), 0);
    EXPECT_EQ(emu::ToUtf8(again.text), "깊이:12.3");
    EXPECT_DOUBLE_EQ(again.first.x, 1);
}

TEST_F(DimsTest, LeadersTheHostCannotMakeAreRefused) {
    const ZedLeader good = Leader(ZED_TEXT("상면"));
    ZedLeader noText = good;
    noText.text = nullptr;
    ZedLeader otherKind = good;
    otherKind.kind = 34;
    EXPECT_EQ(ZedCmtCreateLeader(noteSegment_, &noText), -1);
    EXPECT_EQ(ZedCmtCreateLeader(noteSegment_, &otherKind), -1);
    EXPECT_EQ(ZedCmtCreateLeader(noteSegment_, nullptr), -1);
    EXPECT_EQ(ZedCmtCreateLeader(dimSegment_, &good), -1);
    const ZedId id = ZedCmtCreateLeader(noteSegment_, &good);
    ASSERT_GT(id, 0);
    EXPECT_EQ(ZedCmtAmendComment(id, &noText), -1);
    EXPECT_EQ(ZedCmtAmendComment(id, &otherKind), -1);
    EXPECT_EQ(ZedCmtAmendComment(edge_, &good), -1);
    ZedLeader read{};
    EXPECT_EQ(ZedCmtGetComment(edge_, &read), -1);
    EXPECT_EQ(ZedCmtGetComment(id, nullptr), -1);
    EXPECT_EQ(emu::NoteText(id), "상면");
    EXPECT_EQ(emu::Journal().size(), 1u);
}

TEST_F(DimsTest, InjectedFailuresMakeNothing) {
    const ZedLengthDim length = Length();
    const ZedLeader leader = Leader(ZED_TEXT("상면"));
    emu::FailCall("ZedDimCreateLineLength", 1);
    emu::FailCall("ZedCmtCreateLeader", 1);
    EXPECT_EQ(ZedDimCreateLineLength(dimSegment_, &length), -1);
    EXPECT_EQ(ZedCmtCreateLeader(noteSegment_, &leader), -1);
    EXPECT_TRUE(emu::Chain(dimSegment_).empty());
    EXPECT_TRUE(emu::Chain(noteSegment_).empty());
    EXPECT_TRUE(emu::Journal().empty());

    const ZedId id = ZedCmtCreateLeader(noteSegment_, &leader);
    ZedLeader read{};
    read.text = ZED_TEXT("untouched");
    emu::FailCall("ZedCmtGetComment", 1);
    EXPECT_EQ(ZedCmtGetComment(id, &read), -1);
    EXPECT_EQ(emu::ToUtf8(read.text), "untouched");
}

}  // namespace
