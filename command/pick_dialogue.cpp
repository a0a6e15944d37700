// Each pattern's own host callbacks: the host calls ready and execute
// functions without context, so every pattern gets its set, made from its
// row of the pattern table, and each merely hands its row to the states.
#include "command/pick_dialogue.h"

#include "command/dialogue_states.h"

namespace {

template <Pattern P>
struct Dialogue {
    // Every pattern given a dialogue has a row (the pattern table's tests
    // check each keyword that leads to one).
    static const PatternRow& Row() { return *PatternRowOf(P); }

    static int LinePickReadyFn() { return LinePickReady(Row(), kCallbacks); }
    static int LinePickExecuteFn(int type, ZedEvent* event) { return LinePickExecute(Row(), kCallbacks, type, event); }
    static int DimensionPickReadyFn() { return DimensionPickReady(Row(), kCallbacks); }
    static int DimensionPickExecuteFn(int type, ZedEvent* event) {
        return DimensionPickExecute(Row(), kCallbacks, type, event);
    }
    static int ValueEntryReadyFn() { return EntryReady(ValueEntryExecuteFn); }
    static int ValueEntryExecuteFn(int type, ZedEvent* event) {
        return ValueEntryExecute(Row(), kCallbacks, type, event);
    }
    static int DepthEntryReadyFn() { return EntryReady(DepthEntryExecuteFn); }
    static int DepthEntryExecuteFn(int type, ZedEvent* event) {
        return DepthEntryExecute(Row(), kCallbacks, type, event);
    }

    static constexpr DialogueCallbacks kCallbacks{LinePickExecuteFn,  DimensionPickReadyFn, DimensionPickExecuteFn,
                                                  ValueEntryReadyFn,  ValueEntryExecuteFn,  DepthEntryReadyFn,
                                                  DepthEntryExecuteFn};
};

}  // namespace

int PlaneALinePickReady() { return Dialogue<Pattern::PlaneA>::LinePickReadyFn(); }
int PlaneBLinePickReady() { return Dialogue<Pattern::PlaneB>::LinePickReadyFn(); }
int PlaneCLinePickReady() { return Dialogue<Pattern::PlaneC>::LinePickReadyFn(); }
int PlaneDLinePickReady() { return Dialogue<Pattern::PlaneD>::LinePickReadyFn(); }
int SideALinePickReady() { return Dialogue<Pattern::SideA>::LinePickReadyFn(); }
int SideBLinePickReady() { return Dialogue<Pattern::SideB>::LinePickReadyFn(); }
int SideCLinePickReady() { return Dialogue<Pattern::SideC>::LinePickReadyFn(); }
int SideDLinePickReady() { return Dialogue<Pattern::SideD>::LinePickReadyFn(); }
