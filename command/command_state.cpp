#include "command/command_state.h"

#include "command/layer_states.h"
#include "command/line_pick.h"
#include "command/temporary_elements.h"

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
