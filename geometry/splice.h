// The splice sequence by which a builder replaces a stretch of a closed
// outline with new elements: divide the outline at a point, shorten or delete
// the pieces at its ends, build the new elements as a chain of their own, and
// join that chain back into the outline and close it. Each step reports the
// caller's own numbered message when the host refuses it.
#ifndef LEDGEWRIGHT_GEOMETRY_SPLICE_H
#define LEDGEWRIGHT_GEOMETRY_SPLICE_H

#include <vector>

#include "host/zedlib.h"

// Divides the closed outline (instance, segment) at a point on it; the
// outline is then an open chain that starts and ends there. *divided receives
// the host's answer for the divided segment.
bool DivideOutline(ZedId instance, ZedId segment, ZedPoint at, const ZedChar* failure, ZedId* divided = nullptr);

// Reads the figure of an element, or reports the failure.
bool ReadFigure(const ZedFigRef& element, ZedFigure& figure, const ZedChar* failure);
// Writes a changed figure back, or reports the failure.
bool AmendFigure(const ZedFigRef& element, const ZedFigure& figure, const ZedChar* failure);
// Deletes an element, or reports the failure.
bool DeleteElement(ZedId element, const ZedChar* failure);

struct ChainMessages {
    const ZedChar* create;                // the last element
    std::vector<const ZedChar*> inserts;  // the others, from the last but one backwards
};

// Builds the figures as one chain in a new figure segment: the last figure is
// created first and each earlier one inserted in front of the one made before
// it, and each gets the line attributes. ids receives the new elements in
// chain order, segment the chain's segment. A call refused part-way leaves in
// them what it made; called again with them, it carries on from there (start
// with no ids and segment -1).
bool BuildChain(ZedId instance, const std::vector<ZedFigure>& figures, const ZedLineType2& attributes,
                const ChainMessages& messages, std::vector<ZedId>& ids, ZedId& segment);

struct JoinMessages {
    const ZedChar* layer;
    const ZedChar* concat;
    const ZedChar* close;
};

// Moves the chain's segment to the outline's layer, joins the outline and the
// chain (the outline first) and marks the joined segment closed. *joined
// receives the joined segment; when it already names one (a call that was
// refused after the join), only the closing is left to do.
bool JoinAndClose(ZedId outline, ZedId chain, ZedId layer, const JoinMessages& messages, ZedId* joined = nullptr);

#endif  // LEDGEWRIGHT_GEOMETRY_SPLICE_H
