// Side pattern D: a line pick that draws nothing. A closed outline's line
// picked, the user is told so in a message box and the command ends.
#ifndef LEDGEWRIGHT_COMMAND_SIDE_D_PICK_H
#define LEDGEWRIGHT_COMMAND_SIDE_D_PICK_H

#include "base/line_pick.h"

// Shows the pattern's message box and puts the layers back when the command
// had changed them; always false, which ends the command.
bool SideDLinePicked(const LinePick& pick);

#endif  // LEDGEWRIGHT_COMMAND_SIDE_D_PICK_H
