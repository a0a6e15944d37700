#include "geometry/splice.h"

namespace {

bool Report(const ZedChar* failure) {
    if (failure != nullptr) {
        ZedMsgPutErrorMessage(failure);
    }
    return false;
}

}  // namespace

bool DivideOutline(ZedId instance, ZedId segment, ZedPoint at, const ZedChar* failure, ZedId* divided) {
    const ZedFigRef ref{instance, segment};
    ZedId result = -1;
    if (ZedFigDivide(&ref, &at, &result) == -1) {
        return Report(failure);
    }
    if (divided != nullptr) {
        *divided = result;
    }
    return true;
}

bool ReadFigure(const ZedFigRef& element, ZedFigure& figure, const ZedChar* failure) {
    return ZedFigGetFigure(&element, &figure) != -1 || Report(failure);
}

bool AmendFigure(const ZedFigRef& element, const ZedFigure& figure, const ZedChar* failure) {
    return ZedFigAmendFigure(&element, &figure) != -1 || Report(failure);
}

bool DeleteElement(ZedId element, const ZedChar* failure) {
    return ZedElmDeleteElement(element) != -1 || Report(failure);
}

bool BuildChain(ZedId instance, const std::vector<ZedFigure>& figures, const ZedLineType2& attributes,
                const ChainMessages& messages, std::vector<ZedId>& ids, ZedId& segment) {
    ids.assign(figures.size(), -1);
    if (figures.empty() || messages.inserts.size() + 1 < figures.size()) {
        return false;
    }
    segment = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
    if (segment == -1) {
        return Report(messages.create);
    }
    size_t i = figures.size() - 1;
    ZedId made = ZedFigCreateFigure(segment, &figures[i]);
    if (made == -1) {
        return Report(messages.create);
    }
    ids[i] = made;
    for (size_t step = 0; i > 0; ++step) {
        --i;
        made = ZedFigInsertFigure(made, &figures[i]);
        if (made == -1) {
            return Report(messages.inserts[step]);
        }
        ids[i] = made;
    }
    // The attributes are a copy of the picked line's; a refusal leaves the
    // element with the host's defaults, which is no reason to stop.
    for (ZedId id : ids) {
        const ZedFigRef ref{instance, id};
        ZedFigSetLineType2(&ref, &attributes);
    }
    return true;
}

bool JoinAndClose(ZedId outline, ZedId chain, ZedId layer, const JoinMessages& messages, ZedId* joined) {
    if (ZedSgmChangeLayer(chain, layer) == -1) {
        return Report(messages.layer);
    }
    const ZedId result = ZedFigConcat(outline, chain);
    if (result == -1) {
        return Report(messages.concat);
    }
    if (ZedFigSetClosed(result, 1) == -1) {
        return Report(messages.close);
    }
    if (joined != nullptr) {
        *joined = result;
    }
    return true;
}
