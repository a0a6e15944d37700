// What the legacy build does differently at the host's prompt, run in both
// builds: the keyword Delete, and the mark a finished shoulder carries.
#include <gtest/gtest.h>

#include <string>

#include "base/build_profile.h"
#include "base/messages.h"
#include "geometry/shoulder_memory.h"
#include "tagging/shoulder_tag.h"
#include "tests/planea/planea_fixture.h"

namespace {

using plate::Pt;

class BuildDifferences : public PlaneATest {
protected:
    void SetUp() override {
        PlaneATest::SetUp();
        Store("mMainWidth", "20.0");
        Store("mMainProtrude", "5.0");
        plate_ = AddPlate(plate::Rectangle(), false);
    }

    // Plan pattern A on the plate's bottom edge, through the prompt, and the
    // end of the command.
    void BuildShoulderAndEnd() {
        ASSERT_TRUE(emu::StartCommand());
        ASSERT_TRUE(emu::Type("PlaneA"));
        ASSERT_TRUE(emu::PickElement(plate::LineBetween(plate_, Pt(0, 0), Pt(100, 0))));
        inner_ = Shoulder().innerSide.ref.id;
        ASSERT_GT(inner_, 0);
        emu::EndCommand();
        emu::ClearMessages();
    }

    bool Tagged() const {
        for (int32_t number = kAttrShoulderType; number <= kAttrDisplaySegment; ++number) {
            if (emu::HasAttribute(plate_, number)) {
                return true;
            }
        }
        return false;
    }

    ZedId plate_ = -1;
    ZedId inner_ = -1;
};

TEST_F(BuildDifferences, DeleteAtThePatternPromptIsDeleteModeOnlyWhereShouldersAreTagged) {
    BuildShoulderAndEnd();
    EXPECT_EQ(Tagged(), build_profile::kTagging);
    const std::string before = emu::Dump();
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    if constexpr (build_profile::kTagging) {
        EXPECT_TRUE(emu::CommandActive());
        EXPECT_EQ(emu::CurrentPrompt(), emu::ToUtf8(kPromptDeleteShoulder));
        emu::EndCommand();
    } else {
        // Like any other text that is no keyword: the command ends.
        EXPECT_FALSE(emu::CommandActive());
    }
    EXPECT_EQ(emu::Dump(), before);
    EXPECT_TRUE(TextsOn(emu::Channel::Error).empty());
    EXPECT_TRUE(TextsOn(emu::Channel::MessageBox).empty());
}

TEST_F(BuildDifferences, DeleteModeDoesNotOfferAShoulderWithoutItsTag) {
    if constexpr (!build_profile::kTagging) {
        GTEST_SKIP() << "the legacy build has no Delete mode";
    }
    // The shoulder as the legacy build leaves it: no attribute is written.
    emu::FailCall("ZedSgmSetAttribute", 1, true);
    BuildShoulderAndEnd();
    emu::ClearFaults();
    ASSERT_FALSE(Tagged());
    const std::string before = emu::Dump();
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(emu::Type("Delete"));
    ASSERT_TRUE(emu::PickElement(inner_));
    EXPECT_EQ(emu::Dump(), before);
    EXPECT_TRUE(emu::CommandActive());
    emu::EndCommand();
}

}  // namespace
