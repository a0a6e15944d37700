#include "base/report.h"
#include "geometry/splice.h"

namespace {

bool Report(const ZedChar* failure) {
    if (failure != nullptr) {
        ReportError(failure);
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
    if (figures.empty() || messages.inserts.size() + 1 < figures.size()) {
        return false;
    }
    if (ids.size() != figures.size()) {
        ids.assign(figures.size(), -1);
    }
    if (segment == -1) {
        segment = ZedSgmCreateSegment(ZED_SGM_FIGURE, 0);
        if (segment == -1) {
            return Report(messages.create);
        }
    }
    const size_t last = figures.size() - 1;
    if (ids[last] == -1) {
        ids[last] = ZedFigCreateFigure(segment, &figures[last]);
        if (ids[last] == -1) {
            return Report(messages.create);
        }
    }
    for (size_t i = last; i-- > 0;) {
        if (ids[i] != -1) {
            continue;
        }
        ids[i] = ZedFigInsertFigure(ids[i + 1], &figures[i]);
        if (ids[i] == -1) {
            return Report(messages.inserts[last - 1 - i]);
        }
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
    ZedId result = joined != nullptr ? *joined : -1;
    if (result == -1) {
        if (messages.layer != nullptr && ZedSgmChangeLayer(chain, layer) == -1) {
            return Report(messages.layer);
        }
        result = ZedFigConcat(outline, chain);
        if (result == -1) {
            return Report(messages.concat);
        }
        if (joined != nullptr) {
            *joined = result;
        }
    }
    if (ZedFigSetClosed(result, 1) == -1) {
        return Report(messages.close);
    }
    return true;
}
