// The operations of plan pattern A that the fault-injection tests run again
// and again, each from a freshly laid-out drawing, with the host's N-th call
// failed: builds (centre placement with cut line, MC hole and notes; full-line
// placement between a chamfer and a fillet; a shaped hole) and rebuilds of a
// centre shoulder (depth, narrower width, whole-line width, and a narrower
// width on a whole-line shoulder), and the retry of a rebuild that failed.
#ifndef LEDGEWRIGHT_TESTS_PLANEA_FAULT_SCENARIOS_H
#define LEDGEWRIGHT_TESTS_PLANEA_FAULT_SCENARIOS_H

#include <string>
#include <vector>

#include "patterns/plane_c.h"
#include "patterns/plane_d.h"
#include "patterns/side_a.h"
#include "patterns/side_b.h"
#include "patterns/side_c.h"
#include "tests/planea/planea_fixture.h"

enum class FaultOp {
    BuildCentre,
    BuildFullLine,
    BuildShapedHole,
    RebuildDepth,
    RebuildNarrower,
    RebuildWholeLine,
    RebuildGiveLineBack,
    BuildB,
    RebuildBDepth,
    RebuildBWidth,
    RebuildBDistance,
    // Plan patterns C and D on the rectangle's bottom edge.
    BuildPlaneC,
    BuildPlaneCShapedHole,
    RebuildPlaneCDepth,
    BuildPlaneD,
    RebuildPlaneDDepth,
    RebuildPlaneDRadius,
    // Side patterns A and B at the start (A) and the end (B) of the
    // rectangle's bottom edge.
    BuildSideA,
    BuildSideABesideFillet,
    RebuildSideAOffset,
    RebuildSideALength,
    BuildSideB,
    RebuildSideBOffset,
    RebuildSideBLength,
    RebuildSideBDisplay,
    // Side pattern C on the rectangle's bottom edge, picked as pattern B is.
    BuildSideC,
    RebuildSideCDepth,
    RebuildSideCWidth,
    RebuildSideCDistance,
};

inline bool IsPlaneCOp(FaultOp op) {
    return op == FaultOp::BuildPlaneC || op == FaultOp::BuildPlaneCShapedHole || op == FaultOp::RebuildPlaneCDepth;
}
inline bool IsPlaneDOp(FaultOp op) {
    return op == FaultOp::BuildPlaneD || op == FaultOp::RebuildPlaneDDepth || op == FaultOp::RebuildPlaneDRadius;
}
inline bool IsSideCRebuildOp(FaultOp op) {
    return op == FaultOp::RebuildSideCDepth || op == FaultOp::RebuildSideCWidth || op == FaultOp::RebuildSideCDistance;
}
inline bool IsPlaneBRebuildOp(FaultOp op) {
    return op == FaultOp::RebuildBDepth || op == FaultOp::RebuildBWidth || op == FaultOp::RebuildBDistance;
}
inline bool IsSideARebuildOp(FaultOp op) { return op == FaultOp::RebuildSideAOffset || op == FaultOp::RebuildSideALength; }
inline bool IsSideBRebuildOp(FaultOp op) {
    return op == FaultOp::RebuildSideBOffset || op == FaultOp::RebuildSideBLength || op == FaultOp::RebuildSideBDisplay;
}
// A rebuild of a shoulder of plan pattern A, C or D (B's are prepared apart).
inline bool IsRebuildOp(FaultOp op) {
    return (op >= FaultOp::RebuildDepth && op <= FaultOp::RebuildGiveLineBack) || op == FaultOp::RebuildPlaneCDepth ||
           op == FaultOp::RebuildPlaneDDepth || op == FaultOp::RebuildPlaneDRadius;
}

