#include "tests/support/plugin_test.h"

#include <cstdio>
#include <filesystem>

#include "command/command_flow.h"
#include "command/command_state.h"
#include "geometry/shoulder_memory.h"
#include "holes/hole_state.h"
#include "settings/registry_store.h"
#include "settings/shoulder_settings.h"
#include "tests/support/scratch_registry.h"

void PluginTest::SetUp() {
    emu::Reset();
    ResetCommandState();
    ResetShoulderSettings();
    ResetShoulderMemory();
    ResetHoleState();
    // The old store goes first: a scratch store undoes its redirection when it
    // is destroyed.
    registry_.reset();
    registry_ = std::make_unique<ScratchRegistry>();
    ASSERT_TRUE(registry_->ok());
}

void PluginTest::TearDown() {
    emu::Reset();
    ResetCommandState();
    ResetShoulderSettings();
    ResetShoulderMemory();
    ResetHoleState();
    registry_.reset();
}

void PluginTest::Register() { ASSERT_EQ(RegisterLedgewright(), 0); }

void PluginTest::StartCommand() {
    Register();
    ASSERT_TRUE(emu::StartCommand());
}

std::vector<std::string> PluginTest::TextsOn(emu::Channel channel) {
    std::vector<std::string> texts;
    for (const emu::Message& message : emu::Messages()) {
        if (message.channel == channel) {
            texts.push_back(message.text);
        }
    }
    return texts;
}

std::string PluginTest::Stored(const std::string& name) {
    ZedString text;
    if (!ReadPluginSetting(kSettingsKeyName, emu::FromUtf8(name), text)) {
        return "(missing)";
    }
    return emu::ToUtf8(text.c_str());
}

void PluginTest::Store(const std::string& name, const std::string& value) {
    ASSERT_TRUE(WritePluginSetting(kSettingsKeyName, emu::FromUtf8(name), emu::FromUtf8(value)));
}
