// The drilling-side and depth notes beside a hole.
#include <gtest/gtest.h>

#include <clocale>
#include <cstring>
#include <string>

#include "base/messages.h"
#include "holes/hole_notes.h"
#include "settings/shoulder_settings.h"
#include "tests/holes/hole_fixture.h"

namespace {

class HoleNote : public HoleTest {
protected:
    static ZedLeader LeaderOf(ZedId note) {
        ZedLeader leader{};
        EXPECT_EQ(ZedCmtGetComment(note, &leader), 0);
        leader.text = nullptr;  // host memory, not kept
        return leader;
    }
    ZedFigRef slot_{0, 0};
};

TEST_F(HoleNote, TheDepthShowsWithOneDecimal) {
    EXPECT_EQ(Utf8(DepthNoteText(12.345).c_str()), "깊이:12.3");
    EXPECT_EQ(Utf8(DepthNoteText(2).c_str()), "깊이:2.0");
    EXPECT_EQ(Utf8(DepthNoteText(0.25).c_str()), "깊이:0.2");  // as printf rounds the double 0.25
    EXPECT_EQ(Utf8(DepthNoteText(-1.06).c_str()), "깊이:-1.1");
    EXPECT_EQ(Utf8(DepthNoteText(1234567.0).c_str()), "깊이:1234567.0");
}

TEST_F(HoleNote, TheDepthIgnoresTheProcesssDecimalComma) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "German_Germany.1252"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            comma = name;
            break;
        }
    }
    if (comma == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    }
    const std::string text = Utf8(DepthNoteText(12.345).c_str());
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text, "깊이:12.3") << comma;
}

TEST_F(HoleNote, TheSideNoteNamesTheFaceTheHoleIsDrilledFrom) {
    ASSERT_TRUE(CreateSideNote({1, 2}, {3, 4}, slot_, Pattern::PlaneA));
    EXPECT_EQ(emu::NoteText(slot_.id), "상면");
    ShoulderSettings.PA_HoleDir = 5;
    ASSERT_TRUE(CreateSideNote({1, 2}, {3, 4}, slot_, Pattern::PlaneA));
    EXPECT_EQ(emu::NoteText(slot_.id), "하면");
    // The keyword chooses the pattern's setting.
    ASSERT_TRUE(CreateSideNote({1, 2}, {3, 4}, slot_, Pattern::PlaneC));
    EXPECT_EQ(emu::NoteText(slot_.id), "상면");
}

TEST_F(HoleNote, ANoteIsALeaderInASegmentOfItsOwn) {
    ASSERT_TRUE(CreateSideNote({1, 2}, {3, 4}, slot_, Pattern::PlaneA));
    EXPECT_EQ(slot_.instance, 0);
    const ZedId segment = ZedElmGetSegment(slot_.id);
    EXPECT_EQ(emu::SegmentType(segment), ZED_SGM_NOTE);
    EXPECT_EQ(emu::Chain(segment), std::vector<ZedId>{slot_.id});
    const ZedLeader leader = LeaderOf(slot_.id);
    EXPECT_EQ(leader.kind, 35);
    EXPECT_EQ(leader.first.x, 1.0);
    EXPECT_EQ(leader.first.y, 2.0);
    EXPECT_EQ(leader.second.x, 3.0);
    EXPECT_EQ(leader.second.y, 4.0);
    EXPECT_EQ(leader.third.x, 3.0);
    EXPECT_EQ(leader.third.y, 4.0);
    EXPECT_EQ(leader.one112, 1);
    EXPECT_EQ(leader.four144, 4);
    EXPECT_EQ(leader.three152, 3.0);
    EXPECT_EQ(leader.two160, 2.0);
    EXPECT_EQ(leader.zero168, 0.0);
    EXPECT_EQ(leader.zero24, 0);
    EXPECT_EQ(leader.zero96, 0);
}

TEST_F(HoleNote, TheDepthNoteShowsTheShoulderHeight) {
    ShoulderSettings.mMainHeight = 7.25;
    ASSERT_TRUE(CreateDepthNote({1, 2}, {3, 4}, slot_));
    EXPECT_EQ(emu::NoteText(slot_.id), "깊이:7.2");
}

TEST_F(HoleNote, ARefusedNoteIsReportedAndFilesMinusOne) {
    emu::FailCall("ZedCmtCreateLeader", 1);
    EXPECT_FALSE(CreateDepthNote({1, 2}, {3, 4}, slot_));
    EXPECT_EQ(slot_.id, -1);
    emu::FailCall("ZedSgmCreateSegment", 1);
    slot_ = ZedFigRef{0, 0};
    EXPECT_FALSE(CreateSideNote({1, 2}, {3, 4}, slot_, Pattern::PlaneA));
    EXPECT_EQ(slot_.id, -1);
    EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>(2, Utf8(kMsgDimensionNotCreated)));
}

TEST_F(HoleNote, ChangingTheTextKeepsTheRestOfTheNote) {
    ASSERT_TRUE(CreateSideNote({1, 2}, {3, 4}, slot_, Pattern::PlaneA));
    const ZedLeader before = LeaderOf(slot_.id);
    ASSERT_TRUE(SetNoteText(slot_.id, kNoteBottomFace));
    EXPECT_EQ(emu::NoteText(slot_.id), "하면");
    ASSERT_TRUE(SetDepthNote(slot_.id, 12.345));
    EXPECT_EQ(emu::NoteText(slot_.id), "깊이:12.3");
    const ZedLeader after = LeaderOf(slot_.id);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

}  // namespace