inline const char* FaultOpName(FaultOp op) {
    switch (op) {
        case FaultOp::BuildCentre: return "BuildCentre";
        case FaultOp::BuildFullLine: return "BuildFullLine";
        case FaultOp::BuildShapedHole: return "BuildShapedHole";
        case FaultOp::RebuildDepth: return "RebuildDepth";
        case FaultOp::RebuildNarrower: return "RebuildNarrower";
        case FaultOp::RebuildWholeLine: return "RebuildWholeLine";
        case FaultOp::RebuildGiveLineBack: return "RebuildGiveLineBack";
        case FaultOp::BuildB: return "BuildB";
        case FaultOp::RebuildBDepth: return "RebuildBDepth";
        case FaultOp::RebuildBWidth: return "RebuildBWidth";
        case FaultOp::RebuildBDistance: return "RebuildBDistance";
        case FaultOp::BuildPlaneC: return "BuildPlaneC";
        case FaultOp::BuildPlaneCShapedHole: return "BuildPlaneCShapedHole";
        case FaultOp::RebuildPlaneCDepth: return "RebuildPlaneCDepth";
        case FaultOp::BuildPlaneD: return "BuildPlaneD";
        case FaultOp::RebuildPlaneDDepth: return "RebuildPlaneDDepth";
        case FaultOp::RebuildPlaneDRadius: return "RebuildPlaneDRadius";
        case FaultOp::BuildSideA: return "BuildSideA";
        case FaultOp::BuildSideABesideFillet: return "BuildSideABesideFillet";
        case FaultOp::RebuildSideAOffset: return "RebuildSideAOffset";
        case FaultOp::RebuildSideALength: return "RebuildSideALength";
        case FaultOp::BuildSideB: return "BuildSideB";
        case FaultOp::RebuildSideBOffset: return "RebuildSideBOffset";
        case FaultOp::RebuildSideBLength: return "RebuildSideBLength";
        case FaultOp::RebuildSideBDisplay: return "RebuildSideBDisplay";
        case FaultOp::BuildSideC: return "BuildSideC";
        case FaultOp::RebuildSideCDepth: return "RebuildSideCDepth";
        case FaultOp::RebuildSideCWidth: return "RebuildSideCWidth";
        case FaultOp::RebuildSideCDistance: return "RebuildSideCDistance";
    }
    return "?";
}

// What one run with a failed call left behind.
struct FaultOutcome {
    bool done = false;
    int injected = 0;              // calls failed by injection (0: the run ended before call n)
    std::string failedCall;        // the name of call n
    std::vector<std::string> reports;  // error line and message boxes, in order
    std::vector<std::string> notices;  // plain messages
    std::vector<emu::Change> journal;
    std::vector<std::string> calls;
    std::vector<std::string> protocolErrors;
    int liveHoleData = 0;
    bool outlineClosed = false;
    std::string integrity;
};

class PlaneAFaultTest : public PlaneATest {
protected:
    // A new drawing with the operation's plate and, for a rebuild, the
    // shoulder it works on; the call log, journal and messages start empty.
    void Prepare(FaultOp op) {
        SetUp();
        switch (op) {
            case FaultOp::BuildFullLine: {
                ShoulderSettings.PA_WidthValueDistance = 0.0;
                outline_ = AddPlate({plate::Pt(0, 0), plate::Pt(20, 0), plate::Pt(20, 50), plate::Pt(0, 50)}, false);
                const ZedId bottom = plate::LineBetween(outline_, plate::Pt(0, 0), plate::Pt(20, 0));
                const ZedId left = plate::LineBetween(outline_, plate::Pt(0, 50), plate::Pt(0, 0));
                ASSERT_GT(emu::AddFillet(bottom, 3.0), 0);
                ASSERT_GT(emu::AddChamfer(left, 2.0), 0);
                from_ = plate::Pt(2, 0);
                to_ = plate::Pt(17, 0);
                break;
            }
            case FaultOp::BuildSideABesideFillet: {
                // The rectangle with its corner before the bottom edge rounded.
                outline_ = AddPlate(plate::Rectangle(), false);
                ASSERT_GT(emu::AddFillet(plate::LineBetween(outline_, plate::Pt(0, 50), plate::Pt(0, 0)), 3.0), 0);
                from_ = plate::Pt(3, 0);
                to_ = plate::Pt(100, 0);
                break;
            }
            case FaultOp::BuildShapedHole:
                ShoulderSettings.PA_Hole = 1;
                [[fallthrough]];
            case FaultOp::BuildPlaneCShapedHole:
                ShoulderSettings.PC_Hole = 1;
                [[fallthrough]];
            default:
                outline_ = AddPlate(plate::Rectangle(), false);
                from_ = plate::Pt(0, 0);
                to_ = plate::Pt(100, 0);
                break;
        }
        if (IsRebuildOp(op)) {
            const ZedId line = plate::LineBetween(outline_, from_, to_);
            ASSERT_TRUE(IsPlaneCOp(op)   ? BuildPlaneC(line, outline_, 0)
                        : IsPlaneDOp(op) ? BuildPlaneD(line, outline_, 0)
                                         : BuildPlaneA(line, outline_, 0));
        }
        if (IsPlaneBRebuildOp(op)) {
            ASSERT_TRUE(BuildBOn(outline_, from_, to_, kBPick));
        }
        if (IsSideARebuildOp(op)) {
            ASSERT_TRUE(BuildSideA(kSidePick, plate::LineBetween(outline_, from_, to_), outline_, 0));
        }
        if (IsSideBRebuildOp(op)) {
            ASSERT_TRUE(BuildSideB(kSidePickAtEnd, plate::LineBetween(outline_, from_, to_), outline_, 0));
        }
        if (IsSideCRebuildOp(op)) {
            ASSERT_TRUE(BuildSideC(kBPick, plate::LineBetween(outline_, from_, to_), outline_, 0));
        }
        if (op == FaultOp::RebuildGiveLineBack) {
            ASSERT_TRUE(Rebuild(kEditSecond, 100.0));
        }
        emu::ClearMessages();
        emu::ResetCallLog();
    }

