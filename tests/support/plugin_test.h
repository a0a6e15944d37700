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

    // A test fails when it leaves the host with an unsound drawing
    // (emu::CheckAllIntegrity), a protocol error, hole data or host memory not
    // freed, unless it says here that it may leave that state on purpose. The
    // check runs at the end of the test and whenever SetUp or CheckLeftState
    // is called again within it (tests that loop over cases).
    void ExpectIntegrityFault() { expectIntegrityFault_ = true; }
    void ExpectProtocolError() { expectProtocolError_ = true; }
    void ExpectLiveHoleData() { expectLiveHoleData_ = true; }
    void ExpectLiveHostMemory() { expectLiveHostMemory_ = true; }
    void CheckLeftState() const;

    // Texts put on one channel, in order.
    static std::vector<std::string> TextsOn(emu::Channel channel);
    // Stored settings value, or "(missing)".
    static std::string Stored(const std::string& name);
    static void Store(const std::string& name, const std::string& value);

private:
    std::unique_ptr<ScratchRegistry> registry_;
    bool setUp_ = false;
    bool expectIntegrityFault_ = false;
    bool expectProtocolError_ = false;
    bool expectLiveHoleData_ = false;
    bool expectLiveHostMemory_ = false;
};

#endif  // LEDGEWRIGHT_TESTS_SUPPORT_PLUGIN_TEST_H
