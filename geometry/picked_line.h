// The line a plan-view shoulder is built on, read before the build changes
// anything: the picked element, its neighbours, its record in the outline
// list, its attributes and layer, and the side the shoulder stands out to.
// Each reader reports its own numbered message when the host refuses.
#ifndef LEDGEWRIGHT_GEOMETRY_PICKED_LINE_H
#define LEDGEWRIGHT_GEOMETRY_PICKED_LINE_H

#include "geometry/outline.h"
#include "geometry/tab_placement.h"
#include "host/zedlib.h"

// The picked line and what the build learns about it before it changes the
// drawing.
struct PickedLine {
    ZedFigRef ref{};
    ZedId segment = -1;  // the closed outline
    int kind = 0;        // of the picked figure as ZedFigGetFigure gives it (a chamfer 8)
    ZedFigure previous{};  // the neighbours as ZedFigGetFigure gives them,
    ZedFigure next{};      // corners with kinds 7 and 8
    ZedPoint s{};  // the line's start and end as its outline list holds them
    ZedPoint e{};
    int colour = 0;  // from the short line attributes
    int lineType = 0;
    ZedLineType2 attributes{};
    ZedId layer = -1;
};

enum class Neighbour { Previous, Next };

// The numbered texts the readers report with: plan and side patterns number
// the same failures differently.
struct PickedLineMessages {
    const ZedChar* element;         // the picked element or its neighbours
    const ZedChar* records;         // the outline list, the records, the in/out test
    const ZedChar* notALine;        // the line's record is no straight line
    const ZedChar* pickNotALine;    // the picked figure itself is no line (kind 1); null: not asked
    const ZedChar* shortAttributes;
    const ZedChar* fullAttributes;
    const ZedChar* layer;
};
extern const PickedLineMessages kPlanLineMessages;
extern const PickedLineMessages kSideLineMessages;

// The element before (after) the given one, or the segment's tail (head) when
// the element starts (ends) the chain: the outline is closed.
ZedId WrappedNeighbour(ZedId element, ZedId segment, Neighbour which);

// The picked element and its neighbours' figures.
bool ReadPickedElement(PickedLine& line, const PickedLineMessages& messages = kPlanLineMessages);

// The picked line's record and its neighbours' in the outline list, which is
// read once and kept for the in/out test and the room check ("(22)").
bool ReadOutlineRecords(PickedLine& line, LocatedElement& at,
                        const PickedLineMessages& messages = kPlanLineMessages);

// The opening of the tab builders (plan patterns A and B, side pattern C): the
// last shoulder is forgotten, the picked line read, and the shared width and
// depth checked, which are stored as typed and never range-checked. False
// after the failure has been reported.
bool BeginTabBuild(ZedFigRef picked, ZedId segment, PickedLine& line, LocatedElement& located);

// The line's short and full attributes and the outline's layer.
bool ReadAttributes(PickedLine& line, const PickedLineMessages& messages = kPlanLineMessages);

// What every builder reads first about the picked element of the outline
// (segment): the element and its neighbours, their records in the outline
// list, and the line's attributes and layer. False after the failure has been
// reported.
bool ReadPickedLine(ZedFigRef picked, ZedId segment, PickedLine& line, LocatedElement& located,
                    const PickedLineMessages& messages = kPlanLineMessages);

// Which way the shoulder stands out: the host's in/out test of a point just
// left of the line beside m, its answer turned into a side by fromAnswer (a
// recess turns it the other way).
bool FindSide(const PickedLine& line, const OutlineList& outline, ZedPoint m, OutwardSide& side,
              const PickedLineMessages& messages = kPlanLineMessages,
              OutwardSide (*fromAnswer)(double theta, int inOutAnswer) = OutwardSideFromAnswer);

// A filleted or chamfered corner beside the picked line (kind as the
// neighbour's figure gives it) becomes a plain arc or line before the line
// next to it changes. A corner that stays is only worth a notice ("(11)"
// before the line, "(12)" after it).
void FreeCorner(const PickedLine& line, Neighbour which, int kind);


#endif  // LEDGEWRIGHT_GEOMETRY_PICKED_LINE_H
