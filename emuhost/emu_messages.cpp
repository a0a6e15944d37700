// What the user sees besides the drawing: prompts, error lines, message boxes,
// the blinking element and redraws; and the host memory the plug-in gives back
// with ZedMemFree.
#include "emuhost/emu_state.h"

namespace emu {

namespace {

int Put(Channel channel, const ZedChar* text) {
    if (text == nullptr) {
        return -1;
    }
    Drawing& d = State();
    std::string utf8 = ToUtf8(text);
    if (channel == Channel::Prompt) {
        d.session.prompt = utf8;
    }
    d.messages.push_back(Message{channel, std::move(utf8)});
    return 0;
}

}  // namespace

std::vector<Message> Messages() { return State().messages; }

void ClearMessages() {
    State().messages.clear();
    State().session.prompt.clear();
}

std::string CurrentPrompt() { return State().session.prompt; }

ZedFigRef Blinking() {
    const ZedFigRef blink = State().session.blink;
    // A deleted element blinks no more.
    if (blink.id != -1 && FindElement(blink.id) == nullptr) {
        return ZedFigRef{-1, -1};
    }
    return blink;
}

int RedrawCount() { return State().session.redraws; }

int LiveHostMemory() { return static_cast<int>(State().liveMemory.size()); }

}  // namespace emu

using emu::State;

int ZedMsgPutMessage(const ZedChar* text) {
    EMU_ENTER(-1);
    return emu::Put(emu::Channel::Prompt, text);
}

int ZedMsgPutErrorMessage(const ZedChar* text) {
    EMU_ENTER(-1);
    return emu::Put(emu::Channel::Error, text);
}

int ZedDlgMessageBox(const ZedChar* text) {
    EMU_ENTER(-1);
    // The user presses OK at once.
    return emu::Put(emu::Channel::MessageBox, text) == 0 ? 1 : -1;
}

int ZedIdSetBlinkElementId(const ZedFigRef* element) {
    EMU_ENTER(-1);
    if (element == nullptr || element->instance != 0 || emu::FindElement(element->id) == nullptr) {
        return -1;
    }
    State().session.blink = *element;
    return 0;
}

int ZedIdClearBlink(void) {
    EMU_ENTER(-1);
    State().session.blink = ZedFigRef{-1, -1};
    return 0;
}

int ZedFilRedraw(void) {
    EMU_ENTER(-1);
    ++State().session.redraws;
    return 0;
}

void ZedMemFree(void* memory) {
    EMU_ENTER();
    if (memory == nullptr) {
        return;
    }
    emu::Drawing& d = State();
    if (d.liveMemory.erase(memory) == 0) {
        // Not ours, or freed before: a real host would corrupt its heap here.
        d.session.protocolErrors.push_back("ZedMemFree of memory the host did not hand out");
        return;
    }
    delete[] static_cast<int32_t*>(memory);
}
