#include "tagging/deletable_shoulder.h"

#include "geometry/figure_record.h"
#include "geometry/outline.h"
#include "geometry/outline_soundness.h"
#include "tagging/chain_walk.h"

namespace {

// The listed elements in chain order and their figures.
bool ReadRun(ZedId instance, size_t count, DeletableShoulder& shoulder) {
    ZedId id = shoulder.neighbours.first;
    for (size_t i = 0; i < count; ++i, id = NextInChain(id)) {
        const ZedFigRef ref{instance, id};
        ZedFigure figure{};
        if (id == -1 || ZedFigGetFigure(&ref, &figure) == -1) {
            return false;
        }
        shoulder.run.push_back(id);
        shoulder.sides.push_back(figure);
    }
    return true;
}

// The outline is joined again at a line, an arc or a corner; any other kind
// of element could not be joined.
bool IsJoinable(ZedId instance, ZedId element) {
    if (element == -1) {
        return true;
    }
    const ZedFigRef ref{instance, element};
    ZedFigure figure{};
    return ZedFigGetFigure(&ref, &figure) != -1 && (IsLineKind(figure.kind) || IsArcKind(figure.kind));
}

// The outline with the root in place of the shoulder, judged as a builder
// judges a change; an outline open at the shoulder is joined nowhere.
bool RootFits(ZedId instance, ZedId segment, const DeletableShoulder& shoulder, bool& fits) {
    fits = true;
    if (shoulder.neighbours.before == -1 || shoulder.neighbours.after == -1) {
        return true;
    }
    OutlineList outline;
    if (!ReadOutlineList(instance, segment, outline)) {
        return false;
    }
    const ShoulderRoot& root = shoulder.root;
    fits = CheckOutlineReplacement(outline, root.from, root.to, {MakeLine(root.from, root.to)}) ==
           OutlineSoundness::Sound;
    return true;
}

}  // namespace

ShoulderState ExamineShoulder(ZedId instance, ZedId segment, std::span<const ZedId> ids, DeletableShoulder& shoulder) {
    shoulder = DeletableShoulder{};
    bool fits = true;
    if (!FindChainNeighbours(segment, ids, shoulder.neighbours) || !ReadRun(instance, ids.size(), shoulder) ||
        !ShoulderRootOf(shoulder.sides, shoulder.root) || !IsJoinable(instance, shoulder.neighbours.before) ||
        !IsJoinable(instance, shoulder.neighbours.after) || !RootFits(instance, segment, shoulder, fits)) {
        return ShoulderState::NoShoulder;
    }
    return fits ? ShoulderState::Deletable : ShoulderState::Overlaps;
}
