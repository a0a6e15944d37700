// The splice sequence, the temporary length dimension and the cut line,
// against the emulated host: a stretch of a closed outline replaced by a
// three-line tab stays one closed, sound outline; every refused host call
// reports its own message once and leaves exactly the changes made before it.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "base/temporary_elements.h"
#include "emuhost/emu_api.h"
#include "geometry/figure_record.h"
#include "geometry/length_dimension.h"
#include "geometry/shoulder_memory.h"
#include "geometry/splice.h"
#include "holes/cut_line.h"
#include "tests/support/plugin_test.h"

namespace {

constexpr ZedChar kDivide[] = ZED_TEXT("divide");
constexpr ZedChar kRead[] = ZED_TEXT("read");
constexpr ZedChar kAmendHead[] = ZED_TEXT("amend head");
constexpr ZedChar kAmendTail[] = ZED_TEXT("amend tail");
constexpr ZedChar kCreate[] = ZED_TEXT("create");
constexpr ZedChar kInsert1[] = ZED_TEXT("insert 1");
constexpr ZedChar kInsert2[] = ZED_TEXT("insert 2");
constexpr ZedChar kLayer[] = ZED_TEXT("layer");
constexpr ZedChar kConcat[] = ZED_TEXT("concat");
constexpr ZedChar kClose[] = ZED_TEXT("close");

class SpliceTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        emu::AddLayer(0);
        emu::AddLayer(5);
        // A 100 x 50 plate on layer 5, bottom edge from (100, 0) to (0, 0).
        outline_ = emu::AddOutline(5,
                                   {emu::Line(0, 0, 0, 50), emu::Line(0, 50, 100, 50), emu::Line(100, 50, 100, 0),
                                    emu::Line(100, 0, 0, 0)},
                                   true);
        ASSERT_GT(outline_, 0);
        emu::ResetCallLog();
    }

    // Replaces the stretch P1..P2 of the bottom edge by a tab 10 deep,
    // standing out of the plate (downwards).
    bool SpliceTab() {
        const ZedPoint p2{40, 0}, p1{60, 0}, q1{60, -10}, q2{40, -10};
        if (!DivideOutline(0, outline_, p2, kDivide)) {
            return false;
        }
        const ZedFigRef head{0, ZedSgmGetHeadElementId(outline_)};
        const ZedFigRef tail{0, ZedSgmGetTailElementId(outline_)};
        ZedFigure headFigure{}, tailFigure{};
        if (!ReadFigure(head, headFigure, kRead) || !ReadFigure(tail, tailFigure, kRead)) {
            return false;
        }
        SetLineStart(headFigure, p2);
        if (!AmendFigure(head, headFigure, kAmendHead)) {
            return false;
        }
        SetLineEnd(tailFigure, p1);
        if (!AmendFigure(tail, tailFigure, kAmendTail)) {
            return false;
        }
        std::vector<ZedId> ids;
        ZedId chain = -1;
        ZedLineType2 attributes{};
        attributes.colour = 4;
        if (!BuildChain(0, {MakeLine(p1, q1), MakeLine(q1, q2), MakeLine(q2, p2)}, attributes,
                        ChainMessages{kCreate, {kInsert1, kInsert2}}, ids, chain)) {
            return false;
        }
        return JoinAndClose(outline_, chain, 5, JoinMessages{kLayer, kConcat, kClose});
    }

    ZedId outline_ = -1;
};

TEST_F(SpliceTest, TheTabJoinsTheOutlineIntoOneClosedSoundChain) {
    ASSERT_TRUE(SpliceTab());
    EXPECT_TRUE(emu::SegmentClosed(outline_));
    EXPECT_EQ(emu::CheckIntegrity(outline_), "");
    EXPECT_EQ(emu::SegmentLayer(outline_), 5);
    const std::vector<ZedId> chain = emu::Chain(outline_);
    ASSERT_EQ(chain.size(), 8u);
    // Every figure segment of the drawing is the one outline.
    EXPECT_EQ(emu::SegmentIds().size(), 1u);
    int tabSides = 0;
    for (ZedId id : chain) {
        const ZedFigure f = emu::FigureOf(id);
        if (LineStart(f).y < 0 || LineEnd(f).y < 0) {
            ++tabSides;
            EXPECT_EQ(emu::AttributesOf(id).colour, 4);
        }
    }
    EXPECT_EQ(tabSides, 3);
    EXPECT_TRUE(emu::Messages().empty());
}

