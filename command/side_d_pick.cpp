#include "command/side_d_pick.h"

#include "command/layer_states.h"
#include "command/messages.h"

bool SideDLinePicked(const LinePick&) {
    ZedDlgMessageBox(kMsgSideDFigure);
    PutLayersBack();
    return false;
}
