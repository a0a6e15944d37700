// Holes: the sample masters read through the host, MC holes at a centre,
// shaped holes over an outline, the hole data handed out, amended and freed.
#include <gtest/gtest.h>

#include <chrono>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "emuhost/emu_api.h"

namespace {

namespace fs = std::filesystem;

// The installation folder the build lays out, with zed_ap/ and its masters.
std::string InstallationFolder() {
    const char* build = std::getenv("LEDGEWRIGHT_BUILD_DIR");
    return build != nullptr ? build : fs::current_path().string();
}

class HolesTest : public ::testing::Test {
protected:
    void SetUp() override {
        emu::Reset();
        emu::AddLayer(0);
        emu::AddLayer(3);
        emu::AddLayer(5);
        scratch_ = fs::temp_directory_path() /
                   ("emu-holes-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(scratch_);
    }
    void TearDown() override {
        emu::Reset();
        fs::remove_all(scratch_);
    }

    static ZedString Master(const std::string& file) {
        return emu::FromUtf8(InstallationFolder() + "/zed_ap/" + file);
    }

    // Reads a master; the test fails when the host refuses it.
    static ZedHoleData Read(const std::string& file) {
        ZedHoleData data{};
        EXPECT_EQ(ZedHolGetHoleMaster(Master(file).c_str(), &data), 0) << file;
        return data;
    }

    ZedString Write(const std::string& name, const std::string& content) {
        std::ofstream(scratch_ / name) << content;
        return emu::FromUtf8((scratch_ / name).string());
    }

    static void SetMcShape(ZedHoleShape& shape, int layer, double diameter, bool fromBelow) {
        shape.layer = layer;
        shape.diameter = diameter;
        shape.flag = 0;
        shape.depth = 2.5;
        shape.fromBelow = fromBelow ? 1 : 0;
        shape.sideCode = fromBelow ? 7 : 0;
    }

    fs::path scratch_;
};

TEST_F(HolesTest, TheSampleMastersAreReadIntoHostOwnedShapes) {
    ZedHoleData mc = Read("Ledgewright.hol");
    ASSERT_NE(mc.shape, nullptr);
    EXPECT_EQ(mc.shape->layer, 3);
    EXPECT_GT(mc.shape->diameter, 0.0);
    EXPECT_DOUBLE_EQ(mc.shape->depth, 2.0);
    EXPECT_EQ(mc.shape->fromBelow, 0);
    EXPECT_EQ(mc.shape->sideCode, 0);
    ZedHoleData shaped = Read("Ledgewright_Gv.hol");
    ASSERT_NE(shaped.shape, nullptr);
    EXPECT_NE(shaped.shape, mc.shape);
    EXPECT_EQ(emu::LiveHoleData(), 2);

    EXPECT_EQ(ZedHolFreeHoleData(&mc), 0);
    EXPECT_EQ(mc.shape, nullptr);
    EXPECT_EQ(ZedHoleFreeHoleData(&shaped), 0);
    EXPECT_EQ(shaped.shape, nullptr);
    EXPECT_EQ(emu::LiveHoleData(), 0);
    EXPECT_TRUE(emu::ProtocolErrors().empty());
}

TEST_F(HolesTest, APathWrittenTheWindowsWayFindsTheMaster) {
    ZedHoleData data{};
    const ZedString path = emu::FromUtf8(InstallationFolder() + "\\zed_ap\\Ledgewright.hol");
    ASSERT_EQ(ZedHolGetHoleMaster(path.c_str(), &data), 0);
    EXPECT_EQ(ZedHolFreeHoleData(&data), 0);
}

TEST_F(HolesTest, MissingOrMalformedMastersAreRefused) {
    const std::string good = "zedhole 1\nkind mc\nlayer 3\ndiameter 6\ndepth 2\n";
    const std::vector<std::pair<std::string, std::string>> files = {
        {"no header", "kind mc\nlayer 3\ndiameter 6\ndepth 2\n"},
        {"unknown key", good + "colour 3\n"},
        {"repeated key", good + "depth 3\n"},
        {"not a number", "zedhole 1\nkind mc\nlayer 3\ndiameter 6mm\ndepth 2\n"},
        {"no diameter", "zedhole 1\nkind mc\nlayer 3\ndepth 2\n"},
        {"unknown kind", "zedhole 1\nkind round\nlayer 3\ndiameter 6\ndepth 2\n"},
        {"empty", ""},
    };
    for (const auto& [name, content] : files) {
        ZedHoleData data{};
        EXPECT_EQ(ZedHolGetHoleMaster(Write("bad.hol", content).c_str(), &data), -1) << name;
        EXPECT_EQ(data.shape, nullptr) << name;
    }
    ZedHoleData data{};
    EXPECT_EQ(ZedHolGetHoleMaster(Master("Missing.hol").c_str(), &data), -1);
    EXPECT_EQ(ZedHolGetHoleMaster(ZED_TEXT(""), &data), -1);
    EXPECT_EQ(ZedHolGetHoleMaster(nullptr, &data), -1);
    EXPECT_EQ(emu::LiveHoleData(), 0);
    // Comments, blank lines and Windows line ends are fine.
    EXPECT_EQ(ZedHolGetHoleMaster(Write("ok.hol", "# c\r\n\r\n" + good).c_str(), &data), 0);
    EXPECT_DOUBLE_EQ(data.shape->diameter, 6.0);
    EXPECT_EQ(ZedHolFreeHoleData(&data), 0);
}

// A master read again after its file changed gives the new shape, whether the
// change kept the file's size (a later time) or its time (another size); a
// file removed is missing at once. A file whose size and time both stay is
// taken as unchanged: its first shape is kept, not read again.
TEST_F(HolesTest, AMasterChangedSinceItWasReadIsReadAgain) {
    const auto diameterOf = [](const ZedString& path) {
        ZedHoleData data{};
        if (ZedHolGetHoleMaster(path.c_str(), &data) != 0) {
            return -1.0;
        }
        const double diameter = data.shape->diameter;
        ZedHolFreeHoleData(&data);
        return diameter;
    };
    const ZedString path = Write("m.hol", "zedhole 1\nkind mc\nlayer 3\ndiameter 6\ndepth 2\n");
    const fs::path file = scratch_ / "m.hol";
    // The time as the library holds it (whole seconds with mingw's library),
    // given to the file before the first read, so that putting it back later
    // gives the file the very time it had then.
    const fs::file_time_type time = fs::last_write_time(file);
    fs::last_write_time(file, time);
    EXPECT_EQ(diameterOf(path), 6.0);
    Write("m.hol", "zedhole 1\nkind mc\nlayer 3\ndiameter 7\ndepth 2\n");
    fs::last_write_time(file, time);
    EXPECT_EQ(diameterOf(path), 6.0);
    Write("m.hol", "zedhole 1\nkind mc\nlayer 3\ndiameter 8\ndepth 2\n");
    fs::last_write_time(file, time + std::chrono::seconds(1));
    EXPECT_EQ(diameterOf(path), 8.0);
    Write("m.hol", "zedhole 1\nkind mc\nlayer 3\ndiameter 12\ndepth 2\n");
    fs::last_write_time(file, time + std::chrono::seconds(1));
    EXPECT_EQ(diameterOf(path), 12.0);
    fs::remove(file);
    EXPECT_EQ(diameterOf(path), -1.0);
}

TEST_F(HolesTest, FreeingHoleDataTheHostDidNotHandOutIsRefused) {
    ZedHoleData data = Read("Ledgewright.hol");
    ZedHoleData copy = data;
    ASSERT_EQ(ZedHolFreeHoleData(&data), 0);
    EXPECT_EQ(ZedHolFreeHoleData(&copy), -1);  // freed before
    EXPECT_EQ(ZedHolFreeHoleData(&data), -1);  // pointer cleared
    ZedHoleShape own{};
    ZedHoleData foreign{};
    foreign.shape = &own;
    EXPECT_EQ(ZedHoleFreeHoleData(&foreign), -1);
    EXPECT_EQ(foreign.shape, &own);
    EXPECT_EQ(emu::ProtocolErrors().size(), 2u);
}

TEST_F(HolesTest, AnMcHoleIsACircleOnItsLayerWithTheShapeAsWritten) {
    ZedHoleData data = Read("Ledgewright.hol");
    SetMcShape(*data.shape, 5, 8.0, true);
    const ZedPoint centre{12, -4};
    const ZedId hole = ZedHolCreateHole(0, &centre, &data);
    ASSERT_GT(hole, 0);
    ASSERT_EQ(ZedHolFreeHoleData(&data), 0);

    EXPECT_EQ(emu::HoleIds(), (std::vector<ZedId>{hole}));
    const std::vector<ZedId> segments = emu::HoleSegments(hole);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(emu::SegmentType(segments[0]), ZED_SGM_FIGURE);
    EXPECT_EQ(emu::SegmentLayer(segments[0]), 5);
    const std::vector<ZedId> chain = emu::Chain(segments[0]);
    ASSERT_FALSE(chain.empty());
    const ZedFigure circle = emu::FigureOf(chain[0]);
    EXPECT_EQ(circle.kind, ZED_FIG_CIRCLE);
    EXPECT_DOUBLE_EQ(circle.v[0], 12);
    EXPECT_DOUBLE_EQ(circle.v[1], -4);
    EXPECT_DOUBLE_EQ(circle.v[6], 4);
    EXPECT_EQ(emu::CheckIntegrity(segments[0]), "");

    ZedHoleShape shape{};
    ASSERT_TRUE(emu::HoleShapeOf(hole, &shape));
    EXPECT_EQ(shape.layer, 5);
    EXPECT_DOUBLE_EQ(shape.diameter, 8);
    EXPECT_DOUBLE_EQ(shape.depth, 2.5);
    EXPECT_EQ(shape.fromBelow, 1);
    EXPECT_EQ(shape.sideCode, 7);

    const ZedSgmRef ref{1, segments[0]};
    EXPECT_EQ(ZedHolGetHoleId(&ref), hole);
    ZedSgmRef refs[20] = {};
    ASSERT_EQ(ZedHolGetHoleSegmentId(hole, refs, 20), 1);
    EXPECT_EQ(refs[0].kind, 1);
    EXPECT_EQ(refs[0].segment, segments[0]);
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(HolesTest, HoleDataRoundTripsAndAmendsTheHole) {
    ZedHoleData data = Read("Ledgewright.hol");
    SetMcShape(*data.shape, 3, 6.0, false);
    const ZedPoint centre{0, 0};
    const ZedId hole = ZedHolCreateHole(0, &centre, &data);
    ASSERT_GT(hole, 0);

    ZedHoleData read{};
    ASSERT_EQ(ZedHolGetHoleData(hole, &read), 0);
    ASSERT_NE(read.shape, nullptr);
    EXPECT_NE(read.shape, data.shape);  // a fresh record of its own
    EXPECT_EQ(emu::LiveHoleData(), 2);
    EXPECT_EQ(read.shape->layer, 3);
    EXPECT_DOUBLE_EQ(read.shape->diameter, 6);
    EXPECT_EQ(read.shape->sideCode, 0);

    read.shape->diameter = 10;
    read.shape->depth = 7.5;
    read.shape->fromBelow = 1;
    read.shape->sideCode = 7;
    read.shape->layer = 5;
    ASSERT_EQ(ZedHolAmendHoleData(hole, &read), 0);
    const ZedId segment = emu::HoleSegments(hole)[0];
    EXPECT_DOUBLE_EQ(emu::FigureOf(emu::Chain(segment)[0]).v[6], 5);
    EXPECT_EQ(emu::SegmentLayer(segment), 5);
    ZedHoleShape shape{};
    ASSERT_TRUE(emu::HoleShapeOf(hole, &shape));
    EXPECT_DOUBLE_EQ(shape.depth, 7.5);
    EXPECT_EQ(shape.fromBelow, 1);
    EXPECT_EQ(shape.sideCode, 7);

    // Refused amends change nothing.
    read.shape->diameter = 0;
    EXPECT_EQ(ZedHolAmendHoleData(hole, &read), -1);
    read.shape->diameter = 4;
    read.shape->layer = 99;
    EXPECT_EQ(ZedHolAmendHoleData(hole, &read), -1);
    EXPECT_DOUBLE_EQ(emu::FigureOf(emu::Chain(segment)[0]).v[6], 5);

    EXPECT_EQ(ZedHolFreeHoleData(&read), 0);
    EXPECT_EQ(ZedHolFreeHoleData(&data), 0);
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

TEST_F(HolesTest, HolesTheHostCannotMakeAreRefusedAndMakeNothing) {
    ZedHoleData data = Read("Ledgewright.hol");
    const ZedPoint centre{0, 0};
    SetMcShape(*data.shape, 99, 6.0, false);
    EXPECT_EQ(ZedHolCreateHole(0, &centre, &data), -1);  // no such layer
    SetMcShape(*data.shape, 3, 0.0, false);
    EXPECT_EQ(ZedHolCreateHole(0, &centre, &data), -1);  // no diameter
    SetMcShape(*data.shape, 3, 6.0, false);
    data.shape->depth = -1;
    EXPECT_EQ(ZedHolCreateHole(0, &centre, &data), -1);
    data.shape->depth = 2;
    EXPECT_EQ(ZedHolCreateHole(1, &centre, &data), -1);
    EXPECT_EQ(ZedHolCreateHole(0, nullptr, &data), -1);
    ZedHoleData shaped = Read("Ledgewright_Gv.hol");
    EXPECT_EQ(ZedHolCreateHole(0, &centre, &shaped), -1);  // a shaped hole needs an outline
    ZedHoleData freed = data;
    ASSERT_EQ(ZedHolFreeHoleData(&data), 0);
    EXPECT_EQ(ZedHolCreateHole(0, &centre, &freed), -1);
    EXPECT_EQ(ZedHolFreeHoleData(&shaped), 0);

    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_TRUE(emu::SegmentIds().empty());
    EXPECT_TRUE(emu::Journal().empty());
    const ZedSgmRef nothing{1, 4242};
    EXPECT_EQ(ZedHolGetHoleId(&nothing), -1);
    ZedSgmRef refs[2];
    EXPECT_EQ(ZedHolGetHoleSegmentId(4242, refs, 2), -1);
    ZedHoleData none{};
    EXPECT_EQ(ZedHolGetHoleData(4242, &none), -1);
    EXPECT_EQ(none.shape, nullptr);
}

TEST_F(HolesTest, AShapedHoleDrawsItsOwnCopyOfAClosedOutline) {
    // An oblong about (0, 0) and (10, 0) with half-width 2, on layer 0.
    const ZedId outline = emu::AddOutline(0,
                                          {emu::Line(0, 2, 10, 2), emu::Arc(10, 0, 10, 2, 10, -2, ZED_ARC_CW),
                                           emu::Line(10, -2, 0, -2), emu::Arc(0, 0, 0, -2, 0, 2, ZED_ARC_CW)},
                                          true);
    const ZedId open = emu::AddOutline(0, {emu::Line(0, 5, 10, 5)}, false);
    ASSERT_GT(outline, 0);
    ZedHoleData data = Read("Ledgewright_Gv.hol");
    data.shape->layer = 5;
    data.shape->fromBelow = 1;
    data.shape->sideCode = 7;
    ZedHoleData mc = Read("Ledgewright.hol");

    const ZedSgmRef openRef{1, open};
    const ZedSgmRef wrongKind{0, outline};
    const ZedSgmRef ref{1, outline};
    EXPECT_EQ(ZedHolCreateFigHole(&openRef, &data), -1);
    EXPECT_EQ(ZedHolCreateFigHole(&wrongKind, &data), -1);
    EXPECT_EQ(ZedHolCreateFigHole(&ref, &mc), -1);
    EXPECT_TRUE(emu::HoleIds().empty());

    const ZedId hole = ZedHolCreateFigHole(&ref, &data);
    ASSERT_GT(hole, 0);
    const std::vector<ZedId> segments = emu::HoleSegments(hole);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_NE(segments[0], outline);
    EXPECT_EQ(emu::SegmentLayer(segments[0]), 5);
    EXPECT_TRUE(emu::SegmentClosed(segments[0]));
    const std::vector<ZedId> copy = emu::Chain(segments[0]);
    const std::vector<ZedId> original = emu::Chain(outline);
    ASSERT_EQ(copy.size(), original.size());
    for (size_t i = 0; i < copy.size(); ++i) {
        const ZedFigure drawn = emu::FigureOf(copy[i]);
        const ZedFigure given = emu::FigureOf(original[i]);
        EXPECT_EQ(std::memcmp(&drawn, &given, sizeof(ZedFigure)), 0) << i;
    }
    EXPECT_EQ(emu::CheckIntegrity(segments[0]), "");
    // The outline stays as it was and belongs to no hole.
    EXPECT_EQ(emu::SegmentLayer(outline), 0);
    const ZedSgmRef outlineRef{1, outline};
    EXPECT_EQ(ZedHolGetHoleId(&outlineRef), -1);
    const ZedSgmRef holeRef{1, segments[0]};
    EXPECT_EQ(ZedHolGetHoleId(&holeRef), hole);
    ZedHoleShape shape{};
    ASSERT_TRUE(emu::HoleShapeOf(hole, &shape));
    EXPECT_EQ(shape.sideCode, 7);
    EXPECT_EQ(shape.fromBelow, 1);

    EXPECT_EQ(ZedHolFreeHoleData(&data), 0);
    EXPECT_EQ(ZedHolFreeHoleData(&mc), 0);
}

TEST_F(HolesTest, DeletingTheHolesSegmentDeletesTheHole) {
    ZedHoleData data = Read("Ledgewright.hol");
    const ZedPoint centre{1, 1};
    const ZedId hole = ZedHolCreateHole(0, &centre, &data);
    ASSERT_EQ(ZedHolFreeHoleData(&data), 0);
    ZedSgmRef refs[20];
    ASSERT_EQ(ZedHolGetHoleSegmentId(hole, refs, 20), 1);
    ASSERT_EQ(ZedSgmDeleteSegment(refs[0].segment), 0);
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_EQ(ZedHolGetHoleSegmentId(hole, refs, 20), -1);
    ZedHoleData gone{};
    EXPECT_EQ(ZedHolGetHoleData(hole, &gone), -1);
}

TEST_F(HolesTest, AnInjectedFailureMakesNoHoleAndLeavesTheDataToFree) {
    ZedHoleData data = Read("Ledgewright.hol");
    const ZedPoint centre{1, 1};
    emu::ResetCallLog();
    emu::FailCall("ZedHolCreateHole", 1);
    EXPECT_EQ(ZedHolCreateHole(0, &centre, &data), -1);
    EXPECT_TRUE(emu::HoleIds().empty());
    EXPECT_TRUE(emu::SegmentIds().empty());
    EXPECT_TRUE(emu::Journal().empty());
    EXPECT_EQ(emu::LiveHoleData(), 1);
    emu::FailCall("ZedHolFreeHoleData", 1);
    EXPECT_EQ(ZedHolFreeHoleData(&data), -1);
    EXPECT_NE(data.shape, nullptr);
    EXPECT_EQ(ZedHolFreeHoleData(&data), 0);
    EXPECT_EQ(emu::LiveHoleData(), 0);
}

}  // namespace
