// How the runner's pictures show the host's colour and line-type indexes.
#ifndef LEDGEWRIGHT_RUNNER_PALETTE_H
#define LEDGEWRIGHT_RUNNER_PALETTE_H

#include <string>
#include <vector>

namespace runner {

// The background of the picture: black, as on the host's drawing screen, so
// that colour index 0 (white) shows.
inline constexpr const char* kBackground = "#000000";

// "#rrggbb" of a colour index 0 to 15 (the host's sixteen drawing colours);
// any other index shows as white, like index 0.
std::string ColourHex(int index);

// Dash lengths of a line-type index (in multiples of a unit length that the
// picture scales to its size); empty for solid lines and unknown indexes.
std::vector<double> DashPattern(int lineType);

}  // namespace runner

#endif  // LEDGEWRIGHT_RUNNER_PALETTE_H
