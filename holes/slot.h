// The slot of plan pattern D: an open outline around the picked line, an arc
// of radius R about the line's start S, a straight line, and an arc about its
// end E, on a layer of its own; and its radius dimension (slot 6), which the
// user picks to type a new radius.
//
// The slot points, each R from a line end, with S' and E' the raised chain's
// far corners: A1 = S + R·(S→S'), A2 = S + R·(S'→S), B2 = E + R·(E→E'),
// B1 = E + R·(E'→E). The slot runs A2 → A1 about S, A1 → B2, B2 → B1 about E.
#ifndef LEDGEWRIGHT_HOLES_SLOT_H
#define LEDGEWRIGHT_HOLES_SLOT_H

#include "geometry/shoulder_memory.h"
#include "host/zedlib.h"

// The slot of the last shoulder, beside the shoulder memory.
struct SlotMemory {
    ShoulderPiece arcAtStart;  // about S, A2 → A1
    ShoulderPiece line;        // A1 → B2
    ShoulderPiece arcAtEnd;    // about E, B2 → B1
    int notFlipped = 1;        // 1 when the shoulder stands to the left of S→E
    ZedId segment = -1;
};

SlotMemory& Slot();

// Back to the state at load (tests).
void ResetSlotMemory();

// The slot's four points for radius r about the line S→E with the raised
// corners S' and E'.
struct SlotPoints {
    ZedPoint a1{};
    ZedPoint a2{};
    ZedPoint b1{};
    ZedPoint b2{};
};
SlotPoints SlotPointsFor(ZedPoint s, ZedPoint sRaised, ZedPoint eRaised, ZedPoint e, double r);

// PD_SlotR read as a number.
double SlotRadiusSetting();

// Draws the slot with radius PD_SlotR in a new segment on the slot layer
// (PD_SlotLayer resolved against the outline's layer, as a hole's layer is),
// with the slot attributes, and fills the slot memory and the shoulder
// memory's slot segment. The radius must have been checked (a usable size).
bool CreateSlot(ZedId instance, ZedPoint s, ZedPoint sRaised, ZedPoint eRaised, ZedPoint e, int notFlipped,
                const ZedLineType2& attributes, ZedId outlineLayer);

// The slot's attributes from the settings: PD_SlotColor and PD_SlotLType.
ZedLineType2 SlotAttributes();

// The slot's records at radius r, in the order the memory keeps them, from the
// shoulder memory's corners, the arcs' direction flag from the side the
// chain stands on now (a negative depth may have turned it since the build).
struct SlotRecords {
    ZedFigure arcAtStart{};
    ZedFigure line{};
    ZedFigure arcAtEnd{};
    int notFlipped = 1;  // the side the arcs' direction flag was chosen for
};
SlotRecords SlotRecordsAt(double r);

// Amends the slot to the records: the arc about E ("(13)"), the arc about S
// ("(11)"), then the line ("(12)"). Each amend is a step of its own.
bool AmendSlotArcAtEnd(const SlotRecords& records);
bool AmendSlotArcAtStart(const SlotRecords& records);
bool AmendSlotLine(const SlotRecords& records);
void RememberSlotRecords(const SlotRecords& records);

// Recomputes the slot at radius r and amends it (the three steps above).
bool ResizeSlot(double r);

// The radius dimension on the arc about S, its text point R + 10 from S, in
// slot 6 of the temporary element table. False only when its segment cannot
// be made; a dimension the host refuses is reported ("치수작성에러") and the
// result is still true: the slot stands, only its dimension is missing.
bool CreateSlotRadiusDimension(ZedFigRef& slot);

// Moves the radius dimension's text point to r + 10 from S, in the direction
// from the arc about S's first point (already moved).
bool ResizeSlotRadiusDimension(double r);

#endif  // LEDGEWRIGHT_HOLES_SLOT_H
