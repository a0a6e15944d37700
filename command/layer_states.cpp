#include "command/layer_states.h"

#include "base/split_text.h"
#include "host/zedlib.h"
#include "settings/conversions.h"

LayerSnapshot& LayerSnapshotState() {
    static LayerSnapshot snapshot;
    return snapshot;
}

namespace {

// The layer's name, however long.
bool ReadLayerName(int32_t layer, ZedString& name) {
    std::vector<ZedChar> buffer(64);
    for (;;) {
        const int length = ZedLyrGetName(layer, buffer.data(), static_cast<int>(buffer.size()));
        if (length < 0) {
            return false;
        }
        if (static_cast<size_t>(length) < buffer.size()) {
            name.assign(buffer.data(), static_cast<size_t>(length));
            return true;
        }
        buffer.resize(static_cast<size_t>(length) + 1);
    }
}

// Every layer number of the drawing, in the host's order.
std::vector<int32_t> AllLayers() {
    int32_t* numbers = nullptr;
    const int count = ZedLyrGetAllLayer(&numbers);
    std::vector<int32_t> layers;
    if (count > 0 && numbers != nullptr) {
        layers.assign(numbers, numbers + count);
    }
    if (numbers != nullptr) {
        ZedMemFree(numbers);
    }
    return layers;
}

}  // namespace

bool SaveLayerStates() {
    LayerSnapshot& snapshot = LayerSnapshotState();
    snapshot.layers.clear();
    const std::vector<int32_t> layers = AllLayers();
    if (layers.empty()) {
        return false;
    }
    for (int32_t layer : layers) {
        LayerState state;
        state.layer = layer;
        state.visible = ZedLyrGetVisibility(layer);
        state.pickable = ZedLyrGetDetection(layer);
        state.colour = ZedLyrGetColor(layer);
        state.nameRead = ReadLayerName(layer, state.name);
        snapshot.layers.push_back(std::move(state));
    }
    return true;
}

void RestoreLayerStates() {
    // A field that could not be read is left as it is rather than overwritten
    // with a failure value.
    for (const LayerState& state : LayerSnapshotState().layers) {
        if (!ZedLyrHasLayer(state.layer)) {
            continue;
        }
        if (state.visible >= 0) {
            ZedLyrSetVisibility(state.layer, state.visible);
        }
        if (state.pickable >= 0) {
            ZedLyrSetDetection(state.layer, state.pickable);
        }
        if (state.colour >= 0) {
            ZedLyrSetColor(state.layer, state.colour);
        }
        if (state.nameRead) {
            ZedLyrSetName(state.layer, state.name.c_str());
        }
    }
    ZedFilRedraw();
}

void DisableAllLayerDetection() {
    for (int32_t layer : AllLayers()) {
        ZedLyrSetDetection(layer, 0);
    }
    LayerSnapshotState().changed = true;
}

void EnableListedLayers(const ZedString& list) {
    std::vector<ZedString> pieces;
    SplitText(ZED_TEXT('|'), list, pieces);
    for (const ZedString& piece : pieces) {
        if (ZedLyrSetDetection(SettingInteger(piece), 1) != -1) {
            LayerSnapshotState().changed = true;
        }
    }
}

void BeginLayerChange() {
    LayerSnapshot& snapshot = LayerSnapshotState();
    if (!snapshot.changed) {
        SaveLayerStates();
        snapshot.changed = true;
    }
}

void PutLayersBack() {
    LayerSnapshot& snapshot = LayerSnapshotState();
    if (snapshot.changed) {
        snapshot.changed = false;
        RestoreLayerStates();
    }
}
