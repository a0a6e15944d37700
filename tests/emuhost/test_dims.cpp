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

// A text the host hands back is valid until the next ZedLib call returns: that
// call may still read it (an amend given the record as read), a reader that
// keeps it past that call holds freed memory.
TEST_F(DimsTest, AHandedTextLivesUntilTheNextCallReturns) {
    const ZedLeader good = Leader(ZED_TEXT("상면"));
    const ZedId id = ZedCmtCreateLeader(noteSegment_, &good);
    ZedLeader read{};
    ASSERT_EQ(ZedCmtGetComment(id, &read), 0);
    const ZedChar* noteText = read.text;
    EXPECT_TRUE(emu::HandedTextLive(noteText));
    ASSERT_EQ(ZedCmtAmendComment(id, &read), 0);  // the host's own text taken back
    EXPECT_EQ(emu::NoteText(id), "상면");
    EXPECT_FALSE(emu::HandedTextLive(noteText));

    // Kept across one unrelated call.
    const ZedAttrValue value{ZED_ATTR_TEXT, 0, {ZED_TEXT("SymbolShoulder")}};
    ASSERT_EQ(ZedSgmSetAttribute(noteSegment_, 40270, &value), 0);
    ZedAttrValue attribute{};
    ASSERT_EQ(ZedSgmGetAttribute(noteSegment_, 40270, &attribute), 0);
    ASSERT_EQ(ZedCmtGetComment(id, &read), 0);
    EXPECT_TRUE(emu::HandedTextLive(read.text));
    EXPECT_FALSE(emu::HandedTextLive(attribute.value.text));
    EXPECT_GE(ZedSgmGetLayer(noteSegment_), 0);
    EXPECT_FALSE(emu::HandedTextLive(read.text));
    EXPECT_FALSE(emu::HandedTextLive(ZED_TEXT("SymbolShoulder")));
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

// One field of a record overwritten: a fixed field with a value other than
// the one the record fixes is refused on creation and on amending; padding and
// the fields the host leaves open are accepted.
enum class Record { Length, Radius, Leader };
struct FieldRow {
    const char* name;
    Record record;
    size_t offset;
    size_t width;   // 1, 4 or 8 bytes of integer; 0 for a double
    double value;
    bool accepted;
};

void PrintTo(const FieldRow& row, std::ostream* os) { *os << row.name; }

class FixedFieldTest : public DimsTest, public ::testing::WithParamInterface<FieldRow> {
protected:
    static void Overwrite(void* record, const FieldRow& row) {
        unsigned char* at = static_cast<unsigned char*>(record) + row.offset;
        const int64_t integer = static_cast<int64_t>(row.value);
        if (row.width == 0) {
            std::memcpy(at, &row.value, sizeof row.value);
        } else {
            std::memcpy(at, &integer, row.width);  // little-endian: the low bytes
        }
    }

    // Creates the record with the row's field; then amends a good one with it.
    // Answers the two results.
    std::pair<ZedId, int> CreateAndAmend(const FieldRow& row) {
        switch (row.record) {
        case Record::Length: {
            ZedLengthDim given = Length();
            Overwrite(&given, row);
            const ZedId made = ZedDimCreateLineLength(dimSegment_, &given);
            const ZedLengthDim good = Length();
            const ZedId id = ZedDimCreateLineLength(dimSegment_, &good);
            ZedDimRecord read{};
            EXPECT_EQ(ZedDimGetDimension(id, &read), 0);
            Overwrite(&read, row);
            return {made, ZedDimAmendDimension(id, &read)};
        }
        case Record::Radius: {
            ZedRadiusDim given = Radius();
            Overwrite(&given, row);
            const ZedId made = ZedDimCreateRadius(dimSegment_, &given);
            const ZedRadiusDim good = Radius();
            const ZedId id = ZedDimCreateRadius(dimSegment_, &good);
            ZedDimRecord read{};
            EXPECT_EQ(ZedDimGetDimension(id, &read), 0);
            Overwrite(&read, row);
            return {made, ZedDimAmendDimension(id, &read)};
        }
        case Record::Leader: {
            ZedLeader given = Leader(ZED_TEXT("상면"));
            Overwrite(&given, row);
            const ZedId made = ZedCmtCreateLeader(noteSegment_, &given);
            const ZedLeader good = Leader(ZED_TEXT("상면"));
            const ZedId id = ZedCmtCreateLeader(noteSegment_, &good);
            ZedLeader read{};
            EXPECT_EQ(ZedCmtGetComment(id, &read), 0);
            Overwrite(&read, row);
            read.text = ZED_TEXT("하면");
            return {made, ZedCmtAmendComment(id, &read)};
        }
        }
        return {-1, -1};
    }
};

TEST_P(FixedFieldTest, OnlyTheFixedValueIsAccepted) {
    const FieldRow& row = GetParam();
    const auto [made, amended] = CreateAndAmend(row);
    if (row.accepted) {
        EXPECT_GT(made, 0);
        EXPECT_EQ(amended, 0);
        return;
    }
    EXPECT_EQ(made, -1);
    EXPECT_EQ(amended, -1);
    // Only the good record was made, and the refused amend changed nothing.
    ASSERT_EQ(emu::Journal().size(), 1u);
    const ZedId kept = row.record == Record::Leader ? emu::Chain(noteSegment_).at(0) : emu::Chain(dimSegment_).at(0);
    if (row.record == Record::Leader) {
        EXPECT_EQ(emu::NoteText(kept), "상면");
    } else {
        ZedDimRecord stored{};
        ASSERT_TRUE(emu::DimensionOf(kept, &stored));
        ZedDimRecord good{};
        if (row.record == Record::Length) {
            good.length = Length();
        } else {
            good.radius = Radius();
        }
        good.kind = stored.kind;
        EXPECT_EQ(std::memcmp(&stored, &good, row.record == Record::Length ? sizeof(ZedLengthDim)
                                                                          : sizeof(ZedRadiusDim)),
                  0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, FixedFieldTest,
    ::testing::Values(FieldRow{"LengthFlag80Zero", Record::Length, 80, 1, 0, false},
                      FieldRow{"LengthFlag80Two", Record::Length, 80, 1, 2, false},
                      FieldRow{"Length32", Record::Length, 32, 4, 7, false},
                      FieldRow{"Length64", Record::Length, 64, 4, -1, false},
                      FieldRow{"Length88", Record::Length, 88, 0, 0.5, false},
                      FieldRow{"Length96", Record::Length, 96, 1, 1, false},
                      FieldRow{"Length104", Record::Length, 104, 0, -2.0, false},
                      FieldRow{"LengthPadding4", Record::Length, 4, 4, 99, true},
                      FieldRow{"LengthPadding81", Record::Length, 81, 1, 5, true},
                      FieldRow{"RadiusFlag4Zero", Record::Radius, 4, 1, 0, false},
                      FieldRow{"RadiusFlag4Two", Record::Radius, 4, 1, 2, false},
                      FieldRow{"Radius8", Record::Radius, 8, 4, 3, false},
                      FieldRow{"Radius20", Record::Radius, 20, 4, 1, false},
                      FieldRow{"Radius40", Record::Radius, 40, 0, 1.5, false},
                      FieldRow{"Radius48", Record::Radius, 48, 4, 1, false},
                      FieldRow{"RadiusPadding5", Record::Radius, 5, 1, 9, true},
                      FieldRow{"LeaderKind", Record::Leader, 0, 4, 34, false},
                      FieldRow{"LeaderThirdPointX", Record::Leader, 72, 0, 6.5, false},
                      FieldRow{"LeaderThirdPointY", Record::Leader, 80, 0, 0, false},
                      FieldRow{"Leader112", Record::Leader, 112, 4, 0, false},
                      FieldRow{"Leader144", Record::Leader, 144, 4, 3, false},
                      FieldRow{"Leader152", Record::Leader, 152, 0, 2.0, false},
                      FieldRow{"Leader160", Record::Leader, 160, 0, 3.0, false},
                      FieldRow{"Leader168", Record::Leader, 168, 0, 1.0, false},
                      FieldRow{"Leader24", Record::Leader, 24, 8, 1, false},
                      FieldRow{"Leader32", Record::Leader, 32, 4, 1, false},
                      FieldRow{"Leader56", Record::Leader, 56, 8, 1, false},
                      FieldRow{"Leader64", Record::Leader, 64, 4, 1, false},
                      FieldRow{"Leader88", Record::Leader, 88, 8, 1, false},
                      FieldRow{"Leader96", Record::Leader, 96, 4, 1, false},
                      FieldRow{"LeaderPadding116", Record::Leader, 116, 4, 8, true}),
    [](const ::testing::TestParamInfo<FieldRow>& info) { return std::string(info.param.name); });

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
