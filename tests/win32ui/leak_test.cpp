// Repainting a swatch and opening the pickers again and again leaves no GDI
// object and no window behind.
#include "tests/win32ui/real_dialogs.h"
#include "ui/panel_layouts.h"

#include <winternl.h>

#include <iostream>

namespace {

constexpr int kPlaneDPanel = 3;
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

}  // namespace

TEST_F(RealDialogsTest, NoGdiObjectOrWindowIsLeftAcrossRepaintsAndPickerOpenings) {
    ASSERT_NO_FATAL_FAILURE(StartWithChooser());
    ClickRow(kPlaneDPanel, false);
    ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(PanelHandle(kPlaneDPanel)) != FALSE; }));
    HWND panel = PanelHandle(kPlaneDPanel);
    HWND swatch = GetDlgItem(panel, kIdcColor);
    const auto repaint = [&] { RedrawWindow(swatch, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); };
    // The click that a swatch reports; the colour and line-type pickers in turn.
    const auto openAndCancel = [&](int round) {
        const bool colour = round % 2 == 0;
        const int id = colour ? kIdcColor : kIdcLineType;
        return WithModal(
            colour ? L"Color Property" : L"Line Type Property",
            [&] { PostMessageW(panel, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(panel, id))); },
            [](HWND picker) { PostMessageW(picker, WM_CLOSE, 0, 0); });
    };
    // Whatever the system makes once (cached drawing contexts, the pickers'
    // classes) is made before counting.
    repaint();
    ASSERT_TRUE(openAndCancel(0));
    ASSERT_TRUE(openAndCancel(1));
    PumpFor(50);
    const int gdiBefore = GdiObjects();
    const int windowsBefore = WindowHandles();
    // The count sees one object more.
    HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(GdiObjects(), gdiBefore + 1);
    DeleteObject(probe);

    for (int i = 0; i < kRounds; ++i) {
        repaint();
    }
    PumpFor(20);
    EXPECT_EQ(GdiObjects(), gdiBefore) << "after " << kRounds << " swatch repaints";

    int opened = 0;
    for (int i = 0; i < kRounds; ++i) {
        opened += openAndCancel(i) ? 1 : 0;
    }
    PumpFor(50);
    EXPECT_EQ(opened, kRounds);
    EXPECT_EQ(GdiObjects(), gdiBefore) << "after " << kRounds << " picker openings";
    EXPECT_EQ(WindowHandles(), windowsBefore) << "after " << kRounds << " picker openings";
    std::cout << "Before " << kRounds << " repaints and " << kRounds << " picker openings: " << gdiBefore
              << " GDI objects, " << windowsBefore << " windows; after: " << GdiObjects() << " and " << WindowHandles()
              << "\n";
}
