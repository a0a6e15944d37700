// The hole-master files in the host's installation folder, and the hole-data
// records the host hands out for them.
#ifndef LEDGEWRIGHT_HOLES_HOLE_MASTER_H
#define LEDGEWRIGHT_HOLES_HOLE_MASTER_H

#include "holes/hole_state.h"
#include "host/zedlib.h"

enum class HoleMaster {
    Mc,  // zed_ap/Ledgewright.hol
    Shaped,  // zed_ap/Ledgewright_Gv.hol (not in the legacy build)
};

// The installation folder followed by zed_ap and the master's file name, with
// the platform's separator.
ZedString HoleMasterPath(HoleMaster master);

// Reads the master into data. When there is no file at the path or the host
// cannot read it, shows the message box with the path and fails; data then
// holds nothing to free.
bool ReadHoleMaster(HoleMaster master, ZedHoleData& data);

// Gives the host's hole data back. Should the host refuse its usual free call,
// its second free call is tried, so that the record is not lost. FindHoleCentre
// frees with the second call first.
enum class HoleFreeCall { Usual, Second };
void FreeHoleData(ZedHoleData& data, HoleFreeCall first = HoleFreeCall::Usual);

// Writes the drilling side into a hole-shape record: from-below flag 1 and side
// code 7 for a hole drilled from the bottom face (any side but 0), else 0 and 0.
void WriteDrillingSide(ZedHoleShape& shape, int drillingSide);

#endif  // LEDGEWRIGHT_HOLES_HOLE_MASTER_H
