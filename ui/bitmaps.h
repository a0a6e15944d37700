// The module's bitmaps, by resource id: the pictures of the patterns and of the
// line types.
#ifndef LEDGEWRIGHT_UI_BITMAPS_H
#define LEDGEWRIGHT_UI_BITMAPS_H

#include "base/pattern.h"
#include "host/zedtext.h"

enum BitmapId : int {
    kNoBitmap = 0,
    kBitmapPlaneA = 201,
    kBitmapPlaneB,
    kBitmapPlaneC,
    kBitmapPlaneD,
    kBitmapSideA,
    kBitmapSideB,
    kBitmapSideC,
    kBitmapSideD,
    kBitmapLineType01 = 211,  // LINETYPE01 to LINETYPE10 in order
};

inline constexpr int kLineTypeCount = 10;

// The picture of the pattern: the ids follow the patterns' order.
constexpr int PatternBitmap(Pattern pattern) { return kBitmapPlaneA + static_cast<int>(pattern); }
static_assert(PatternBitmap(Pattern::SideD) == kBitmapSideD);
static_assert(PatternBitmap(kAllPatterns.back()) < kBitmapLineType01);

struct BitmapSize {
    int width;
    int height;
};

// Size in pixels; 0 × 0 for an id that is no bitmap of the module. The files
// are ui/bitmaps/*.bmp, made by ui/bitmaps/make_bitmaps.py.
constexpr BitmapSize SizeOfBitmap(int id) {
    for (const PatternDescription& pattern : kPatternDescriptions) {
        if (id == PatternBitmap(pattern.pattern)) {
            return {pattern.pictureWidth, pattern.pictureHeight};
        }
    }
    if (id >= kBitmapLineType01 && id < kBitmapLineType01 + kLineTypeCount) {
        return {62, 23};
    }
    return {0, 0};
}

// The picture of a line-type name, compared without regard to case; any other
// name, the empty one included, gives the LINETYPE01 picture.
int LineTypeBitmap(const ZedString& lineTypeName);

#endif  // LEDGEWRIGHT_UI_BITMAPS_H
