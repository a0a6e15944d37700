#include "holes/cut_line.h"

#include "base/messages.h"
#include "base/report.h"
#include "geometry/figure_record.h"
#include "geometry/shoulder_memory.h"
#include "geometry/splice.h"

bool CreateCutLine(ZedPoint start, ZedPoint end, ZedId layer, int colour, int lineType) {
    // A refused segment shows up as a refused line in it.
    const ZedId segment = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
    const ZedFigure line = MakeLine(start, end);
    const ZedId element = ZedFigCreateFigure(segment, &line);
    if (element == -1) {
        return ReportError(kMsgCutLineNotCreated);
    }
    const ZedFigRef ref{0, element};
    const ZedLineType attributes{colour, lineType, 0};
    ZedFigSetLineType(&ref, &attributes);
    if (ZedSgmChangeLayer(segment, layer) == -1) {
        return ReportError(kMsgCutLineLayerNotChanged);
    }
    Shoulder().cutLine = ref;
    Shoulder().cutLineSegment = segment;
    return true;
}

bool CreateStyledCutLine(ZedPoint start, ZedPoint end, ZedId layer, int pickedColour, const CutLineStyle& style) {
    const bool own = style.ownStyle != 0;
    return CreateCutLine(start, end, layer, own ? style.colour : pickedColour, own ? style.lineType : 0);
}

bool MoveCutLine(ZedPoint start, ZedPoint end) {
    ZedFigure line{};
    if (!ReadFigure(Shoulder().cutLine, line, kMsgCutLineNotRead)) {
        return false;
    }
    SetLineStart(line, start);
    SetLineEnd(line, end);
    return AmendFigure(Shoulder().cutLine, line, kMsgCutLineNotAmended);
}
