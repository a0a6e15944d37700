// The hole masters in an installation folder whose name holds Korean
// characters: the plug-in finds them through its own text of the path, wide
// or code page 949, and names the path rightly when a master is missing.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "base/messages.h"
#include "command/command_state.h"
#include "holes/hole_master.h"
#include "holes/mc_hole.h"
#include "platform/path.h"
#include "tests/holes/hole_fixture.h"

namespace fs = std::filesystem;

namespace {

std::string Utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path PathOfUtf8(const std::string& text) { return fs::path(std::u8string(text.begin(), text.end())); }

struct FolderCase {
    const char* label;  // for the test's name
    const char* name;   // UTF-8
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.label; }

class KoreanInstallationFolder : public HoleTest, public ::testing::WithParamInterface<FolderCase> {
protected:
    void SetUp() override {
        HoleTest::SetUp();
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ =
            fs::temp_directory_path() / PathOfUtf8("ledgewright-" + std::to_string(stamp) + "-" + GetParam().name);
        fs::create_directories(folder_ / "zed_ap");
        std::ofstream(folder_ / "zed_ap" / "Ledgewright.hol", std::ios::binary)
            << "zedhole 1\nkind mc\nlayer 9\ndiameter 6.6\ndepth 7.5\n";
        // The host's text of the folder: wide, or code page 949 in the legacy build.
        InstallationFolder() = emu::FromUtf8(Utf8Of(folder_));
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
        HoleTest::TearDown();
    }

    fs::path folder_;
};

TEST_P(KoreanInstallationFolder, HoldsTheMcMasterThatTheHoleIsMadeFrom) {
    const std::string master = Utf8Of(folder_) + kSeparator + "zed_ap" + kSeparator + "Ledgewright.hol";
    EXPECT_EQ(Utf8(HoleMasterPath(HoleMaster::Mc).c_str()), master);
    ASSERT_TRUE(CreateMcHole(plate_, {20, 10}, 4, Pattern::PlaneA));
    EXPECT_NE(CurrentHole(), -1);
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox), std::vector<std::string>{});

    // Without the file the message names the folder as it is.
    fs::remove(folder_ / "zed_ap" / "Ledgewright.hol");
    EXPECT_FALSE(CreateMcHole(plate_, {20, 10}, 4, Pattern::PlaneA));
    EXPECT_EQ(TextsOn(emu::Channel::MessageBox), std::vector<std::string>{McMasterMissing()});
    EXPECT_EQ(McMasterMissing(), Utf8(kMsgHoleMasterMissing) + master);
}

INSTANTIATE_TEST_SUITE_P(Names, KoreanInstallationFolder,
                         ::testing::Values(FolderCase{"Hangul", "설치폴더"},
                                           FolderCase{"HangulWithBlanksAndBrackets", "한글 폴더 (2)"},
                                           FolderCase{"LatinAndHangul", "ZED 캐드"}));

}  // namespace
