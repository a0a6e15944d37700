// Repainting a swatch and opening the pickers again and again leaves no GDI
// object and no window behind.
#include "tests/win32ui/real_dialogs.h"
#include "ui/panel_layouts.h"

#include <winternl.h>

#include <iostream>

namespace {

constexpr int kRounds = 1000;

// The process's GDI objects. Wine's GetGuiResources is a stub that answers 0;
// then the live entries of the process's GDI handle table are counted (the
// table that the process environment block points to, one 24-byte entry per
// handle, a type byte of 0 for a free one).
struct GdiHandleEntry {
    unsigned long long object;
    unsigned owner;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long user;
};
constexpr size_t kGdiTableOffsetInPeb = 0xF8;
constexpr int kGdiTableSize = 0x10000;

int GdiObjects() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); counted != 0) {
        return static_cast<int>(counted);
    }
    using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<QueryProcess>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (query == nullptr || query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return -1;
    }
    const auto* peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kGdiTableOffsetInPeb);
    int live = 0;
    for (int i = 0; table != nullptr && i < kGdiTableSize; ++i) {
        live += table[i].type != 0 ? 1 : 0;
    }
    return live;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindowAndDescendants(HWND window, LPARAM count) {
    CountWindow(window, count);
    EnumChildWindows(window, CountWindow, count);
    return TRUE;
}

// The process's window handles: GetGuiResources's USER objects where it
// answers, else this thread's windows and all their descendants.
int WindowHandles() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS); counted != 0) {
        return static_cast<int>(counted);
    }
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndDescendants, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Closes each picker as soon as it is activated, so that a thousand openings
// take no longer than the dialogs themselves, and counts them.
int g_pickersOpened = 0;

LRESULT CALLBACK CloseActivatedPicker(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE) {
        const std::wstring caption = RealDialogsTest::TextOf(window);
        if (caption == L"Color Property" || caption == L"Line Type Property") {
            PostMessageW(window, WM_CLOSE, 0, 0);
            ++g_pickersOpened;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(RealDialogsTest, NoGdiObjectOrWindowIsLeftAcrossRepaintsAndPickerOpenings) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    ClickRow(kPlaneDRow, false);
    ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(PanelHandle(Pattern::PlaneD)) != FALSE; }));
    HWND panel = PanelHandle(Pattern::PlaneD);
    HWND swatch = GetDlgItem(panel, kIdcColor);
    const auto repaint = [&] { RedrawWindow(swatch, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); };
    // The click that a swatch reports, the colour and line-type pickers in
    // turn; the picker runs modally until the hook closes it.
    HHOOK closer = SetWindowsHookExW(WH_CBT, CloseActivatedPicker, nullptr, GetCurrentThreadId());
    ASSERT_NE(closer, nullptr);
    const auto openAndCancel = [&](int round) {
        const int id = round % 2 == 0 ? kIdcColor : kIdcLineType;
        SendMessageW(panel, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(panel, id)));
    };
    // Whatever the system makes once (cached drawing contexts, the pickers'
    // classes) is made before counting.
    repaint();
    openAndCancel(0);
    openAndCancel(1);
    ASSERT_EQ(g_pickersOpened, 2);
    PumpFor(50);
    const int gdiBefore = GdiObjects();
    const int windowsBefore = WindowHandles();
    // The count sees one object more.
    HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(GdiObjects(), gdiBefore + 1);
    DeleteObject(probe);

    const DWORD repaintStart = GetTickCount();
    for (int i = 0; i < kRounds; ++i) {
        repaint();
    }
    const DWORD repaintTime = GetTickCount() - repaintStart;
    PumpFor(20);
    EXPECT_EQ(GdiObjects(), gdiBefore) << "after " << kRounds << " swatch repaints";

    g_pickersOpened = 0;
    const DWORD openStart = GetTickCount();
    for (int i = 0; i < kRounds; ++i) {
        openAndCancel(i);
    }
    const DWORD openTime = GetTickCount() - openStart;
    UnhookWindowsHookEx(closer);
    PumpFor(50);
    EXPECT_EQ(g_pickersOpened, kRounds);
    EXPECT_EQ(GdiObjects(), gdiBefore) << "after " << kRounds << " picker openings";
    EXPECT_EQ(WindowHandles(), windowsBefore) << "after " << kRounds << " picker openings";
    std::cout << "Before " << kRounds << " repaints and " << kRounds << " picker openings: " << gdiBefore
              << " GDI objects, " << windowsBefore << " windows; after: " << GdiObjects() << " and " << WindowHandles()
              << " (" << repaintTime << " ms repainting, " << openTime << " ms opening)\n";
}
