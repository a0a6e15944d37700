// The real windows driven through the system's input stream: the chooser
// types a keyword into the host window, the pickers run modally and give back
// the chosen name, and the chooser's own keys; and the backend's own user
// actions, which play window messages instead.
#include "base/build_profile.h"
#include "tests/win32ui/real_dialogs.h"
#include "ui/chooser.h"
#include "ui/chooser_layout.h"
#include "ui/panel_layouts.h"
#include "ui/picker_layouts.h"
#include "ui/user_actions.h"
#include "ui/win32_backend.h"

TEST_F(RealDialogsTest, DoubleClickOnRowZeroTypesPlaneAIntoTheHostWindow) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    ClickRow(0, true);
    ASSERT_TRUE(PumpUntil([] { return !emu::EnteredLines().empty(); })) << "no Enter reached the host window";
    PumpFor(50);

    EXPECT_EQ(GetActiveWindow(), HostWindow());
    EXPECT_EQ(emu::EnteredLines(), std::vector<std::string>{"planea"});
    EXPECT_EQ(TextsOn(emu::Channel::Prompt).back(), "<평면도-타입A>턱걸이를 작성할 라인선택 :");
    EXPECT_FALSE(IsWindowVisible(ChooserHandle()));
    // Clear, the six letters marked as the keyword's, Enter; each down and up.
    const std::vector<emu::KeyEvent> events = emu::KeyEvents();
    ASSERT_EQ(events.size(), 16u);
    EXPECT_EQ(events.front().virtualKey, 0x0C);
    for (size_t i = 2; i < 14; ++i) {
        EXPECT_EQ(events[i].extraInfo, 0x33u) << "key event " << i;
        EXPECT_EQ(events[i].virtualKey, "PLANEA"[(i - 2) / 2]);
    }
    EXPECT_EQ(events.back().virtualKey, 0x0D);
    EXPECT_EQ(events.back().scanCode, 0xB9);
}

TEST_F(RealDialogsTest, PickersRunModallyOwnedByThePanelAndGiveBackTheName) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    ClickRow(kPlaneDRow, false);
    ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(PanelHandle(Pattern::PlaneD)) != FALSE; }));
    HWND panel = PanelHandle(Pattern::PlaneD);
    const auto openFrom = [&](int swatch) { return [=] { ClickAt(GetDlgItem(panel, swatch), false); }; };
    const auto expectModal = [&](HWND picker) {
        EXPECT_EQ(GetWindow(picker, GW_OWNER), GetAncestor(panel, GA_ROOT));
        EXPECT_FALSE(IsWindowEnabled(ChooserHandle())) << "the chooser takes input while a picker is open";
    };

    // A double click on a colour cell chooses it and closes with OK.
    EXPECT_TRUE(WithModal(L"Color Property", openFrom(kIdcColor), [&](HWND picker) {
        expectModal(picker);
        ClickAt(GetDlgItem(picker, kIdcColorCell01 + 11), true);
    }));
    EXPECT_EQ(Stored("PD_Color"), "MAINCOLOR12");
    // A click on a line-type cell (the click that the cell reports: it is as
    // large as its picture), then Enter.
    EXPECT_TRUE(WithModal(L"Line Type Property", openFrom(kIdcSlotLineType), [&](HWND picker) {
        expectModal(picker);
        HWND cell = GetDlgItem(picker, kIdcLineTypeCell01 + 7);
        PostMessageW(picker, WM_COMMAND, MAKEWPARAM(kIdcLineTypeCell01 + 7, STN_CLICKED), reinterpret_cast<LPARAM>(cell));
        PumpFor(50);
        PressKey(VK_RETURN);
    }));
    EXPECT_EQ(Stored("PD_SlotLType"), "LINETYPE08");
    // Escape after another choice leaves the value as it was.
    EXPECT_TRUE(WithModal(L"Color Property", openFrom(kIdcColor), [&](HWND picker) {
        ClickAt(GetDlgItem(picker, kIdcColorCell01 + 2), false);
        PumpFor(50);
        PressKey(VK_ESCAPE);
    }));
    EXPECT_EQ(Stored("PD_Color"), "MAINCOLOR12");
    EXPECT_TRUE(IsWindowEnabled(ChooserHandle()));
}

