#include "command/side_d_pick.h"

#include "base/messages.h"
#include "command/layer_states.h"

bool SideDLinePicked(const LinePick&) {
    ZedDlgMessageBox(kMsgSideDFigure);
    PutLayersBack();
    return false;
}
