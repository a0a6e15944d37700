// The host's keyboard: key events form the command-line text, which Enter
// delivers as a typed string.
#include "emuhost/emu_api.h"
#include "emuhost/emu_state.h"

namespace emu {
namespace {

constexpr int kVkBack = 0x08;
constexpr int kVkClear = 0x0C;
constexpr int kVkReturn = 0x0D;
constexpr int kVkShift = 0x10;
constexpr int kVkCapital = 0x14;
constexpr int kVkSpace = 0x20;
constexpr int kVkLeftShift = 0xA0;
constexpr int kVkRightShift = 0xA1;

struct Keyboard {
    bool capsLock = false;
    int shiftsDown = 0;
    std::string line;
    std::vector<KeyEvent> events;
    std::vector<std::string> entered;
    int activations = 0;
};

Keyboard& Keys() {
    static Keyboard keyboard;
    return keyboard;
}

bool IsShift(int key) { return key == kVkShift || key == kVkLeftShift || key == kVkRightShift; }

// The character a key gives with the keyboard state (US layout), 0 for none.
char CharacterOf(int key, const Keyboard& keyboard) {
    const bool shifted = keyboard.shiftsDown > 0;
    if (key >= 'A' && key <= 'Z') {
        return (keyboard.capsLock != shifted) ? static_cast<char>(key) : static_cast<char>(key - 'A' + 'a');
    }
    if (key >= '0' && key <= '9' && !shifted) {
        return static_cast<char>(key);
    }
    if (key == kVkSpace) {
        return ' ';
    }
    return 0;
}

void KeyDown(int key) {
    Keyboard& keyboard = Keys();
    if (IsShift(key)) {
        ++keyboard.shiftsDown;
    } else if (key == kVkCapital) {
        keyboard.capsLock = !keyboard.capsLock;
    } else if (key == kVkClear) {
        keyboard.line.clear();
    } else if (key == kVkBack) {
        if (!keyboard.line.empty()) {
            keyboard.line.pop_back();
        }
    } else if (key == kVkReturn) {
        const std::string line = std::move(keyboard.line);
        keyboard.line.clear();
        keyboard.entered.push_back(line);
        Type(line);
    } else if (const char c = CharacterOf(key, keyboard); c != 0) {
        keyboard.line.push_back(c);
    }
}

}  // namespace

void ResetKeyboard() { Keys() = Keyboard{}; }

void SetCapsLock(bool on) { Keys().capsLock = on; }
bool CapsLock() { return Keys().capsLock; }
std::string CommandLine() { return Keys().line; }
std::vector<KeyEvent> KeyEvents() { return Keys().events; }
std::vector<std::string> EnteredLines() { return Keys().entered; }
int HostWindowActivations() { return Keys().activations; }

}  // namespace emu

void ZedEmuKeyInput(unsigned virtualKey, unsigned scanCode, unsigned extraInfo, int keyUp) {
    emu::Keyboard& keyboard = emu::Keys();
    const int key = static_cast<int>(virtualKey & 0xFF);
    keyboard.events.push_back({key, static_cast<int>(scanCode), extraInfo, keyUp != 0});
    if (keyUp == 0) {
        emu::KeyDown(key);
    } else if (emu::IsShift(key) && keyboard.shiftsDown > 0) {
        --keyboard.shiftsDown;
    }
}

void ZedEmuActivateHostWindow() { ++emu::Keys().activations; }