    bool Run(FaultOp op) {
        switch (op) {
            case FaultOp::BuildCentre:
            case FaultOp::BuildFullLine:
            case FaultOp::BuildShapedHole:
                return BuildPlaneA(picked_ = plate::LineBetween(outline_, from_, to_), outline_, 0);
            case FaultOp::RebuildDepth:
                return Rebuild(kEditFirst, 8.0);
            case FaultOp::RebuildNarrower:
                return Rebuild(kEditSecond, 10.0);
            case FaultOp::RebuildWholeLine:
                return Rebuild(kEditSecond, 100.0);
            case FaultOp::RebuildGiveLineBack:
                return Rebuild(kEditSecond, 30.0);
            case FaultOp::BuildB:
                return BuildBOn(outline_, from_, to_, kBPick);
            case FaultOp::RebuildBDepth:
                return RebuildB(kEditFirst, 8.0);
            case FaultOp::RebuildBWidth:
                return RebuildB(kEditSecond, 12.0);
            case FaultOp::RebuildBDistance:
                return RebuildB(kEditThird, 30.0);
            case FaultOp::BuildPlaneC:
            case FaultOp::BuildPlaneCShapedHole:
                return BuildPlaneC(picked_ = plate::LineBetween(outline_, from_, to_), outline_, 0);
            case FaultOp::RebuildPlaneCDepth:
                Picks().editMode = kEditFirst;
                return RebuildPlaneC(Picks().editMode, 8.0);
            case FaultOp::BuildPlaneD:
                return BuildPlaneD(picked_ = plate::LineBetween(outline_, from_, to_), outline_, 0);
            case FaultOp::RebuildPlaneDDepth:
                Picks().editMode = kEditFirst;
                return RebuildPlaneD(Picks().editMode, 8.0);
            case FaultOp::RebuildPlaneDRadius:
                Picks().editMode = kEditSecond;
                return RebuildPlaneD(Picks().editMode, 4.5);
            case FaultOp::BuildSideA:
            case FaultOp::BuildSideABesideFillet:
                return BuildSideA(kSidePick, picked_ = plate::LineBetween(outline_, from_, to_), outline_, 0);
            case FaultOp::RebuildSideAOffset:
            case FaultOp::RebuildSideBOffset:
                Picks().editMode = kEditFirst;
                return op == FaultOp::RebuildSideAOffset ? RebuildSideA(Picks().editMode, 8.0) : RebuildSideB(Picks().editMode, 8.0);
            case FaultOp::RebuildSideALength:
            case FaultOp::RebuildSideBLength:
                Picks().editMode = kEditSecond;
                return op == FaultOp::RebuildSideALength ? RebuildSideA(Picks().editMode, 30.0) : RebuildSideB(Picks().editMode, 30.0);
            case FaultOp::BuildSideB:
                return BuildSideB(kSidePickAtEnd, picked_ = plate::LineBetween(outline_, from_, to_), outline_, 0);
            case FaultOp::RebuildSideBDisplay:
                Picks().editMode = kEditThird;
                return RebuildSideB(Picks().editMode, 4.0);
            case FaultOp::BuildSideC:
                return BuildSideC(kBPick, picked_ = plate::LineBetween(outline_, from_, to_), outline_, 0);
            case FaultOp::RebuildSideCDepth:
                Picks().editMode = kEditFirst;
                return RebuildSideC(Picks().editMode, 8.0);
            case FaultOp::RebuildSideCWidth:
                Picks().editMode = kEditSecond;
                return RebuildSideC(Picks().editMode, 12.0);
            case FaultOp::RebuildSideCDistance:
                Picks().editMode = kEditThird;
                return RebuildSideC(Picks().editMode, 30.0);
        }
        return false;
    }

