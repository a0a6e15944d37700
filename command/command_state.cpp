#include "command/command_state.h"

#include "command/layer_states.h"
#include "command/line_pick.h"
#include "command/temporary_elements.h"
#include "geometry/shoulder_memory.h"
#include "holes/hole_state.h"
#include "holes/slot.h"
#include "settings/shoulder_settings.h"

ZedString& InstallationFolder() {
    static ZedString folder;
    return folder;
}

void ResetCommandState() {
    InstallationFolder().clear();
    TemporaryElements().Clear();
    LayerSnapshotState() = LayerSnapshot{};
    ResetPicks();
}

void ResetPluginRecords() {
    ResetCommandState();
    ResetShoulderSettings();
    ResetShoulderMemory();
    ResetHoleState();
    ResetSlotMemory();
}
