// Fault injection through an outline edit: failing each call of a splice and
// of an outline restore in turn, the failing call changes nothing and the
// journal holds exactly the changes of the calls before it.
#include <functional>

#include "outline_test_support.h"

namespace {

using namespace outline_test;

// Makes ZedLib calls for a script and notes whether a failing one changed the
// drawing or the journal.
class Stepper {
public:
    template <class Call>
    auto operator()(Call&& call) {
        const std::string before = emu::Dump();
        const size_t journalBefore = emu::Journal().size();
        const auto result = call();
        if (result == -1) {
            ++failures_;
            if (emu::Dump() != before || emu::Journal().size() != journalBefore) {
                failureChanged_ = true;
            }
        }
        return result;
    }
    int failures() const { return failures_; }
    bool failureChanged() const { return failureChanged_; }

private:
    int failures_ = 0;
    bool failureChanged_ = false;
};

using Script = std::function<bool(Stepper&)>;

constexpr ZedLineType2 kPickedAttributes{5, 0, 0, 0, 3, 0, 0, 0};

// A closed 10 x 10 square on layer 1 whose first side carries line attributes.
ZedId SetUpSquare() {
    const ZedId square = Square(0, 0, 10);
    const ZedFigRef first = Ref(emu::Chain(square)[0]);
    ZedFigSetLineType2(&first, &kPickedAttributes);
    return square;
}

// A tab 4 wide and 2 deep out of the bottom side, made the way a builder does:
// divide, amend head and tail, build the tab backwards in a new segment on
// another layer, move it over, join and close.
bool SpliceTab(Stepper& call, ZedId square) {
    const ZedFigRef outline = Ref(square);
    const ZedPoint p2 = Pt(7, 0);
    ZedId divided = -1;
    if (call([&] { return ZedFigDivide(&outline, &p2, &divided); }) == -1) {
        return false;
    }
    const ZedId head = call([&] { return ZedSgmGetHeadElementId(divided); });
    const ZedId tail = head == -1 ? -1 : call([&] { return ZedSgmGetTailElementId(divided); });
    if (tail == -1) {
        return false;
    }
    ZedFigure headFigure{};
    ZedFigure tailFigure{};
    const ZedFigRef headRef = Ref(head);
    const ZedFigRef tailRef = Ref(tail);
    if (call([&] { return ZedFigGetFigure(&headRef, &headFigure); }) == -1 ||
        call([&] { return ZedFigGetFigure(&tailRef, &tailFigure); }) == -1) {
        return false;
    }
    headFigure.v[0] = 7;
    tailFigure.v[2] = 3;
    ZedLineType2 attributes{};
    if (call([&] { return ZedFigAmendFigure(&headRef, &headFigure); }) == -1 ||
        call([&] { return ZedFigAmendFigure(&tailRef, &tailFigure); }) == -1 ||
        call([&] { return ZedFigGetLineType2(&tailRef, &attributes); }) == -1) {
        return false;
    }
    const ZedId piece = call([] { return ZedSgmCreateSegment(ZED_SGM_FIGURE, 0); });
    if (piece == -1) {
        return false;
    }
    const ZedFigure sides[3] = {emu::Line(3, 0, 3, -2), emu::Line(3, -2, 7, -2), emu::Line(7, -2, 7, 0)};
    ZedId made = call([&] { return ZedFigCreateFigure(piece, &sides[2]); });
    for (int i = 1; i >= 0 && made != -1; --i) {
        const ZedFigRef madeRef = Ref(made);
        if (call([&] { return ZedFigSetLineType2(&madeRef, &attributes); }) == -1) {
            return false;
        }
        made = call([&] { return ZedFigInsertFigure(made, &sides[i]); });
    }
    if (made == -1) {
        return false;
    }
    const ZedFigRef firstSide = Ref(made);
    return call([&] { return ZedFigSetLineType2(&firstSide, &attributes); }) != -1 &&
           call([&] { return ZedSgmChangeLayer(piece, kLayer); }) != -1 &&
           call([&] { return ZedFigConcat(divided, piece); }) != -1 &&
           call([&] { return ZedFigSetClosed(divided, 1); }) != -1;
}

// Takes the tab out again as the delete mode does: delete its three sides,
// drop the piece before it, stretch the piece after it back and close.
bool RemoveTab(Stepper& call, ZedId square, const std::vector<ZedId>& tab, ZedId before, ZedId after) {
    for (ZedId side : tab) {
        if (call([&] { return ZedElmDeleteElement(side); }) == -1) {
            return false;
        }
    }
    ZedFigure afterFigure{};
    const ZedFigRef afterRef = Ref(after);
    if (call([&] { return ZedElmDeleteElement(before); }) == -1 ||
        call([&] { return ZedFigGetFigure(&afterRef, &afterFigure); }) == -1) {
        return false;
    }
    afterFigure.v[0] = 0;
    return call([&] { return ZedFigAmendFigure(&afterRef, &afterFigure); }) != -1 &&
           call([&] { return ZedFigSetClosed(square, 1); }) != -1;
}

struct Scenario {
    std::function<void()> setUp;  // lays out the drawing with no faults armed
    Script script;
};

class OutlineFaultTest : public EmuDrawingTest {
protected:
    // Runs the script once without faults, then once failing each of its calls in turn.
    void StepThroughFaults(const Scenario& scenario, double expectedArea) {
        scenario.setUp();
        emu::ResetCallLog();
        Stepper clean;
        ASSERT_TRUE(scenario.script(clean));
        const std::vector<emu::Change> reference = emu::Journal();
        const int calls = emu::CallCount();
        EXPECT_EQ(emu::CheckAllIntegrity(), "");
        ASSERT_EQ(emu::SegmentIds().size(), 1u);
        const ZedId outline = emu::SegmentIds()[0];
        EXPECT_TRUE(emu::SegmentClosed(outline));
        EXPECT_NEAR(SignedArea(ChainFigures(outline)), expectedArea, 1e-9);

        for (int n = 1; n <= calls; ++n) {
            emu::Reset();
            SetUp();
            scenario.setUp();
            emu::ResetCallLog();
            emu::FailNthCall(n);
            Stepper faulty;
            EXPECT_FALSE(scenario.script(faulty)) << "call " << n;
            EXPECT_EQ(faulty.failures(), 1) << "call " << n;
            EXPECT_FALSE(faulty.failureChanged()) << "call " << n << " " << emu::CallLog().back();
            EXPECT_EQ(emu::CallCount(), n);
            EXPECT_EQ(emu::InjectedFailures(), 1);

            std::vector<emu::Change> prefix;
            for (const emu::Change& change : reference) {
                if (change.call < n) {
                    prefix.push_back(change);
                }
            }
            const std::vector<emu::Change> journal = emu::Journal();
            ASSERT_EQ(journal.size(), prefix.size()) << "call " << n << "\n" << JournalText();
            for (size_t i = 0; i < prefix.size(); ++i) {
                EXPECT_EQ(journal[i].call, prefix[i].call);
                EXPECT_EQ(journal[i].name, prefix[i].name);
                EXPECT_EQ(journal[i].description, prefix[i].description);
            }
        }
    }
};

TEST_F(OutlineFaultTest, EachFailingCallOfASpliceLeavesOnlyTheChangesBeforeIt) {
    ZedId square = -1;
    const Scenario splice{[&] {
                              square = SetUpSquare();
                              emu::SetCurrentLayer(2);
                          },
                          [&](Stepper& call) { return SpliceTab(call, square); }};
    StepThroughFaults(splice, 108);
    // The clean run's last state is gone; run it once more to look at the result.
    emu::Reset();
    SetUp();
    splice.setUp();
    Stepper call;
    ASSERT_TRUE(splice.script(call));
    const std::vector<ZedId> chain = emu::Chain(square);
    ASSERT_EQ(chain.size(), 8u);
    for (size_t i = 5; i < 8; ++i) {
        EXPECT_EQ(emu::AttributesOf(chain[i]).colour, kPickedAttributes.colour);
        EXPECT_EQ(emu::AttributesOf(chain[i]).lineType, kPickedAttributes.lineType);
    }
}

TEST_F(OutlineFaultTest, EachFailingCallOfAnOutlineRestoreLeavesOnlyTheChangesBeforeIt) {
    ZedId square = -1;
    std::vector<ZedId> tab;
    ZedId before = -1;
    ZedId after = -1;
    const Scenario restore{[&] {
                               square = SetUpSquare();
                               Stepper call;
                               ASSERT_TRUE(SpliceTab(call, square));
                               const std::vector<ZedId> chain = emu::Chain(square);
                               after = chain[0];
                               before = chain[4];
                               tab.assign(chain.begin() + 5, chain.end());
                           },
                           [&](Stepper& call) { return RemoveTab(call, square, tab, before, after); }};
    StepThroughFaults(restore, 100);
}

}  // namespace
