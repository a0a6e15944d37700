#include "holes/hole_layer.h"

#include <vector>

#include "base/messages.h"
#include "base/report.h"
#include "base/split_text.h"
#include "settings/conversions.h"

bool ResolvePartLayer(ZedId outlineLayer, const ZedString& layerText, ZedId& holeLayer) {
    std::vector<ZedString> pieces;
    const int count = SplitText(ZED_TEXT('|'), layerText, pieces);
    if (count == 1) {
        holeLayer = SettingInteger(layerText);
        return true;
    }
    bool matched = false;
    std::vector<ZedString> pair;
    for (const ZedString& piece : pieces) {
        if (SplitText(ZED_TEXT(':'), piece, pair) == 2 && SettingInteger(pair[0]) == outlineLayer) {
            holeLayer = SettingInteger(pair[1]);
            matched = true;
        }
    }
    if (!matched) {
        ReportInBox(kMsgHoleLayerNotResolved);
    }
    return matched;
}

bool ResolveHoleLayer(ZedId outlineSegment, const ZedString& layerText, ZedId& holeLayer) {
    const ZedId outlineLayer = ZedSgmGetLayer(outlineSegment);
    if (outlineLayer == -1) {
        return ReportError(kMsgHoleOutlineLayerNotRead);
    }
    return ResolvePartLayer(outlineLayer, layerText, holeLayer);
}
