// The chooser as the user meets it: first start, rows, edits, the layer box,
// the saved position, and keywords typed through the host's keyboard.
#include <utility>
#include <ostream>
#include <vector>

#include "base/build_profile.h"
#include "base/messages.h"
#include "settings/shoulder_settings.h"
#include "tests/ui/ui_test.h"
#include "ui/bitmaps.h"
#include "ui/chooser.h"
#include "ui/chooser_layout.h"
#include "ui/panel_layouts.h"

namespace {

constexpr int kVkUp = 0x26;
constexpr int kVkDown = 0x28;

using ChooserTest = UiTest;

TEST_F(ChooserTest, FirstStartOnAnEmptyRegistryShowsAndStoresTheDefaults) {
    StartWithChooser();
    DialogWindow& w = ChooserWindow();
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(U(w.Item(kIdcProtrude).Text()), "1.0");
    EXPECT_EQ(U(w.Item(kIdcWidth).Text()), "3.0");
    EXPECT_EQ(U(w.Item(kIdcHeight).Text()), "2.0");
    EXPECT_FALSE(w.Item(kIdcIsLayer).Checked());
    EXPECT_FALSE(w.Item(kIdcLayers).Enabled());
    EXPECT_FALSE(w.Item(kIdcLayerLabel).Enabled());
    EXPECT_EQ(U(w.Item(kIdcLayers).Text()), "30|50|60");
    EXPECT_EQ(w.Item(kIdcPatternList).SelectedRow(), 0);
    EXPECT_EQ(w.Item(kIdcPatternList).RowCount(), 8);
    EXPECT_EQ(w.Item(kIdcPicture).BitmapShown(), kBitmapPlaneA);
    EXPECT_EQ(VisiblePanel(), Pattern::PlaneA);
    EXPECT_EQ(w.Focus(), kIdcPatternList);
    const Rect r = w.ScreenRect();
    std::vector<std::pair<std::string, std::string>> stored = {
        {"mMainProtrude", "1.0"}, {"mMainWidth", "3.0"},  {"mMainHeight", "2.0"},
        {"mMainIsLayer", "0"},    {"mMainLayer", "30|50|60"}, {"mMainItemNo", "1"},
    };
    // The legacy chooser reads no position at its start, so it stores none there.
    const bool placed = build_profile::kChooser == build_profile::ChooserVariant::Current;
    for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
             {"DialogPosLeft", std::to_string(r.left)},  {"DialogPosRight", std::to_string(r.right)},
             {"DialogPosTop", std::to_string(r.top)},    {"DialogPosBottom", std::to_string(r.bottom)}}) {
        stored.emplace_back(name, placed ? value : "(missing)");
    }
    for (const auto& [name, value] : stored) {
        EXPECT_EQ(Stored(name), value) << name;
    }
    EXPECT_EQ(emu::CurrentPrompt(), emu::ToUtf8(kPromptPattern));
}

struct RowCase {
    int row;
    std::string itemNo;
    int picture;  // after starting on row 0 (plan pattern A)
    std::optional<Pattern> panel;
    std::string entered;  // by a double click; "-" for nothing
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << "row " << c.row; }

class ChooserRows : public UiTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(ChooserRows, ClickStoresTheItemAndShowsItsPictureAndPanel) {
    const RowCase& c = GetParam();
    StartWithChooser();
    headless::ClickRow(ChooserWindow(), kIdcPatternList, c.row);
    EXPECT_EQ(Stored("mMainItemNo"), c.itemNo);
    EXPECT_EQ(ChooserWindow().Item(kIdcPatternList).SelectedRow(), c.row);
    EXPECT_EQ(ChooserWindow().Item(kIdcPicture).BitmapShown(), c.picture);
    EXPECT_EQ(VisiblePanel(), c.panel);
    EXPECT_TRUE(emu::KeyEvents().empty());
}

