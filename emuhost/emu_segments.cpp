// ZedLib segment calls: making, deleting and moving segments, and reading
// their type, layer and chain ends. (Segment attributes live elsewhere.)
#include "emuhost/emu_chain.h"

using namespace emu;

extern "C" {

ZedId ZedSgmCreateSegment(int type, int layerOption) {
    EMU_ENTER(-1);
    const int layer = State().currentLayer;
    if (type < ZED_SGM_FIGURE || type > ZED_SGM_NOTE || layerOption != 0 || FindLayer(layer) == nullptr) {
        return -1;
    }
    const ZedId id = MakeSegment(type, layer).id;
    RecordChange([id, type, layer] {
        return "segment " + std::to_string(id) + " created: type " + std::to_string(type) + ", layer " +
               std::to_string(layer);
    });
    return id;
}

int ZedSgmDeleteSegment(ZedId segment) {
    EMU_ENTER(-1);
    if (FindSegment(segment) == nullptr) {
        return -1;
    }
    EraseSegment(segment);
    RecordChange([segment] { return "segment " + std::to_string(segment) + " deleted"; });
    return 0;
}

int ZedSgmChangeLayer(ZedId segment, ZedId layer) {
    EMU_ENTER(-1);
    Segment* target = FindSegment(segment);
    if (target == nullptr || FindLayer(layer) == nullptr) {
        return -1;
    }
    if (target->layer != layer) {
        target->layer = layer;
        RecordChange([segment, layer] {
            return "segment " + std::to_string(segment) + " moved to layer " + std::to_string(layer);
        });
    }
    return 0;
}

ZedId ZedSgmGetLayer(ZedId segment) {
    EMU_ENTER(-1);
    const Segment* target = FindSegment(segment);
    return target != nullptr ? target->layer : -1;
}

#if !ZED_LEGACY  // not in the older host
int ZedSgmGetType(ZedId segment) {
    EMU_ENTER(-1);
    const Segment* target = FindSegment(segment);
    return target != nullptr ? target->type : -1;
}
#endif

int ZedSgmGetElementCount(ZedId segment) {
    EMU_ENTER(-1);
    const Segment* target = FindSegment(segment);
    return target != nullptr ? static_cast<int>(target->chain.size()) : -1;
}

ZedId ZedSgmGetHeadElementId(ZedId segment) {
    EMU_ENTER(-1);
    const Segment* target = FindSegment(segment);
    return target != nullptr && !target->chain.empty() ? target->chain.front() : -1;
}

ZedId ZedSgmGetTailElementId(ZedId segment) {
    EMU_ENTER(-1);
    const Segment* target = FindSegment(segment);
    return target != nullptr && !target->chain.empty() ? target->chain.back() : -1;
}

}  // extern "C"