    // Runs the operation with the n-th host call (from 1) failed; n = 0 runs
    // it clean.
    FaultOutcome RunWithFault(FaultOp op, int n) {
        Prepare(op);
        if (n > 0) {
            emu::FailNthCall(n);
        }
        FaultOutcome outcome;
        outcome.done = Run(op);
        outcome.injected = emu::InjectedFailures();
        emu::ClearFaults();
        outcome.calls = emu::CallLog();
        if (n > 0 && static_cast<size_t>(n) <= outcome.calls.size()) {
            outcome.failedCall = outcome.calls[static_cast<size_t>(n - 1)];
        }
        for (const emu::Message& message : emu::Messages()) {
            (message.channel == emu::Channel::Prompt ? outcome.notices : outcome.reports).push_back(message.text);
        }
        outcome.journal = emu::Journal();
        outcome.protocolErrors = emu::ProtocolErrors();
        outcome.liveHoleData = emu::LiveHoleData();
        outcome.outlineClosed = emu::SegmentClosed(outline_);
        outcome.integrity = emu::CheckIntegrity(outline_);
        return outcome;
    }

    // Runs the operation with the n-th host call failed and, when that made it
    // fail, once more as the user's retry of the same value (the value entry
    // stays after a failed rebuild).
    struct Retried {
        bool pastTheEnd = false;  // the n-th call was past the operation's last
        bool retried = false;     // the failure stopped the operation
        std::string drawing;      // as the host dumps it after the retry
        std::string where;
    };
    Retried RunAndRetry(FaultOp op, int n) {
        Prepare(op);
        emu::FailNthCall(n);
        const bool done = Run(op);
        Retried outcome;
        outcome.pastTheEnd = emu::InjectedFailures() == 0;
        emu::ClearFaults();
        const std::vector<std::string> calls = emu::CallLog();
        outcome.where = std::string(FaultOpName(op)) + ", call " + std::to_string(n) + " " +
                        (static_cast<size_t>(n) <= calls.size() ? calls[static_cast<size_t>(n - 1)] : "");
        if (!done) {
            outcome.retried = true;
            EXPECT_TRUE(Run(op)) << outcome.where << ": the retry";
            outcome.drawing = emu::Dump();
        }
        return outcome;
    }

    // The position (from 1) of the k-th call of the name in a call log, 0 when
    // there is none.
    static int NthCallOf(const std::vector<std::string>& calls, const std::string& name, int k) {
        int seen = 0;
        for (size_t i = 0; i < calls.size(); ++i) {
            if (calls[i] == name && ++seen == k) {
                return static_cast<int>(i) + 1;
            }
        }
        return 0;
    }

    // Pattern B's pick, 12.6 from the start of the rectangle's bottom line.
    static constexpr ZedPoint kBPick{12.6, 0.0};
    // The side patterns' picks: A's near the start of that line, B's near
    // its end.
    static constexpr ZedPoint kSidePick{3.0, 0.0};
    static constexpr ZedPoint kSidePickAtEnd{97.0, 0.0};

    ZedId outline_ = -1;
    ZedId picked_ = -1;
    ZedPoint from_{};
    ZedPoint to_{};
};

#endif  // LEDGEWRIGHT_TESTS_PLANEA_FAULT_SCENARIOS_H