TEST_F(RealDialogsTest, EnterDoesNothingWhileEscapeAndTheCloseBoxHideTheChooser) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    SetForegroundWindow(ChooserHandle());
    ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == ChooserHandle(); }));
    PressKey(VK_RETURN);
    PumpFor(100);
    EXPECT_TRUE(IsWindowVisible(ChooserHandle()));
    EXPECT_TRUE(emu::EnteredLines().empty());

    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([this] { return !IsWindowVisible(ChooserHandle()); })) << "Escape left the chooser up";
    EXPECT_TRUE(emu::CommandActive());

    ShowChooser();
    PumpFor(50);
    // A click on the close box, the rightmost button of the title bar.
    RECT window{};
    GetWindowRect(ChooserHandle(), &window);
    POINT client{0, 0};
    ClientToScreen(ChooserHandle(), &client);
    const int border = client.x - window.left;
    POINT closeBox{window.right - border - GetSystemMetrics(SM_CXSIZE) / 2 - 1,
                   window.top + border + GetSystemMetrics(SM_CYCAPTION) / 2};
    ScreenToClient(ChooserHandle(), &closeBox);
    ClickAt(ChooserHandle(), closeBox, false);
    EXPECT_TRUE(PumpUntil([this] { return !IsWindowVisible(ChooserHandle()); })) << "the close box left it up";
    EXPECT_TRUE(emu::CommandActive());
}

// Enter belongs to the focused control: an open drop-down of a panel closes
// on it, keeping the item chosen with the arrow keys.
TEST_F(RealDialogsTest, EnterClosesAnOpenDropDownOfAPanel) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    SetForegroundWindow(ChooserHandle());
    ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == ChooserHandle(); }));
    HWND side = GetDlgItem(PanelHandle(Pattern::PlaneA), kIdcHoleDir);
    SetFocus(side);
    PressKey(VK_F4);
    ASSERT_TRUE(PumpUntil([&] { return SendMessageW(side, CB_GETDROPPEDSTATE, 0, 0) != FALSE; }))
        << "F4 did not open it";
    PressKey(VK_DOWN);
    PumpFor(50);
    PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return SendMessageW(side, CB_GETDROPPEDSTATE, 0, 0) == FALSE; }))
        << "Enter left the drop-down open";
    EXPECT_EQ(SendMessageW(side, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(Stored("PA_HoleDir"), "1");
    EXPECT_TRUE(IsWindowVisible(ChooserHandle()));
    EXPECT_TRUE(emu::EnteredLines().empty());
}

// Enter on the Delete button, focused as Tab focuses it, presses it; Enter on
// the list afterwards still does nothing.
TEST_F(RealDialogsTest, EnterPressesTheFocusedDeleteButtonAndNothingElse) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    if constexpr (build_profile::kChooser == build_profile::ChooserVariant::Legacy) {
        GTEST_SKIP() << "the legacy chooser has no Delete button";
    }
    SetForegroundWindow(ChooserHandle());
    ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == ChooserHandle(); }));
    SendMessageW(ChooserHandle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(ChooserHandle(), kIdcDelete)),
                 TRUE);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([] { return !emu::EnteredLines().empty(); })) << "Enter on the button typed nothing";
    PumpFor(50);
    EXPECT_EQ(emu::EnteredLines(), std::vector<std::string>{"delete"});
    EXPECT_FALSE(IsWindowVisible(ChooserHandle()));

    emu::EndCommand();
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(ChooserHandle()) != FALSE; }));
    SetForegroundWindow(ChooserHandle());
    ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == ChooserHandle(); }));
    SendMessageW(ChooserHandle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(ChooserHandle(), kIdcPatternList)),
                 TRUE);
    PressKey(VK_RETURN);
    PumpFor(200);
    EXPECT_EQ(emu::EnteredLines(), std::vector<std::string>{"delete"});
    EXPECT_TRUE(IsWindowVisible(ChooserHandle()));
}

// The backend's own user actions: the modal driver runs inside the picker's
// loop once it is shown, and a picker it leaves open is closed with its close
// box, which keeps the value. (The runner's chooser example covers the rest.)
TEST_F(RealDialogsTest, TheModalDriverRunsInTheShownPickerAndItsCloseBoxKeepsTheValue) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    UserActions& user = *Backend().UserInput();
    DialogWindow& panel = Chooser().Panel(Pattern::PlaneD)->Window();
    user.ClickRow(Chooser().Window(), kIdcPatternList, kPlaneDRow);
    ASSERT_TRUE(IsWindowVisible(PanelHandle(Pattern::PlaneD)));
    const std::string before = Stored("PD_Color");
    HWND picker = nullptr;
    bool shown = false;
    user.SetModalDriver([&](DialogWindow& window) {
        picker = static_cast<HWND>(NativeWindow(window));
        shown = IsWindowVisible(picker) != FALSE;
        user.Click(window, kIdcColorCell01 + 2);  // chosen but not accepted
    });
    // The watch closes a picker that the driver left up for 10 s, and fails.
    EXPECT_TRUE(WithModal(L"Color Property", [&] { user.Click(panel, kIdcColor); }, [](HWND) {}));
    user.SetModalDriver(nullptr);
    ASSERT_NE(picker, nullptr) << "the driver did not run";
    EXPECT_TRUE(shown);
    EXPECT_FALSE(IsWindow(picker));
    EXPECT_EQ(Stored("PD_Color"), before);
    EXPECT_TRUE(IsWindowEnabled(ChooserHandle()));
}
