// Layers: their numbers, visibility, pick state (detection), colour and name.
#include <algorithm>

#include "emuhost/emu_state.h"

namespace emu {

namespace {

// The highest colour index the host knows.
constexpr int kMaxColour = 255;

std::string Describe(int layer, const char* what, int value) {
    return "layer " + std::to_string(layer) + " " + what + " " + std::to_string(value);
}

// Sets a 0/1 layer switch; -1 for an unknown layer or another value.
int SetSwitch(ZedId number, int value, bool Layer::*field, const char* what) {
    Layer* layer = FindLayer(number);
    if (layer == nullptr || (value != 0 && value != 1)) {
        return -1;
    }
    if (layer->*field != (value == 1)) {
        layer->*field = value == 1;
        RecordChange([number, what, value] { return Describe(number, what, value); });
    }
    return 0;
}

}  // namespace

void AddLayer(int number, const std::string& nameUtf8, int colour, bool visible, bool detect) {
    Layer* layer = FindLayer(number);
    if (layer == nullptr) {
        State().layers.push_back(Layer{});
        layer = &State().layers.back();
        layer->number = number;
    }
    layer->name = FromUtf8(nameUtf8);
    layer->colour = colour;
    layer->visible = visible;
    layer->detect = detect;
}

bool RemoveLayer(int number) {
    std::vector<Layer>& layers = State().layers;
    const auto found = std::find_if(layers.begin(), layers.end(), [&](const Layer& l) { return l.number == number; });
    if (found == layers.end()) {
        return false;
    }
    for (const auto& [id, segment] : State().segments) {
        if (segment.layer == number) {
            return false;
        }
    }
    layers.erase(found);
    return true;
}

void SetCurrentLayer(int number) { State().currentLayer = number; }

}  // namespace emu

using emu::FindLayer;
using emu::State;

int ZedLyrGetAllLayer(int32_t** layers) {
    EMU_ENTER(-1);
    if (layers == nullptr) {
        return -1;
    }
    const std::vector<emu::Layer>& all = State().layers;
    if (all.empty()) {
        *layers = nullptr;  // nothing to hand out, nothing to free
        return 0;
    }
    int32_t* numbers = new int32_t[all.size()];
    for (size_t i = 0; i < all.size(); ++i) {
        numbers[i] = all[i].number;
    }
    State().liveMemory.insert(numbers);
    *layers = numbers;
    return static_cast<int>(all.size());
}

int ZedLyrHasLayer(ZedId layer) {
    EMU_ENTER(0);
    return FindLayer(layer) != nullptr ? 1 : 0;
}

int ZedLyrGetVisibility(ZedId layer) {
    EMU_ENTER(-1);
    const emu::Layer* found = FindLayer(layer);
    return found == nullptr ? -1 : (found->visible ? 1 : 0);
}

int ZedLyrSetVisibility(ZedId layer, int visible) {
    EMU_ENTER(-1);
    return emu::SetSwitch(layer, visible, &emu::Layer::visible, "visibility");
}

int ZedLyrGetDetection(ZedId layer) {
    EMU_ENTER(-1);
    const emu::Layer* found = FindLayer(layer);
    return found == nullptr ? -1 : (found->detect ? 1 : 0);
}

int ZedLyrSetDetection(ZedId layer, int detect) {
    EMU_ENTER(-1);
    return emu::SetSwitch(layer, detect, &emu::Layer::detect, "detection");
}

int ZedLyrGetColor(ZedId layer) {
    EMU_ENTER(-1);
    const emu::Layer* found = FindLayer(layer);
    return found == nullptr ? -1 : found->colour;
}

int ZedLyrSetColor(ZedId layer, int colour) {
    EMU_ENTER(-1);
    emu::Layer* found = FindLayer(layer);
    if (found == nullptr || colour < 0 || colour > emu::kMaxColour) {
        return -1;
    }
    if (found->colour != colour) {
        found->colour = colour;
        emu::RecordChange([layer, colour] { return emu::Describe(layer, "colour", colour); });
    }
    return 0;
}

int ZedLyrGetName(ZedId layer, ZedChar* name, int capacity) {
    EMU_ENTER(-1);
    const emu::Layer* found = FindLayer(layer);
    if (found == nullptr || name == nullptr || capacity < 1) {
        return -1;
    }
    const size_t copied = std::min(found->name.size(), static_cast<size_t>(capacity - 1));
    std::copy(found->name.begin(), found->name.begin() + static_cast<std::ptrdiff_t>(copied), name);
    name[copied] = 0;
    return static_cast<int>(found->name.size());
}

int ZedLyrSetName(ZedId layer, const ZedChar* name) {
    EMU_ENTER(-1);
    emu::Layer* found = FindLayer(layer);
    if (found == nullptr || name == nullptr) {
        return -1;
    }
    if (found->name != name) {
        found->name = name;
        emu::RecordChange([layer, text = emu::ToUtf8(name)] {
            return "layer " + std::to_string(layer) + " name \"" + text + "\"";
        });
    }
    return 0;
}
