// Where the emulated host's pick lands: the drawn shape of every element, its
// distance from a click and whether it meets the pick box. Internal to the
// emulated host.
#ifndef LEDGEWRIGHT_EMUHOST_EMU_PICK_H
#define LEDGEWRIGHT_EMUHOST_EMU_PICK_H

#include "emuhost/emu_state.h"

namespace emu {

// The element's distance from the click at (x, y) when its drawn shape meets
// the box of half-side `aperture` around the click; false when it does not, or
// when the element has no drawn shape that the host knows (curves, kind 5).
bool PickDistance(const Element& element, double x, double y, double aperture, double* distance);

// A point on the element's drawn shape where a click picks it; false when the
// element has no drawn shape.
bool PointOnElement(const Element& element, ZedPoint* point);

// Whether the pick filter (five integers, see ZedEvtSetObject) admits the
// element. Layer detection and the compare function are screened apart.
bool FilterAdmits(const int32_t filter[ZED_FILTER_SIZE], const Segment& segment, const Element& element);

}  // namespace emu

#endif  // LEDGEWRIGHT_EMUHOST_EMU_PICK_H
