#include "runner/palette.h"

#include <cstdio>

namespace runner {

namespace {

struct Rgb {
    int r, g, b;
};

// The host's colour indexes 0 to 15, in order.
constexpr Rgb kColours[16] = {
    {255, 255, 255}, {0, 192, 255},   {60, 255, 80}, {255, 64, 192},  {224, 224, 0}, {255, 0, 0},
    {255, 128, 128}, {0, 128, 255},   {255, 255, 0}, {128, 128, 128}, {0, 255, 255}, {0, 0, 255},
    {128, 0, 255},   {128, 128, 255}, {128, 0, 128}, {128, 128, 0},
};

}  // namespace

std::string ColourHex(int index) {
    const Rgb colour = index >= 0 && index < 16 ? kColours[index] : kColours[0];
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", colour.r, colour.g, colour.b);
    return buffer;
}

std::vector<double> DashPattern(int lineType) {
    // Index 0 is the continuous line; the others are the usual drafting dashes,
    // told apart well enough on screen.
    switch (lineType) {
        case 1:
            return {6, 3};  // dashed
        case 2:
            return {10, 2, 2, 2};  // chain (centre line)
        case 3:
            return {1, 2};  // dotted
        case 4:
            return {14, 4};  // long dashes
        case 5:
            return {10, 2, 2, 2, 2, 2};  // double chain (phantom line)
        case 6:
            return {3, 2};  // short dashes
        case 7:
            return {14, 3, 4, 3};  // long chain
        case 8:
            return {14, 3, 4, 3, 4, 3};  // long double chain
        case 9:
            return {2, 5};  // sparse dots
        default:
            return {};
    }
}

}  // namespace runner
