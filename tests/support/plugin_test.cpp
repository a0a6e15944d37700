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
#include "ui/chooser.h"
#include "ui/headless.h"

void PluginTest::CheckLeftState() const {
    if (!expectIntegrityFault_) {
        EXPECT_EQ(emu::CheckAllIntegrity(), "") << "the drawing is left unsound";
    }
    if (!expectProtocolError_) {
        EXPECT_EQ(emu::ProtocolErrors(), std::vector<std::string>{}) << "protocol errors left";
    }
    if (!expectLiveHoleData_) {
        EXPECT_EQ(emu::LiveHoleData(), 0) << "hole data not freed";
    }
    if (!expectLiveHostMemory_) {
        EXPECT_EQ(emu::LiveHostMemory(), 0) << "host memory not freed";
    }
}

void PluginTest::SetUp() {
    // A test that loops over cases sets up again: what the last case left counts.
    if (setUp_) {
        CheckLeftState();
    }
    setUp_ = true;
    DestroyChooser();
    // The dialogs are driven as plain objects, on Windows too; the tests of the
    // real windows choose the Windows backend themselves.
    UseWindowBackend(&headless::TheBackend());
    emu::Reset();
    ResetPluginRecords();
    // The old store goes first: a scratch store undoes its redirection when it
    // is destroyed.
    registry_.reset();
    registry_ = std::make_unique<ScratchRegistry>();
    ASSERT_TRUE(registry_->ok());
}

void PluginTest::TearDown() {
    CheckLeftState();
    DestroyChooser();
    emu::Reset();
    ResetPluginRecords();
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
