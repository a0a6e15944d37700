// The two edits the user makes on a hole by picking one of its notes: turning
// the hole over (the drilling-side note) and typing a new depth (the depth
// note). The pick dialogue calls them with its pattern's row.
#ifndef LEDGEWRIGHT_HOLES_HOLE_EDITS_H
#define LEDGEWRIGHT_HOLES_HOLE_EDITS_H

#include "holes/hole_pattern.h"
#include "host/zedlib.h"

// Turns the pattern's drilling side over (0 becomes 1, anything else 0; in the
// settings record only, not in the store), makes the current hole again from
// the new side and sets the side note's text. The hole and note operations
// report their own failures, which do not stop the toggle. Returns the new
// side.
int ToggleDrillingSide(const HolePattern& pattern, ZedId sideNote);

// Gives the current hole the typed depth and shows it in the depth note. False
// when the command should end: the failure has been shown (the pattern's
// "(A-1)" / "(A-2)" message box, or the shaped hole's own report).
bool EnterHoleDepth(const HolePattern& pattern, ZedId depthNote, double depth);

#endif  // LEDGEWRIGHT_HOLES_HOLE_EDITS_H
