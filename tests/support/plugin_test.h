// A test fixture that puts the plug-in in front of a fresh emulated host: an
// empty drawing, a scratch settings store, every process-wide record of the
// plug-in as at load, and the command registered as the host's Startup would.
#ifndef LEDGEWRIGHT_TESTS_SUPPORT_PLUGIN_TEST_H
#define LEDGEWRIGHT_TESTS_SUPPORT_PLUGIN_TEST_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "emuhost/emu_api.h"
#include "tests/support/scratch_registry.h"

class PluginTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Registers the command with the host as Startup does.
    void Register();
    // Registers and starts the command; the host then waits at the pattern prompt.
    void StartCommand();

    // Texts put on one channel, in order.
    static std::vector<std::string> TextsOn(emu::Channel channel);
    // Stored settings value, or "(missing)".
    static std::string Stored(const std::string& name);
    static void Store(const std::string& name, const std::string& value);

private:
    std::unique_ptr<ScratchRegistry> registry_;
};

#endif  // LEDGEWRIGHT_TESTS_SUPPORT_PLUGIN_TEST_H
