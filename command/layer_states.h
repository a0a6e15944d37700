// The layers' pick state: the snapshot taken before the command first narrows
// picking, and the calls that narrow and restore it.
//
// The snapshot is taken once, before the first change a command makes (a
// pattern keyword's layer step or a typed layer number), and not again while
// it is held, so that putting it back always restores the layers as they were
// before the command touched them.
#ifndef LEDGEWRIGHT_COMMAND_LAYER_STATES_H
#define LEDGEWRIGHT_COMMAND_LAYER_STATES_H

#include <cstdint>
#include <vector>

#include "host/zedtext.h"

struct LayerState {
    int32_t layer = 0;
    int visible = -1;   // as ZedLyrGetVisibility gave it; -1 when unreadable
    int pickable = -1;  // as ZedLyrGetDetection gave it
    int32_t colour = -1;
    ZedString name;
    bool nameRead = false;
};

struct LayerSnapshot {
    std::vector<LayerState> layers;  // every layer, however many
    // The plug-in has changed the layers' pick state and the snapshot is to be
    // put back.
    bool changed = false;
};

LayerSnapshot& LayerSnapshotState();

// Fills the snapshot from every layer of the drawing; false when the drawing
// reports no layers (the snapshot is then empty).
bool SaveLayerStates();
// Puts every layer of the snapshot that still exists back as recorded, then
// redraws once.
void RestoreLayerStates();
// Switches detection off on every layer and sets the layers-changed flag.
void DisableAllLayerDetection();
// Switches detection on for each layer number of a "|"-separated list.
void EnableListedLayers(const ZedString& list);

// Takes the snapshot unless one is held, and marks the layers as changed. Call
// before any change to the layers' pick state.
void BeginLayerChange();
// When the layers have been changed: clears the flag and restores the snapshot.
void PutLayersBack();

#endif  // LEDGEWRIGHT_COMMAND_LAYER_STATES_H
