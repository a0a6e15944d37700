// Each pattern's own host callbacks: the host calls ready and execute
// functions without context, so every pattern gets its set, made from its
// row of the pattern table, and each merely hands its row to the states.
#include "command/pick_dialogue.h"

#include <array>
#include <utility>

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

template <size_t... I>
constexpr std::array<ZedReadyFunc, sizeof...(I)> LinePickReadies(std::index_sequence<I...>) {
    return {Dialogue<kAllPatterns[I]>::LinePickReadyFn...};
}

}  // namespace

ZedReadyFunc LinePickReadyOf(Pattern pattern) {
    // kAllPatterns lists the patterns in their order, so a pattern's value is its index.
    static constexpr auto readies = LinePickReadies(std::make_index_sequence<kAllPatterns.size()>{});
    return readies[static_cast<size_t>(pattern)];
}
