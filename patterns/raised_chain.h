// The raised chain of plan patterns C and D: an open chain of three lines
// beside the picked line, which itself stays in the outline unchanged: out
// from the line's start S to S', along the moved line to E', and back to the
// line's end E. The chain is a segment of its own on the outline's layer.
#ifndef LEDGEWRIGHT_PATTERNS_RAISED_CHAIN_H
#define LEDGEWRIGHT_PATTERNS_RAISED_CHAIN_H

#include <vector>

#include "geometry/outline.h"
#include "geometry/picked_line.h"
#include "geometry/unfinished_change.h"
#include "host/zedlib.h"

// The chain's line attributes: the pattern's own colour and line type when
// ownStyle is not 0, otherwise the picked line's.
struct RaisedChainStyle {
    int ownStyle = 0;
    int colour = 0;
    int lineType = 0;
};

struct RaisedChain {
    PickedLine line;
    LocatedElement located;
    OutwardSide side;
    ZedPoint m{};        // the midpoint of S and E
    ZedPoint sRaised{};  // S' = S + T·n
    ZedPoint eRaised{};  // E' = E + T·n
    std::vector<ZedId> ids;  // first side, inner side, second side
    ZedId segment = -1;
};

// Forgets the last shoulder and reads the picked line, the chain's attributes,
// the outline's layer and list; then finds the side and the corners at depth
// T = mMainProtrude. Refuses (before any change) a depth that is not a usable
// size or a chain that would cross the outline. Reports and fails.
bool PlanRaisedChain(ZedId element, ZedId segment, ZedId instance, const RaisedChainStyle& style,
                     RaisedChain& chain);

// Draws the chain in a new segment and moves it to the outline's layer.
bool DrawRaisedChain(RaisedChain& chain);

// The shoulder memory of the chain: its three sides, and the picked line's
// neighbours in the outline as the tail and head pieces ("(32)" when their
// records cannot be found).
bool RememberRaisedChain(const RaisedChain& chain);

// The depth dimension S → S' in slot 7, both points on the first side.
bool MakeRaisedDepthDimension(const RaisedChain& chain);

// Tags the chain's segment as the shoulder.
void TagRaisedChain();


// Opens a depth change of the remembered chain (edit mode 1) to the value:
// refused before any change when the moved chain would have a piece of no
// length, a value that is not a number, or would cross the outline (a chain
// along the outline is accepted: the outline does not change).
bool BeginRaisedDepthChange(int editMode, double value);

// The steps of the depth change as the unfinished change describes it: the
// three sides amended ("(11)" to "(13)"), taken into the memory, the depth
// dimension moved (dimensionNotRead when it cannot be read), then `follow`
// with the new corners (the hole) and the tag.
std::vector<ChangeStep> PlanRaisedDepth(const ZedChar* dimensionNotRead, bool (*follow)(const RaisedCorners&));

#endif  // LEDGEWRIGHT_PATTERNS_RAISED_CHAIN_H