TEST_F(SpliceTest, EveryRefusedCallReportsOnceAndKeepsWhatWasDoneBefore) {
    ASSERT_TRUE(SpliceTab());
    const std::vector<emu::Change> clean = emu::Journal();
    const int calls = emu::CallCount();
    ASSERT_GT(calls, 8);
    const std::string before = [&] {
        SetUp();
        return emu::Dump();
    }();

    for (int n = 1; n <= calls; ++n) {
        SetUp();
        emu::FailNthCall(n);
        const bool done = SpliceTab();
        const std::vector<std::string> errors = TextsOn(emu::Channel::Error);
        // The chain's attributes are not essential: their refusal is silent.
        const bool silent = emu::CallLog()[static_cast<size_t>(n - 1)] == "ZedFigSetLineType2";
        if (silent) {
            EXPECT_TRUE(done) << "call " << n;
            EXPECT_TRUE(errors.empty()) << "call " << n;
        } else {
            EXPECT_FALSE(done) << "call " << n << " " << emu::CallLog()[static_cast<size_t>(n - 1)];
            EXPECT_EQ(errors.size(), 1u) << "call " << n;
            std::vector<emu::Change> expected;
            for (const emu::Change& change : clean) {
                if (change.call < n) {
                    expected.push_back(change);
                }
            }
            const std::vector<emu::Change> journal = emu::Journal();
            ASSERT_EQ(journal.size(), expected.size()) << "call " << n;
            for (size_t i = 0; i < journal.size(); ++i) {
                EXPECT_EQ(journal[i].description, expected[i].description) << "call " << n;
            }
        }
        emu::ClearFaults();
    }
    EXPECT_FALSE(before.empty());
}

TEST_F(SpliceTest, TheLengthDimensionGoesIntoItsSlotAndMovesWithTheShoulder) {
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
    ASSERT_GT(segment, 0);
    const std::vector<ZedId> edges = emu::Chain(outline_);
    ASSERT_TRUE(CreateLengthDimension({{60, 0}, {0, edges[3]}}, {{60, -10}, {0, edges[2]}}, -10.0, kSlotFirstDimension,
                                      segment));
    const ZedId id = TemporaryElements()[kSlotFirstDimension].id;
    ZedDimRecord record{};
    ASSERT_TRUE(emu::DimensionOf(id, &record));
    EXPECT_EQ(record.kind, ZED_DIM_LINE_LENGTH);
    EXPECT_EQ(record.length.offset, -10.0);
    EXPECT_EQ(record.length.firstElement, edges[3]);
    EXPECT_EQ(record.length.secondElement, edges[2]);
    EXPECT_EQ(record.length.flag80, 1);

    ASSERT_TRUE(MoveLengthDimension(id, {60, 0}, {60, -25}, kRead, kAmendHead));
    ASSERT_TRUE(emu::DimensionOf(id, &record));
    EXPECT_EQ(record.length.second.y, -25.0);

    emu::FailCall("ZedDimAmendDimension", 1);
    EXPECT_FALSE(MoveLengthDimension(id, {60, 0}, {60, -5}, kRead, kAmendHead));
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{"amend head"});
}

TEST_F(SpliceTest, ARefusedDimensionIsReportedAndStillFiled) {
    emu::FailCall("ZedDimCreateLineLength", 1);
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_DIMENSION, 0);
    EXPECT_FALSE(CreateLengthDimension({{0, 0}, {0, 1}}, {{10, 0}, {0, 2}}, 10.0, kSlotSecondDimension, segment));
    EXPECT_EQ(TemporaryElements()[kSlotSecondDimension].id, -1);
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{"치수작성에러."});
}

TEST_F(SpliceTest, TheCutLineSpansTheBaseAndFollowsIt) {
    ASSERT_TRUE(CreateCutLine({40, 0}, {60, 0}, 5, 11, 1));
    const ZedFigRef cut = Shoulder().cutLine;
    EXPECT_EQ(cut.instance, 0);
    EXPECT_EQ(emu::SegmentLayer(Shoulder().cutLineSegment), 5);
    EXPECT_EQ(emu::AttributesOf(cut.id).colour, 11);
    EXPECT_EQ(emu::AttributesOf(cut.id).lineType, 1);
    ASSERT_TRUE(MoveCutLine({30, 0}, {70, 0}));
    const ZedFigure line = emu::FigureOf(cut.id);
    EXPECT_EQ(LineStart(line).x, 30.0);
    EXPECT_EQ(LineEnd(line).x, 70.0);
}

TEST_F(SpliceTest, CutLineFailuresReportTheirOwnTexts) {
    emu::FailCall("ZedFigCreateFigure", 1);
    EXPECT_FALSE(CreateCutLine({40, 0}, {60, 0}, 5, 0, 0));
    emu::FailCall("ZedSgmChangeLayer", 1);
    EXPECT_FALSE(CreateCutLine({40, 0}, {60, 0}, 5, 0, 0));
    EXPECT_EQ(Shoulder().cutLineSegment, -1);
    ASSERT_TRUE(CreateCutLine({40, 0}, {60, 0}, 5, 0, 0));
    emu::FailCall("ZedFigGetFigure", 1);
    EXPECT_FALSE(MoveCutLine({0, 0}, {1, 0}));
    emu::FailCall("ZedFigAmendFigure", 1);
    EXPECT_FALSE(MoveCutLine({0, 0}, {1, 0}));
    EXPECT_EQ(TextsOn(emu::Channel::Error),
              (std::vector<std::string>{"절단선을 작성할 수 없습니다.", "절단선의 레이어를 변경할 수 없습니다.",
                                        "절단선의 정보를 참조할 수 없습니다.", "절단선길이를 수정할 수 없습니다."}));
}

}  // namespace
