#include "tests/holes/hole_fixture.h"

#include <atomic>
#include <chrono>
#include <fstream>

#include "base/line_pick.h"
#include "base/messages.h"
#include "command/command_state.h"
#include "geometry/shoulder_memory.h"
#include "geometry/unfinished_change.h"
#include "holes/hole_state.h"
#include "platform/path.h"
#include "settings/shoulder_settings.h"

namespace fs = std::filesystem;

namespace {

// Every field a hole master can carry, none of them the value the plug-in
// writes; layer 9 does not exist in the drawing.
constexpr char kMcMaster[] =
    "zedhole 1\nkind mc\nlayer 9\ndiameter 6.6\nflag 5\ndepth 7.5\nfrom-below 1\nside 9\n";
constexpr char kShapedMaster[] = "zedhole 1\nkind shaped\nlayer 9\nflag 5\ndepth 7.5\nfrom-below 1\nside 9\n";

fs::path NewScratchFolder(const char* what) {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path folder = fs::temp_directory_path() / ("ledgewright-holes-" + std::to_string(stamp) + "-" + what +
                                                         "-" + std::to_string(counter++));
    fs::create_directories(folder);
    return folder;
}

void WriteFile(const fs::path& path, const char* text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

ZedString Zed(const fs::path& path) {
#if defined(_WIN32) && !ZED_LEGACY
    return path.wstring();
#else
    return emu::FromUtf8(path.string());
#endif
}

}  // namespace

void HoleTest::SetUp() {
    PluginTest::SetUp();
    folder_ = NewScratchFolder("install");
    fs::create_directories(folder_ / "zed_ap");
    WriteFile(folder_ / "zed_ap" / "Ledgewright.hol", kMcMaster);
    WriteFile(folder_ / "zed_ap" / "Ledgewright_Gv.hol", kShapedMaster);
    emptyFolder_ = NewScratchFolder("empty");
    ResetScene();
}

void HoleTest::TearDown() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
    fs::remove_all(emptyFolder_, ignored);
    PluginTest::TearDown();
}

void HoleTest::ResetScene() {
    CheckLeftState();
    emu::Reset();
    ResetHoleState();
    ResetShoulderMemory();
    ResetPicks();
    ResetShoulderSettings();
    InstallationFolder() = Zed(folder_);
    for (int layer : {0, 3, 4, 5, 30, 50, 60}) {
        emu::AddLayer(layer);
    }
    emu::SetCurrentLayer(0);
    plate_ = AddPlate(50);
    Picks().linePick.segment = plate_;

    ShoulderSettings.mMainHeight = 2.0;
    ShoulderSettings.PA_HoleLayer = ZED_TEXT("3");
    ShoulderSettings.PB_HoleLayer = ZED_TEXT("30:4|50:5");
    ShoulderSettings.PC_HoleLayer = ZED_TEXT("3");
    emu::ResetCallLog();
    emu::ClearMessages();
}

void HoleTest::UseEmptyInstallationFolder() { InstallationFolder() = Zed(emptyFolder_); }

std::string HoleTest::FolderUtf8() const { return emu::ToUtf8(InstallationFolder().c_str()); }
std::string HoleTest::McMasterUtf8() const {
    return FolderUtf8() + kSeparator + "zed_ap" + kSeparator + "Ledgewright.hol";
}
std::string HoleTest::ShapedMasterUtf8() const {
    return FolderUtf8() + kSeparator + "zed_ap" + kSeparator + "Ledgewright_Gv.hol";
}

std::string HoleTest::McMasterMissing() const { return Utf8(kMsgHoleMasterMissing) + McMasterUtf8(); }
std::string HoleTest::ShapedMasterMissing() const { return Utf8(kMsgHoleMasterMissing) + ShapedMasterUtf8(); }

ZedId HoleTest::AddPlate(int layer) {
    return emu::AddOutline(layer,
                           {emu::Line(0, 0, 40, 0), emu::Line(40, 0, 40, 20), emu::Line(40, 20, 0, 20),
                            emu::Line(0, 20, 0, 0)},
                           true);
}

ZedId HoleTest::CurrentHole() { return Holes().currentHole; }

ZedHoleShape HoleTest::ShapeOf(ZedId hole) {
    ZedHoleShape shape{};
    EXPECT_TRUE(emu::HoleShapeOf(hole, &shape)) << "no hole " << hole;
    return shape;
}

namespace {

ZedFigure CircleOf(ZedId hole) {
    for (ZedId segment : emu::HoleSegments(hole)) {
        for (ZedId element : emu::Chain(segment)) {
            const ZedFigure figure = emu::FigureOf(element);
            if (figure.kind == ZED_FIG_CIRCLE) {
                return figure;
            }
        }
    }
    ADD_FAILURE() << "hole " << hole << " has no circle";
    return ZedFigure{};
}

}  // namespace

ZedPoint HoleTest::CircleCentreOf(ZedId hole) {
    const ZedFigure circle = CircleOf(hole);
    return ZedPoint{circle.v[0], circle.v[1]};
}

double HoleTest::CircleRadiusOf(ZedId hole) { return CircleOf(hole).v[6]; }

ZedId HoleTest::RememberAShoulder() {
    const ZedId segment = emu::AddSegment(ZED_SGM_FIGURE, 50);
    const ZedId side = emu::AddFigure(segment, emu::Line(10, 20, 10, 25));
    Shoulder().firstSide.ref = ZedFigRef{0, side};
    return segment;
}
