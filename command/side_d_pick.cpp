#include "command/side_d_pick.h"

#include "base/messages.h"
#include "base/report.h"
#include "command/layer_states.h"

bool SideDLinePicked(const LinePick&) {
    ReportInBox(kMsgSideDFigure);
    PutLayersBack();
    return false;
}
