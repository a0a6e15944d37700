// What a rectangular tab (plan patterns A and B) draws beside its sides: the
// cut line across its base, the hole and the hole's two notes. The patterns
// differ only in which settings they read, one row each.
#ifndef LEDGEWRIGHT_PATTERNS_TAB_EXTRAS_H
#define LEDGEWRIGHT_PATTERNS_TAB_EXTRAS_H

#include "base/pattern.h"
#include "geometry/tab_placement.h"
#include "host/zedlib.h"
#include "settings/shoulder_settings.h"

struct TabExtrasRow {
    // The pattern whose hole row and note texts the extras take.
    Pattern pattern;
    int ShoulderSettingsRecord::*lineDraw;   // draw the cut line when not 0
    int ShoulderSettingsRecord::*lineValue;  // 0: the picked line's colour, solid
    int ShoulderSettingsRecord::*colour;
    int ShoulderSettingsRecord::*lineType;
    int ShoulderSettingsRecord::*holeDraw;   // make the hole and its notes when not 0
    int ShoulderSettingsRecord::*holeKind;   // 0: the MC hole, otherwise the shaped hole
    ZedString ShoulderSettingsRecord::*holeWidth;  // the clearance h, as text
};

extern const TabExtrasRow kPlaneATabExtras;
extern const TabExtrasRow kPlaneBTabExtras;

// The hole's clearance h, read as a number.
double TabHoleClearance(const TabExtrasRow& row);

// The cut line from P1 to P2 on the outline's layer, when the row draws one;
// lineColour is the picked line's colour.
bool DrawTabCutLine(const TabExtrasRow& row, const ShoulderCorners& c, ZedId layer, int lineColour);

// The MC hole about the centre through the far corners, or the shaped hole
// along the base, when the row makes one.
bool MakeTabHole(const TabExtrasRow& row, ZedId outline, ZedPoint centre, const ShoulderCorners& c);

// The drilling-side note (slot 2) and the depth note (slot 1) about the
// centre, when the row makes a hole.
bool MakeTabNotes(const TabExtrasRow& row, ZedPoint centre, const ShoulderCorners& c);

#endif  // LEDGEWRIGHT_PATTERNS_TAB_EXTRAS_H