TEST_P(ChooserRows, DoubleClickActivatesTheHostAndTypesTheKeyword) {
    const RowCase& c = GetParam();
    StartWithChooser();
    headless::DoubleClickRow(ChooserWindow(), kIdcPatternList, c.row);
    EXPECT_EQ(emu::HostWindowActivations(), 1);
    EXPECT_EQ(emu::EnteredLines(), c.entered == "-" ? std::vector<std::string>{}
                                                    : std::vector<std::string>{c.entered});
    EXPECT_EQ(Stored("mMainItemNo"), c.itemNo);
    // A keyword that starts a pattern hides the chooser.
    EXPECT_EQ(ChooserWindow().Visible(), c.entered == "-");
    if (c.entered == "-") {
        EXPECT_TRUE(emu::KeyEvents().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryRow, ChooserRows,
                         ::testing::Values(RowCase{0, "1", kBitmapPlaneA, Pattern::PlaneA, "planea"},
                                           RowCase{1, "2", kBitmapPlaneB, Pattern::PlaneB, "planeb"},
                                           RowCase{2, "3", kBitmapPlaneC, Pattern::PlaneC, "planec"},
                                           RowCase{3, "4", kBitmapPlaneD, Pattern::PlaneD, "planed"},
                                           RowCase{4, "5", kBitmapPlaneA, std::nullopt, "-"},
                                           RowCase{5, "6", kBitmapSideA, Pattern::SideA, "sidea"},
                                           RowCase{6, "7", kBitmapSideB, Pattern::SideB, "sideb"},
                                           RowCase{7, "8", kBitmapSideC, std::nullopt, "sidec"}));

struct StoredItemCase {
    std::string itemNo;
    int row;
    int picture;
    std::optional<Pattern> panel;
    std::string enteredOnPictureClick;  // "-" for nothing
};

void PrintTo(const StoredItemCase& c, std::ostream* os) { *os << "item " << c.itemNo; }

class ChooserStoredItem : public UiTest, public ::testing::WithParamInterface<StoredItemCase> {};

TEST_P(ChooserStoredItem, RestartShowsTheStoredItemAndThePictureTypesItsKeyword) {
    const StoredItemCase& c = GetParam();
    Store("mMainItemNo", c.itemNo);
    StartWithChooser();
    EXPECT_EQ(ChooserWindow().Item(kIdcPatternList).SelectedRow(), c.row);
    EXPECT_EQ(ChooserWindow().Item(kIdcPicture).BitmapShown(), c.picture);
    EXPECT_EQ(VisiblePanel(), c.panel);
    headless::Click(ChooserWindow(), kIdcPicture);
    EXPECT_EQ(emu::HostWindowActivations(), 1);
    EXPECT_EQ(emu::EnteredLines(), c.enteredOnPictureClick == "-"
                                       ? std::vector<std::string>{}
                                       : std::vector<std::string>{c.enteredOnPictureClick});
}

INSTANTIATE_TEST_SUITE_P(ItemNumbers, ChooserStoredItem,
                         ::testing::Values(StoredItemCase{"2", 1, kBitmapPlaneB, Pattern::PlaneB, "planeb"},
                                           StoredItemCase{"5", 4, kNoBitmap, std::nullopt, "-"},
                                           StoredItemCase{"8", 7, kBitmapSideC, std::nullopt, "sidec"},
                                           StoredItemCase{"9", -1, kBitmapSideD, std::nullopt, "sided"},
                                           StoredItemCase{"0", -1, kNoBitmap, std::nullopt, "-"},
                                           StoredItemCase{"10", -1, kNoBitmap, std::nullopt, "-"}));

// Headless pop-ups: the client area starts 3 pixels right of the window's
// left edge and 26 below its top.
TEST_F(ChooserTest, EveryPanelStandsBelowTheListAsWideAndHighAsTheClientAreaLessOne) {
    StartWithChooser();
    const Rect chooser = ChooserWindow().ScreenRect();
    const Rect client = ChooserWindow().ClientRect();
    const int listBottom = ChooserWindow().ItemRect(kIdcPatternList).bottom;
    for (Pattern pattern : {Pattern::PlaneA, Pattern::PlaneB, Pattern::PlaneC, Pattern::PlaneD, Pattern::SideA,
                            Pattern::SideB}) {
        const Rect r = PanelWindow(pattern).ScreenRect();
        const Rect inClient = {r.left - chooser.left - 3, r.top - chooser.top - 26, r.right - chooser.left - 3,
                               r.bottom - chooser.top - 26};
        EXPECT_EQ(inClient, (Rect{1, listBottom, 1 + client.right - 1, listBottom + client.bottom - 1}))
            << "panel " << static_cast<int>(pattern);
    }
    EXPECT_EQ(Chooser().Panel(Pattern::SideC), nullptr);
    EXPECT_EQ(Chooser().Panel(Pattern::SideD), nullptr);
}

TEST_F(ChooserTest, ArrowKeysMoveTheSelectionButChooseNothing) {
    StartWithChooser();
    ChooserWindow().SetFocus(kIdcPatternList);
    const std::string before = Stored("mMainItemNo");
    for (int key : {kVkDown, kVkDown, kVkUp}) {
        headless::PressKey(ChooserWindow(), key);
    }
    EXPECT_EQ(ChooserWindow().Item(kIdcPatternList).SelectedRow(), 1);
    EXPECT_EQ(Stored("mMainItemNo"), before);
    EXPECT_EQ(ChooserWindow().Item(kIdcPicture).BitmapShown(), kBitmapPlaneA);
    EXPECT_EQ(VisiblePanel(), Pattern::PlaneA);
    EXPECT_TRUE(emu::KeyEvents().empty());
}

struct EditCase {
    int control;
    std::string typed;
    std::string name;
    std::string stored;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name << " " << c.typed; }

class ChooserEdits : public UiTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(ChooserEdits, LeavingAnEditStoresItWhileTheEditKeepsTheTypedText) {
    const EditCase& c = GetParam();
    StartWithChooser();
    headless::TypeInto(ChooserWindow(), c.control, Z(c.typed));
    EXPECT_NE(Stored(c.name), c.stored) << "stored before the edit was left";
    headless::Leave(ChooserWindow());
    EXPECT_EQ(Stored(c.name), c.stored);
    EXPECT_EQ(U(ChooserWindow().Item(c.control).Text()), c.typed);
}

INSTANTIATE_TEST_SUITE_P(SizesAndLayers, ChooserEdits,
                         ::testing::Values(EditCase{kIdcWidth, "2", "mMainWidth", "2.0"},
                                           EditCase{kIdcProtrude, "abc", "mMainProtrude", "0.0"},
                                           EditCase{kIdcHeight, "2.50", "mMainHeight", "2.5"},
                                           EditCase{kIdcProtrude, "0.125x", "mMainProtrude", "0.125"}));

TEST_F(ChooserTest, TheLayerListIsStoredAsTypedOnceTheBoxIsChecked) {
    StartWithChooser();
    headless::TypeInto(ChooserWindow(), kIdcLayers, Z("7|x"));
    EXPECT_EQ(Stored("mMainLayer"), "30|50|60") << "a disabled edit takes no typing";
    headless::Click(ChooserWindow(), kIdcIsLayer);
    EXPECT_EQ(Stored("mMainIsLayer"), "1");
    EXPECT_TRUE(ChooserWindow().Item(kIdcLayers).Enabled());
    EXPECT_TRUE(ChooserWindow().Item(kIdcLayerLabel).Enabled());
    headless::TypeInto(ChooserWindow(), kIdcLayers, Z("7|x"));
    headless::Click(ChooserWindow(), kIdcIsLayer);  // the click takes the focus from the edit first
    EXPECT_EQ(Stored("mMainLayer"), "7|x");
    EXPECT_EQ(Stored("mMainIsLayer"), "0");
    EXPECT_FALSE(ChooserWindow().Item(kIdcLayers).Enabled());
}

struct LongTextCase {
    std::optional<Pattern> panel;  // none: the chooser itself
    int checkBox;  // clicked first to enable the edit; 0 for none
    int edit;
    std::string name;
    std::string piece;  // repeated up to the length
    size_t length;
};

void PrintTo(const LongTextCase& c, std::ostream* os) { *os << c.name << " of " << c.length; }

class ChooserLongTexts : public UiTest, public ::testing::WithParamInterface<LongTextCase> {
protected:
    DialogWindow& WindowOf(std::optional<Pattern> panel) { return panel ? PanelWindow(*panel) : ChooserWindow(); }
};

// A text typed into the chooser or a panel is stored whole and shown whole
// again when the plug-in is next loaded, whatever its length.
TEST_P(ChooserLongTexts, ATypedTextOfAnyLengthIsKeptAtTheNextLoad) {
    const LongTextCase& c = GetParam();
    std::string text;
    while (text.size() < c.length) {
        text += c.piece;
    }
    text.resize(c.length);
    StartWithChooser();
    if (c.checkBox != 0) {
        headless::Click(WindowOf(c.panel), c.checkBox);
    }
    headless::TypeInto(WindowOf(c.panel), c.edit, Z(text));
    headless::Leave(WindowOf(c.panel));
    ASSERT_EQ(Stored(c.name), text);

    emu::EndCommand();
    DestroyChooser();  // as the plug-in's unloading does
    StartWithChooser();
    EXPECT_EQ(Stored(c.name), text);
    EXPECT_EQ(U(WindowOf(c.panel).Item(c.edit).Text()), text);
    if (c.checkBox != 0) {
        EXPECT_TRUE(WindowOf(c.panel).Item(c.checkBox).Checked());
    }
    if (c.name == "mMainLayer") {
        ASSERT_TRUE(emu::Type("SideD"));
        EXPECT_EQ(U(ShoulderSettings.mMainLayer), text);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ChooserLongTexts,
                         ::testing::Values(LongTextCase{std::nullopt, kIdcIsLayer, kIdcLayers, "mMainLayer", "30|50|60|", 131},
                                           LongTextCase{Pattern::PlaneA, 0, kIdcHoleLayer, "PA_HoleLayer", "30:3|", 200},
                                           LongTextCase{Pattern::PlaneD, 0, kIdcSlotLayer, "PD_SlotLayer", "50:5|", 5000}));

TEST_F(ChooserTest, TheLoaderTakesTheSharedValuesFromTheChooser) {
    StartWithChooser();
    headless::TypeInto(ChooserWindow(), kIdcWidth, Z("7"));
    headless::Leave(ChooserWindow());
    headless::Click(ChooserWindow(), kIdcIsLayer);
    Store("mMainWidth", "9.0");
    Store("mMainIsLayer", "0");
    ASSERT_TRUE(emu::Type("SideD"));
    EXPECT_DOUBLE_EQ(ShoulderSettings.mMainWidth, 7.0);
    EXPECT_EQ(ShoulderSettings.mMainIsLayer, 1);
}

TEST_F(ChooserTest, WithCapsLockOnTheTypedKeywordStillStartsPlanPatternA) {
    emu::SetCapsLock(true);
    StartWithChooser();
    headless::DoubleClickRow(ChooserWindow(), kIdcPatternList, 0);
    EXPECT_EQ(emu::EnteredLines(), std::vector<std::string>{"PLANEA"});
    EXPECT_EQ(emu::CurrentPrompt(), emu::ToUtf8(kPromptPlaneALinePick));
    EXPECT_FALSE(ChooserWindow().Visible());
    // Clear, the six letters marked 0x33 without Shift, Enter; each down and up.
    const std::vector<emu::KeyEvent> keys = emu::KeyEvents();
    ASSERT_EQ(keys.size(), 16u);
    EXPECT_EQ(std::make_pair(keys[0].virtualKey, keys[0].scanCode), std::make_pair(0x0C, 0x0C));
    const std::string letters = "PLANEA";
    for (size_t i = 0; i < letters.size(); ++i) {
        for (size_t half = 0; half < 2; ++half) {
            const emu::KeyEvent& key = keys[2 + 2 * i + half];
            EXPECT_EQ(key.virtualKey, letters[i]);
            EXPECT_EQ(key.scanCode, 0);
            EXPECT_EQ(key.extraInfo, 0x33u);
            EXPECT_EQ(key.keyUp, half == 1);
        }
    }
    EXPECT_EQ(std::make_pair(keys[14].virtualKey, keys[14].scanCode), std::make_pair(0x0D, 0xB9));
    EXPECT_TRUE(keys[15].keyUp);
}

TEST_F(ChooserTest, AKeywordTypedAtThePromptLeavesTheChooserAsItWas) {
    Store("mMainItemNo", "2");
    StartWithChooser();
    ASSERT_TRUE(emu::Type("SideB"));
    EXPECT_FALSE(ChooserWindow().Visible());
    EXPECT_EQ(Stored("mMainItemNo"), "2");
    EXPECT_EQ(ChooserWindow().Item(kIdcPatternList).SelectedRow(), 1);
    EXPECT_EQ(ChooserWindow().Item(kIdcPicture).BitmapShown(), kBitmapPlaneB);
    EXPECT_EQ(VisiblePanel(), Pattern::PlaneB);
}

TEST_F(ChooserTest, TheDeleteButtonTypesDelete) {
    StartWithChooser();
    if constexpr (build_profile::kChooser == build_profile::ChooserVariant::Legacy) {
        EXPECT_FALSE(ChooserWindow().HasItem(kIdcDelete));
        return;
    }
    headless::Click(ChooserWindow(), kIdcDelete);
    EXPECT_EQ(emu::HostWindowActivations(), 1);
    EXPECT_EQ(emu::EnteredLines(), std::vector<std::string>{"delete"});
    EXPECT_FALSE(ChooserWindow().Visible());
}

TEST_F(ChooserTest, EnterDoesNothingWhileEscapeAndTheCloseBoxHideAndTheCommandGoesOn) {
    StartWithChooser();
    headless::PressKey(ChooserWindow(), kVkReturn);
    EXPECT_TRUE(ChooserWindow().Visible());
    headless::PressKey(ChooserWindow(), kVkEscape);
    EXPECT_FALSE(ChooserWindow().Visible());
    ShowChooser();
    headless::Close(ChooserWindow());
    EXPECT_FALSE(ChooserWindow().Visible());
    EXPECT_TRUE(emu::CommandActive());
    EXPECT_EQ(Stored("mMainItemNo"), "1");
}

struct PositionCase {
    Rect saved;
    bool accepted;
};

void PrintTo(const PositionCase& c, std::ostream* os) {
    *os << c.saved.left << "," << c.saved.top << "-" << c.saved.right << "," << c.saved.bottom;
}

class ChooserPosition : public UiTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(ChooserPosition, ASavedPositionIsTakenOnlyOverTheHostWindow) {
    const PositionCase& c = GetParam();
    headless::SetHostWindowRect({100, 100, 900, 700});
    Store("DialogPosLeft", std::to_string(c.saved.left));
    Store("DialogPosRight", std::to_string(c.saved.right));
    Store("DialogPosTop", std::to_string(c.saved.top));
    Store("DialogPosBottom", std::to_string(c.saved.bottom));
    StartWithChooser();
    const Rect r = ChooserWindow().ScreenRect();
    // The legacy chooser opens at its template position whatever is stored,
    // and leaves the stored position as it was.
    const bool placed = build_profile::kChooser == build_profile::ChooserVariant::Current;
    if (c.accepted && placed) {
        EXPECT_EQ(r, c.saved);
    } else {
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
    }
    EXPECT_EQ(Stored("DialogPosLeft"), std::to_string(placed ? r.left : c.saved.left));
    EXPECT_EQ(Stored("DialogPosBottom"), std::to_string(placed ? r.bottom : c.saved.bottom));
    // The end of the command saves where the chooser is and hides it.
    ChooserWindow().Move({150, 160, 600, 900});
    emu::EndCommand();
    EXPECT_FALSE(ChooserWindow().Visible());
    EXPECT_EQ(Stored("DialogPosLeft"), "150");
    EXPECT_EQ(Stored("DialogPosRight"), "600");
    EXPECT_EQ(Stored("DialogPosTop"), "160");
    EXPECT_EQ(Stored("DialogPosBottom"), "900");
    // The next start only shows it again.
    ASSERT_TRUE(emu::StartCommand());
    EXPECT_TRUE(ChooserWindow().Visible());
    EXPECT_EQ(ChooserWindow().ScreenRect(), (Rect{150, 160, 600, 900}));
}

// The host window is 100,100 - 900,700; the chooser as created 450 × 752.
INSTANTIATE_TEST_SUITE_P(Edges, ChooserPosition,
                         ::testing::Values(PositionCase{{200, 200, 650, 952}, true},
                                           PositionCase{{50, 200, 500, 952}, true},    // only the right edge inside
                                           PositionCase{{850, 200, 1300, 952}, true},  // only the left edge inside
                                           PositionCase{{200, 200, 700, 1000}, true},  // larger than the chooser
                                           PositionCase{{0, 200, 50, 952}, false},     // both outside
                                           PositionCase{{900, 200, 1350, 952}, false}, // on the edge is outside
                                           PositionCase{{100, 200, 900, 952}, false},  // both on the edges
                                           PositionCase{{200, 700, 650, 1452}, false}, // top outside
                                           PositionCase{{200, 100, 650, 852}, false},  // top on the edge
                                           PositionCase{{200, 50, 650, 802}, false},
                                           PositionCase{{1200, 200, 450, 952}, false}, // inverted
                                           PositionCase{{200, 200, 210, 210}, false},  // tiny
                                           PositionCase{{200, 200, 650, 951}, false},  // a pixel lower than the chooser
                                           PositionCase{{200, 200, 649, 952}, false}));

}  // namespace
