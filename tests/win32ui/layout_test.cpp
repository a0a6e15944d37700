// The real windows against their layout descriptions, once per dialog; the
// list view's set-up, common controls 6 and the module the dialogs come from.
#include "tests/win32ui/real_dialogs.h"

#include <commctrl.h>

#include <cwctype>
#include <string>
#include <utility>
#include "ui/chooser.h"
#include "ui/chooser_layout.h"
#include "ui/panel_layouts.h"
#include "ui/picker_layouts.h"
#include "ui/dialog_template_win32.h"

namespace {

struct PickerCase {
    int swatchId;
    const wchar_t* caption;
    const DialogLayout* layout;
};
constexpr PickerCase kPickers[] = {
    {kIdcColor, L"Color Property", &kColorPickerLayout},
    {kIdcLineType, L"Line Type Property", &kLineTypePickerLayout},
};

// Each pattern's panel and the layout it must have.
constexpr std::pair<Pattern, const DialogLayout*> kPanels[] = {
    {Pattern::PlaneA, &kPlaneALayout}, {Pattern::PlaneB, &kPlaneBLayout}, {Pattern::PlaneC, &kPlaneCLayout},
    {Pattern::PlaneD, &kPlaneDLayout}, {Pattern::SideA, &kSideALayout},   {Pattern::SideB, &kSideBLayout},
};

// Whether the window's procedure lies in the comctl32 of the common controls
// 6 assembly (which also answers CCM_GETVERSION with 5 under Wine).
bool RunByCommonControlsSix(HWND window) {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(GetWindowLongPtrW(window, GWLP_WNDPROC)), &module);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(module, path, MAX_PATH);
    std::wstring lower(path);
    for (wchar_t& c : lower) {
        c = static_cast<wchar_t>(towlower(c));
    }
    return lower.find(L"microsoft.windows.common-controls_") != std::wstring::npos &&
           lower.find(L"_6.0.") != std::wstring::npos && lower.ends_with(L"\\comctl32.dll");
}

// How much wider than the dialog font under Wine (NanumGothic standing in for
// "MS Shell Dlg") a Windows machine's font may set a caption: a Korean UI font
// sets a Hangul syllable in about 7 dialog units where NanumGothic takes 4.7.
constexpr double kWiderFont = 1.4;

// Checks that every caption of the dialog's own controls fits its control
// with room for a font kWiderFont times as wide: the control's width holds
// what the platform puts beside the text (a check box's or radio's box, a
// button's margins, as their ideal size tells) and the text widened.
void ExpectCaptionsFitWithRoom(HWND dialog, const DialogLayout& layout, const std::string& name) {
    SCOPED_TRACE(name);
    HWND child = GetWindow(dialog, GW_CHILD);
    for (const ControlLayout& c : layout.controls) {
        ASSERT_NE(child, nullptr);
        const std::wstring caption = WideOf(c.caption);
        const bool button = c.kind == ControlKind::CheckBox || c.kind == ControlKind::Radio ||
                            c.kind == ControlKind::PushButton;
        if (!caption.empty() && (button || c.kind == ControlKind::Label)) {
            HDC dc = GetDC(child);
            HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0)));
            SIZE text{};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
            SelectObject(dc, old);
            ReleaseDC(child, dc);
            int beside = 0;
            if (button) {
                SIZE ideal{};
                ASSERT_TRUE(SendMessageW(child, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
                beside = ideal.cx - text.cx;
            }
            RECT client{};
            GetClientRect(child, &client);
            const int needed = beside + static_cast<int>(text.cx * kWiderFont + 0.999);
            RECT unit{0, 0, 4, 8};
            MapDialogRect(dialog, &unit);
            EXPECT_LE(needed, client.right)
                << "\"" << Utf8(caption) << "\" at " << c.x << "," << c.y << " needs "
                << needed * 4.0 / unit.right << " dialog units with the wider font, has " << c.cx << " (text "
                << text.cx * 4.0 / unit.right << ", beside it " << beside * 4.0 / unit.right << ")";
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
}

}  // namespace

