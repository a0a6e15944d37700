#include "geometry/plane_b_parts.h"

#include "geometry/plane_a_parts.h"
#include "geometry/plane_b_placement.h"
#include "settings/conversions.h"
#include "settings/shoulder_settings.h"

double PlaneBHoleClearance() { return SettingNumber(ShoulderSettings.PB_HoleWidth); }

double PlaneBDistanceOffset(bool flipped) { return flipped ? -15.0 : 15.0; }

bool MeasuredFromStart(const ShoulderMemory& m) { return m.measured.id == m.tail.ref.id; }

ZedPoint LineStartOf(const ShoulderMemory& m) { return OtherEnd(m.tail.record, CornersOf(m).p1); }
ZedPoint LineEndOf(const ShoulderMemory& m) { return OtherEnd(m.head.record, CornersOf(m).p2); }
