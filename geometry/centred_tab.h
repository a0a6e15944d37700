// A rectangle spliced into a straight line of a closed outline about a point
// on it (plan pattern B's tab, side pattern C's recess): the outline is
// opened at that point, the three sides are built as a chain of their own,
// the two halves of the line are shortened to the mouth and the chain is
// joined in. The sides stand out of the outline or cut into it according to
// the corners given.
#ifndef LEDGEWRIGHT_GEOMETRY_CENTRED_TAB_H
#define LEDGEWRIGHT_GEOMETRY_CENTRED_TAB_H

#include <vector>

#include "geometry/length_dimension.h"
#include "geometry/picked_line.h"
#include "geometry/shoulder_memory.h"
#include "geometry/tab_placement.h"
#include "host/zedlib.h"

// The two halves of the picked line and their neighbours beyond, as the
// outline holds them once it is opened at the centre.
struct OpenedLine {
    ShoulderPiece tail;
    ShoulderPiece beforeTail;
    ShoulderPiece head;
    ShoulderPiece afterHead;
};

// The texts of reading the halves and their neighbours once the outline is
// opened, which the patterns number differently: plan pattern B "(32)" for the
// head and the element after it and "(33)" for the tail and the element
// before it, side pattern C "(32)" for the head and the tail and "(33)" for
// the two neighbours.
struct OpenedLineMessages {
    const ZedChar* head;
    const ZedChar* afterHead;
    const ZedChar* tail;
    const ZedChar* beforeTail;
};
extern const OpenedLineMessages kPlaneBOpenedLineMessages;
extern const OpenedLineMessages kSideCOpenedLineMessages;

// Opens the outline at the centre; its head element is then the half from
// the centre to E and its tail the half from S (either stored either way
// round). "(31)" for the division. The head, the element after it, the tail
// and the element before it are read in that order. Where the outline holds
// the line as a run of pieces, the pieces wholly inside the mouth P1–P2 go
// ("요소를 삭제할 수 없습니다.(33)" on the head's side, "(32)" on the tail's),
// so that the halves read are the pieces the mouth's edges lie on.
bool OpenAtCentre(const PickedLine& line, const ShoulderCorners& corners, ZedPoint centre,
                  const OpenedLineMessages& messages, OpenedLine& opened);

// Builds the sides P1→Q1, Q1→Q2, Q2→P2 in a chain on the outline's layer,
// shortens the halves to P1 and P2 and joins and closes the outline. sides
// receives the three new elements.
bool SpliceCentredSides(const PickedLine& line, const ShoulderCorners& corners, ZedPoint centre, OpenedLine& opened,
                        std::vector<ZedId>& sides);

// Fills the shoulder memory: the halves, their neighbours, the sides at the
// corners and the half that the distance dimension measures.
void RememberCentredShoulder(ZedId instance, const ShoulderCorners& corners, const OpenedLine& opened,
                             const std::vector<ZedId>& sides, bool fromStart);

#endif  // LEDGEWRIGHT_GEOMETRY_CENTRED_TAB_H