TEST_F(RealDialogsTest, EveryCaptionFitsItsControlWithRoomForAWiderFont) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    ExpectCaptionsFitWithRoom(ChooserHandle(), kChooserLayout, "chooser");
    for (const auto& [pattern, layout] : kPanels) {
        ExpectCaptionsFitWithRoom(PanelHandle(pattern), *layout, "panel " + std::to_string(static_cast<int>(pattern)));
    }
    ClickRow(kPlaneDRow, false);
    ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(PanelHandle(Pattern::PlaneD)) != FALSE; }));
    for (const PickerCase& picker : kPickers) {
        EXPECT_TRUE(WithModal(
            picker.caption, [&] { ClickAt(GetDlgItem(PanelHandle(Pattern::PlaneD), picker.swatchId), false); },
            [&](HWND dialog) {
                ExpectCaptionsFitWithRoom(dialog, *picker.layout, picker.layout == &kColorPickerLayout
                                                                      ? "colour picker"
                                                                      : "line-type picker");
                PostMessageW(dialog, WM_CLOSE, 0, 0);
            }));
    }
}

TEST_F(RealDialogsTest, EveryDialogStandsAsItsLayoutSays) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    ExpectMatchesLayout(ChooserHandle(), kChooserLayout, "chooser");
    for (const auto& [pattern, layout] : kPanels) {
        ExpectMatchesLayout(PanelHandle(pattern), *layout, "panel " + std::to_string(static_cast<int>(pattern)));
    }
    // The pickers, opened from the plan pattern D panel, whose swatches are always shown.
    ClickRow(kPlaneDRow, false);
    ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(PanelHandle(Pattern::PlaneD)) != FALSE; }));
    for (const PickerCase& picker : kPickers) {
        const bool opened = WithModal(
            picker.caption, [&] { ClickAt(GetDlgItem(PanelHandle(Pattern::PlaneD), picker.swatchId), false); },
            [&](HWND dialog) {
                ExpectMatchesLayout(dialog, *picker.layout, "picker");
                PostMessageW(dialog, WM_CLOSE, 0, 0);
            });
        EXPECT_TRUE(opened) << "no picker opened";
    }
}

TEST_F(RealDialogsTest, PatternListIsAReportWithGridLinesFullRowsAndADisabledHeader) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    HWND list = GetDlgItem(ChooserHandle(), kIdcPatternList);
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
    const auto extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT), LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_FALSE(IsWindowEnabled(header));
    const int widths[] = {50, 220};
    const int formats[] = {LVCFMT_CENTER, LVCFMT_LEFT};
    for (int column = 0; column < 2; ++column) {
        LVCOLUMNW info{};
        info.mask = LVCF_WIDTH | LVCF_FMT;
        ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info)));
        EXPECT_EQ(info.cx, widths[column]);
        EXPECT_EQ(info.fmt & LVCFMT_JUSTIFYMASK, formats[column]);
    }
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 8);
}

TEST_F(RealDialogsTest, DialogsComeFromTheirOwnModuleWithCommonControlsSix) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    // The module that holds the dialogs' code (here the test program, in the
    // host the plug-in's DLL) made the windows.
    HMODULE own = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ShowChooser), &own);
    EXPECT_EQ(reinterpret_cast<HMODULE>(GetWindowLongPtrW(ChooserHandle(), GWLP_HINSTANCE)), own);
    EXPECT_EQ(reinterpret_cast<HMODULE>(GetWindowLongPtrW(PanelHandle(Pattern::PlaneA), GWLP_HINSTANCE)), own);
    // The list view and the buttons (the layer check box is one in every
    // build) are common controls 6's (the library of that assembly runs them),
    // through the activation context around the plug-in's windows.
    EXPECT_TRUE(RunByCommonControlsSix(GetDlgItem(ChooserHandle(), kIdcPatternList)));
    EXPECT_TRUE(RunByCommonControlsSix(GetDlgItem(ChooserHandle(), kIdcIsLayer)));
}
