// The chooser instance and the hooks through which the command shows and hides it.
#include "ui/chooser.h"

#include <cstdint>
#include <memory>

#include "base/build_profile.h"
#include "settings/conversions.h"
#include "ui/chooser_dialog.h"
#include "ui/chooser_instance.h"
#include "ui/dialog_settings.h"

namespace {

std::unique_ptr<LedgewrightDlg>& Instance() {
    static std::unique_ptr<LedgewrightDlg> chooser;
    return chooser;
}

constexpr const ZedChar* kEdgeNames[] = {
    ZED_TEXT("DialogPosLeft"), ZED_TEXT("DialogPosRight"), ZED_TEXT("DialogPosTop"), ZED_TEXT("DialogPosBottom")};

void StoreEdges(const Rect& rect) {
    const int edges[] = {rect.left, rect.right, rect.top, rect.bottom};
    for (size_t i = 0; i < std::size(edges); ++i) {
        StoreDialogSetting(kEdgeNames[i], DecimalText(edges[i]));
    }
}

bool StrictlyBetween(int value, int low, int high) { return value > low && value < high; }

// Moves the new chooser to its saved place when that lies over the host
// window and is at least as large as the chooser; otherwise keeps the template
// position and saves that. The chooser cannot be resized, so a smaller saved
// rectangle (inverted, empty or merely small) never came from it and would
// show it cut off, to be saved again so at the end of the command.
void PlaceNewChooser(DialogWindow& window, const Rect& host) {
    const Rect current = window.ScreenRect();
    const int currentEdges[] = {current.left, current.right, current.top, current.bottom};
    int saved[4] = {};
    for (size_t i = 0; i < std::size(saved); ++i) {
        saved[i] = SettingInteger(LoadDialogSetting(kEdgeNames[i], DecimalText(currentEdges[i])));
    }
    const int left = saved[0], right = saved[1], top = saved[2], bottom = saved[3];
    const bool overHost =
        (StrictlyBetween(left, host.left, host.right) || StrictlyBetween(right, host.left, host.right)) &&
        StrictlyBetween(top, host.top, host.bottom);
    // In 64 bits: edges read from the registry may lie anywhere in the int range.
    const bool wholeSize = int64_t{right} - left >= int64_t{current.right} - current.left &&
                           int64_t{bottom} - top >= int64_t{current.bottom} - current.top;
    const bool accepted = overHost && wholeSize;
    if (accepted) {
        window.Move({left, top, right, bottom});
        window.Invalidate(true);
    } else {
        StoreEdges(current);
    }
}

}  // namespace

LedgewrightDlg* ChooserInstance() { return Instance().get(); }

bool ChooserExists() { return Instance() != nullptr; }

ChooserSharedValues ChooserValues() {
    const LedgewrightDlg& chooser = *Instance();
    return {chooser.protrudeText, chooser.widthText, chooser.heightText, chooser.isLayer, chooser.layers};
}

void ShowChooser() {
    if (Instance() != nullptr) {
        Instance()->Window().Show(true);
        return;
    }
    const Rect host = Backend().HostWindowRect();
    Instance() = std::make_unique<LedgewrightDlg>();
    if (!Instance()->Create()) {
        // Without its window the command goes on as before the first start:
        // the shared sizes come from the registry. The next start tries again.
        Instance().reset();
        return;
    }
    if constexpr (build_profile::kChooser == build_profile::ChooserVariant::Current) {
        PlaceNewChooser(Instance()->Window(), host);
    } else {
        (void)host;  // the legacy chooser opens where its template puts it
    }
    Instance()->Window().Show(true);
}

void HideChooserPlain() {
    if (Instance() != nullptr) {
        Instance()->Window().Show(false);
    }
}

void HideChooser() {
    if (Instance() != nullptr) {
        StoreEdges(Instance()->Window().ScreenRect());
        Instance()->Window().Show(false);
    }
}

void DestroyChooser() { Instance().reset(); }
