#include "command/dispatcher.h"

#include "command/keyword_table.h"
#include "command/layer_states.h"
#include "settings/conversions.h"
#include "settings/loaders.h"
#include "settings/shoulder_settings.h"
#include "ui/chooser.h"

namespace {

ZedChar FoldCase(ZedChar c) { return (c >= ZED_TEXT('A') && c <= ZED_TEXT('Z')) ? static_cast<ZedChar>(c + 32) : c; }

// Whole-text comparison that ignores the case of ASCII letters.
bool SameKeyword(const ZedString& text, const ZedChar* keyword) {
    size_t i = 0;
    for (; keyword[i] != 0; ++i) {
        if (i >= text.size() || FoldCase(text[i]) != FoldCase(keyword[i])) {
            return false;
        }
    }
    return i == text.size();
}

// Narrows picking to the listed layers when the layer filter is on.
void RunLayerStep() {
    const ShoulderSettingsRecord& settings = ShoulderSettings;
    if (settings.mMainIsLayer != 1) {
        // Nothing to narrow. A snapshot taken for a typed layer number stays
        // held, so that the layers are still put back later.
        return;
    }
    BeginLayerChange();
    DisableAllLayerDetection();
    EnableListedLayers(settings.mMainLayer);
}

int SwitchTo(const KeywordRow& row) {
    if (row.pattern) {
        RunLayerStep();
        LoadPatternSettings(*row.pattern);
    }
    if (ChooserExists()) {
        HideChooserPlain();
    }
    if (row.ready == nullptr) {
        return ZED_EXEC_END;
    }
    ZedCtlSetReadyFunc(row.ready, ZED_TEXT(""));
    return ZED_EXEC_READY;
}

}  // namespace

int DispatchKeyword(const ZedString& text) {
    // The chooser holds what the user last typed, which may not be stored yet.
    if (ChooserExists()) {
        LoadMainSettings(ChooserValues());
    } else {
        LoadMainSettings();
    }
    for (const KeywordRow& row : KeywordTable()) {
        if (SameKeyword(text, row.keyword)) {
            return SwitchTo(row);
        }
    }
    const int layer = SettingInteger(text);
    if (layer <= 0) {
        return ZED_EXEC_END;
    }
    BeginLayerChange();
    DisableAllLayerDetection();
    ZedLyrSetDetection(layer, 1);
    return ZED_EXEC_WAIT;
}

int AnswerTextOrEnd(int type, ZedEvent* event) {
    if (type == ZED_EVT_END) {
        return ZED_EXEC_END;
    }
    if (type != ZED_EVT_KEYIN) {
        return ZED_EXEC_WAIT;
    }
    const ZedChar* typed = ZedEvtGetKeyinString(type, event);
    if (typed == nullptr) {
        return ZED_EXEC_WAIT;
    }
    // The host's text lives only until the next call: take a copy.
    return DispatchKeyword(ZedString(typed));
}
