#include "command/command_state.h"

#include "base/line_pick.h"
#include "base/temporary_elements.h"
#include "command/layer_states.h"
#include "geometry/unfinished_change.h"
#include "holes/hole_state.h"
#include "holes/slot.h"
#include "platform/path.h"
#include "settings/shoulder_settings.h"

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
