// The end step that side patterns A and B build on a side view: over the
// stretch of the picked line of length H = mMainHeight from the end nearer the
// pick, the outline is moved sideways by C = mMainProtrude, out of the plate.
// In chain order along the line S→E the step's points are F1, A1, A2, F2:
// F1 = S and F2 = Q for a pick nearer S, F1 = Q and F2 = E otherwise, with Q
// on the line H from the near end and A1, A2 = F1, F2 moved C along n.
//
// What the two patterns share: the build up to the joined, closed outline,
// the step's two dimensions, its memory, and the changes of its offset and
// length as resumable steps (geometry/unfinished_change.h).
#ifndef LEDGEWRIGHT_PATTERNS_SIDE_STEP_H
#define LEDGEWRIGHT_PATTERNS_SIDE_STEP_H

#include <functional>
#include <vector>

#include "geometry/length_dimension.h"
#include "geometry/picked_line.h"
#include "geometry/shoulder_memory.h"
#include "geometry/tab_placement.h"
#include "geometry/unfinished_change.h"
#include "holes/cut_line.h"
#include "host/zedlib.h"

struct SideStep {
    PickedLine line;
    bool atStart = false;  // the near end is S
    OutwardSide side;       // n, and whether it points right of S→E
    ShoulderCorners c;     // p1 = F1, q1 = A1, q2 = A2, p2 = F2
    ShoulderPiece tail;    // the element that ends at F1
    ShoulderPiece head;    // the element that starts at F2
    std::vector<ZedId> sides;  // first, inner, second side
};

// Where the step goes on the line S→E for a pick at p (a pick exactly in the
// middle takes E), with the offset direction n and the sizes H and C.
SideStep PlaceSideStep(ZedPoint s, ZedPoint e, ZedPoint picked, const OutwardSide& side, double height,
                       double protrusion);

// The line S→E as the outline holds it with the step at the corners.
std::vector<ZedFigure> SideStepPieces(ZedPoint s, ZedPoint e, const ShoulderCorners& c);

// Forgets the last shoulder, reads the picked line, refuses sizes that are
// no positive numbers, a line not longer than H and a step that would break
// the outline (all before any change), frees the corner at the near end,
// cuts the outline at Q, removes the near piece and joins the three sides in.
// Reports and fails with the step's own message.
bool BuildSideStep(ZedPoint picked, ZedId element, ZedId segment, ZedId instance, SideStep& step);

// The step's offset dimension F1→A1 (slot 7) and length dimension A1→A2
// (slot 6), offset 10 (-10 for a flipped step), their points referenced to
// the given elements. A dimension segment the host refuses fails silently.
bool MakeSideStepDimensions(const SideStep& step, ZedId firstElement, ZedId secondElement);

// The step into the shoulder memory: its sides, the tail and head, the piece
// left of the picked line and n.
void RememberSideStep(const SideStep& step);

// Tags the step's segment as the shoulder.
void TagSideStep();

// A dimension the change moves: its slot, new points and amend message.
struct DimensionMove {
    int slot;
    ZedPoint first;
    ZedPoint second;
    const ZedChar* amendFailure;
};

// One element the change amends through the shoulder memory.
struct PieceAmend {
    ShoulderPiece ShoulderMemory::*piece;
    ZedFigure record;
    const ZedChar* failure;
};

// A change of the remembered step, worked out from the shoulder as the change
// found it: a refusal, or the stretch of the outline it replaces and with
// what, the step's new corners (p2 / p1 the moved end K' of a length change),
// the amends, the dimensions and the cut line's new ends.
struct SideStepPlan {
    const ZedChar* refusal = nullptr;
    bool changesOutline = true;  // false: the pieces are not checked
    ZedPoint from{};
    ZedPoint to{};
    std::vector<ZedFigure> pieces;
    ShoulderCorners c{};
    bool atStart = true;  // the step sits at the start of the picked line
    std::vector<PieceAmend> amends;
    std::vector<DimensionMove> dimensions;
    bool moveCutLine = false;
    ZedPoint cutStart{};
    ZedPoint cutEnd{};
    // What else the memory takes in once the amends are made (may be empty).
    std::function<void()> remember;
};

// Offset (edit mode 1) and length (edit mode 2) changes of the step.
SideStepPlan PlanSideOffset(const ShoulderMemory& before, double offset);
SideStepPlan PlanSideLength(const ShoulderMemory& before, double length);

// Whether a change opened with BeginChange may go ahead: false, with the
// message, when the plan is refused or would break the outline.
bool CheckSideStepPlan(const SideStepPlan& plan);

// Opens a change of the step to the typed value: a value that is not a finite
// number is refused before anything changes; otherwise the change begins and
// the pattern's plan for the edit mode is checked as above.
bool BeginSideStepChange(int editMode, double value, SideStepPlan (*plan)(int editMode, double value));

// The plan's steps: each amend, the memory taking the records, the
// dimensions, the cut line (when drawn), then the tag.
std::vector<ChangeStep> SideStepSteps(const SideStepPlan& plan, int lineDraw);

#endif  // LEDGEWRIGHT_PATTERNS_SIDE_STEP_H
