// Layers: the list handed out and freed, each layer's switches, colour and
// name, and refusals that change nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emuhost/emu_api.h"

namespace {

class LayersTest : public ::testing::Test {
protected:
    void SetUp() override {
        emu::Reset();
        emu::AddLayer(30, "외형", 3, true, true);
        emu::AddLayer(3, "Hole", 5, true, false);
        emu::AddLayer(50, "", 0, false, true);
    }
    void TearDown() override { emu::Reset(); }

    static std::string Name(ZedId layer) {
        ZedChar buffer[64];
        return ZedLyrGetName(layer, buffer, 64) < 0 ? "(none)" : emu::ToUtf8(buffer);
    }
};

TEST_F(LayersTest, TheLayerListIsHandedOutInOrderAndMustBeFreed) {
    int32_t* numbers = nullptr;
    ASSERT_EQ(ZedLyrGetAllLayer(&numbers), 3);
    ASSERT_NE(numbers, nullptr);
    EXPECT_EQ(std::vector<int32_t>(numbers, numbers + 3), (std::vector<int32_t>{30, 3, 50}));
    int32_t* second = nullptr;
    ASSERT_EQ(ZedLyrGetAllLayer(&second), 3);
    EXPECT_EQ(emu::LiveHostMemory(), 2);
    ZedMemFree(numbers);
    ZedMemFree(second);
    EXPECT_EQ(emu::LiveHostMemory(), 0);
    EXPECT_TRUE(emu::ProtocolErrors().empty());
    EXPECT_EQ(ZedLyrGetAllLayer(nullptr), -1);
}

TEST_F(LayersTest, FreeingMemoryTheHostDidNotHandOutIsAProtocolError) {
    int32_t* numbers = nullptr;
    ASSERT_EQ(ZedLyrGetAllLayer(&numbers), 3);
    ZedMemFree(numbers);
    ZedMemFree(numbers);  // twice
    int32_t own[3] = {};
    ZedMemFree(own);
    ZedMemFree(nullptr);  // nothing, like free(NULL)
    EXPECT_EQ(emu::ProtocolErrors().size(), 2u);
    EXPECT_EQ(emu::LiveHostMemory(), 0);
}

TEST_F(LayersTest, ADrawingWithoutLayersHandsOutNothingToFree) {
    emu::Reset();
    int32_t sentinel = 0;
    int32_t* numbers = &sentinel;
    EXPECT_EQ(ZedLyrGetAllLayer(&numbers), 0);
    EXPECT_EQ(numbers, nullptr);
    EXPECT_EQ(emu::LiveHostMemory(), 0);
}

TEST_F(LayersTest, SwitchesColourAndNameReadBackWhatWasSet) {
    EXPECT_EQ(ZedLyrHasLayer(3), 1);
    EXPECT_EQ(ZedLyrGetVisibility(50), 0);
    EXPECT_EQ(ZedLyrGetDetection(3), 0);
    EXPECT_EQ(ZedLyrGetColor(30), 3);
    EXPECT_EQ(Name(30), "외형");

    EXPECT_EQ(ZedLyrSetVisibility(50, 1), 0);
    EXPECT_EQ(ZedLyrSetDetection(3, 1), 0);
    EXPECT_EQ(ZedLyrSetDetection(30, 0), 0);
    EXPECT_EQ(ZedLyrSetColor(30, 12), 0);
    EXPECT_EQ(ZedLyrSetName(50, ZED_TEXT("치수")), 0);
    EXPECT_EQ(ZedLyrGetVisibility(50), 1);
    EXPECT_EQ(ZedLyrGetDetection(3), 1);
    EXPECT_EQ(ZedLyrGetDetection(30), 0);
    EXPECT_EQ(ZedLyrGetColor(30), 12);
    EXPECT_EQ(Name(50), "치수");
    EXPECT_EQ(emu::Journal().size(), 5u);
    // Setting what is already set changes nothing.
    EXPECT_EQ(ZedLyrSetDetection(3, 1), 0);
    EXPECT_EQ(ZedLyrSetName(50, ZED_TEXT("치수")), 0);
    EXPECT_EQ(emu::Journal().size(), 5u);
}

TEST_F(LayersTest, NamesAreCutToTheCapacityButReportTheirFullLength) {
    ZedChar buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(ZedLyrGetName(3, buffer, 3), 4);
    EXPECT_EQ(emu::ToUtf8(buffer), "Ho");
    EXPECT_EQ(ZedLyrGetName(50, buffer, 4), 0);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(ZedLyrGetName(3, buffer, 0), -1);
    EXPECT_EQ(ZedLyrGetName(3, nullptr, 4), -1);
}

TEST_F(LayersTest, UnknownLayersAndBadValuesAreRefusedWithoutChange) {
    EXPECT_EQ(ZedLyrHasLayer(7), 0);
    EXPECT_EQ(ZedLyrGetVisibility(7), -1);
    EXPECT_EQ(ZedLyrGetDetection(7), -1);
    EXPECT_EQ(ZedLyrGetColor(7), -1);
    EXPECT_EQ(Name(7), "(none)");
    EXPECT_EQ(ZedLyrSetVisibility(7, 1), -1);
    EXPECT_EQ(ZedLyrSetDetection(7, 1), -1);
    EXPECT_EQ(ZedLyrSetColor(7, 1), -1);
    EXPECT_EQ(ZedLyrSetName(7, ZED_TEXT("x")), -1);
    EXPECT_EQ(ZedLyrSetVisibility(30, 2), -1);
    EXPECT_EQ(ZedLyrSetDetection(3, -1), -1);
    EXPECT_EQ(ZedLyrSetColor(30, -1), -1);
    EXPECT_EQ(ZedLyrSetName(30, nullptr), -1);
    EXPECT_EQ(ZedLyrGetVisibility(30), 1);
    EXPECT_EQ(ZedLyrGetDetection(3), 0);
    EXPECT_EQ(ZedLyrGetColor(30), 3);
    EXPECT_EQ(Name(30), "외형");
    EXPECT_TRUE(emu::Journal().empty());
}

TEST_F(LayersTest, InjectedFailuresChangeNothingAndHandOutNothing) {
    emu::FailCall("ZedLyrSetDetection", 2);
    EXPECT_EQ(ZedLyrSetDetection(30, 0), 0);
    EXPECT_EQ(ZedLyrSetDetection(50, 0), -1);
    EXPECT_EQ(ZedLyrGetDetection(50), 1);
    ASSERT_EQ(emu::Journal().size(), 1u);
    EXPECT_EQ(emu::Journal()[0].name, "ZedLyrSetDetection");

    emu::FailCall("ZedLyrGetAllLayer", 1);
    int32_t* numbers = nullptr;
    EXPECT_EQ(ZedLyrGetAllLayer(&numbers), -1);
    EXPECT_EQ(numbers, nullptr);
    EXPECT_EQ(emu::LiveHostMemory(), 0);
    EXPECT_EQ(ZedLyrHasLayer(30), 1);
    emu::FailCall("ZedLyrHasLayer", 1);
    EXPECT_EQ(ZedLyrHasLayer(30), 0);
}

}  // namespace
