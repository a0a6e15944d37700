// The hole settings of the plan patterns that carry a hole, one row a pattern:
// which settings fields give the hole kind, the drilling side and the layer
// text, and the depth-entry messages of the pattern.
#ifndef LEDGEWRIGHT_HOLES_HOLE_PATTERN_H
#define LEDGEWRIGHT_HOLES_HOLE_PATTERN_H

#include "base/pattern.h"
#include "host/zedtext.h"
#include "settings/shoulder_settings.h"

struct HolePattern {
    Pattern pattern;
    // 0 the MC hole, anything else the shaped hole (the legacy build never
    // loads the field, so it stays 0 there).
    int ShoulderSettingsRecord::*holeKind;
    // 0 drilled from the top face, anything else from the bottom face.
    int ShoulderSettingsRecord::*drillingSide;
    // A layer number, or pairs "outline layer:hole layer" joined by "|".
    ZedString ShoulderSettingsRecord::*layerText;
    // Shown when the MC hole's depth cannot be set ("(A-1)") and when the
    // depth note cannot be changed ("(A-2)").
    const ZedChar* depthNotSet;
    const ZedChar* depthNoteNotSet;
};

// The row of a pattern with a hole (PlaneA, PlaneB, PlaneC); null for every
// other pattern, so that a missing row is a failure, never another pattern's
// hole.
const HolePattern* HolePatternOf(Pattern pattern);

// The settings values of a row.
inline int HoleKind(const HolePattern& pattern) { return ShoulderSettings.*pattern.holeKind; }
inline int& DrillingSide(const HolePattern& pattern) { return ShoulderSettings.*pattern.drillingSide; }
inline const ZedString& HoleLayerText(const HolePattern& pattern) { return ShoulderSettings.*pattern.layerText; }

#endif  // LEDGEWRIGHT_HOLES_HOLE_PATTERN_H
