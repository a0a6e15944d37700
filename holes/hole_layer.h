// The layer a hole goes on, from a pattern's layer text and the layer of the
// outline the shoulder is drawn on.
#ifndef LEDGEWRIGHT_HOLES_HOLE_LAYER_H
#define LEDGEWRIGHT_HOLES_HOLE_LAYER_H

#include "host/zedlib.h"

// The layer of a part of the shoulder (a hole, a slot) drawn beside an outline
// on outlineLayer. The layer text is either one layer number ("3"), read as the leading integer
// of the whole text, or pairs "outline layer:hole layer" joined by "|"
// ("30:3|50:5"), of which the last pair for the outline's layer counts. The
// pair form needs at least two pieces: "30:3" alone is layer 30. Reports and
// fails (a message box) when the text has no piece or no pair matches.
bool ResolvePartLayer(ZedId outlineLayer, const ZedString& layerText, ZedId& partLayer);

// The hole's layer: the outline segment's layer, read from the host (reported
// when it cannot be), resolved as above.
bool ResolveHoleLayer(ZedId outlineSegment, const ZedString& layerText, ZedId& holeLayer);

#endif  // LEDGEWRIGHT_HOLES_HOLE_LAYER_H
