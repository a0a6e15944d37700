// The real windows' lifetime in the host's process: a chooser whose windows
// cannot be made is no chooser, and the plug-in's unloading leaves nothing of
// its code hooked into the host's thread.
#include "tests/win32ui/real_dialogs.h"

#include <cstdint>
#include <cwchar>
#include <ostream>

#include "base/messages.h"
#include "settings/shoulder_settings.h"
#include "ui/chooser.h"
#include "ui/dialog_template_win32.h"

namespace {

// Which dialog window a hook of the thread refuses to make, as a host short of
// window handles would: the chooser's own, or the child dialog with that index.
struct Refusal {
    bool chooser;
    int childDialog;  // -1 for none
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << (r.chooser ? "the chooser" : "child dialog " + std::to_string(r.childDialog));
}

Refusal g_refusal;
int g_childDialogsSeen = 0;

bool IsDialogClass(LPCWSTR name) {
    if (IS_INTRESOURCE(name)) {
        return LOWORD(reinterpret_cast<ULONG_PTR>(name)) == LOWORD(reinterpret_cast<ULONG_PTR>(WC_DIALOG));
    }
    return std::wcscmp(name, L"#32770") == 0;
}

LRESULT CALLBACK RefuseDialog(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW& create = *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (IsDialogClass(create.lpszClass)) {
            const bool child = (create.style & WS_CHILD) != 0;
            if ((!child && g_refusal.chooser) || (child && g_childDialogsSeen++ == g_refusal.childDialog)) {
                return 1;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK CountDialog(HWND window, LPARAM count) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wcscmp(name, L"#32770") == 0) {
        ++*reinterpret_cast<int*>(count);
    }
    return TRUE;
}

// This thread's top-level dialog windows.
int DialogWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountDialog, reinterpret_cast<LPARAM>(&count));
    return count;
}

class RefusedDialogs : public RealDialogsTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedDialogs, AChooserWhoseWindowsCannotBeMadeIsNoChooser) {
    Store("mMainWidth", "4.5");
    g_refusal = GetParam();
    g_childDialogsSeen = 0;
    HHOOK refuse = SetWindowsHookExW(WH_CBT, RefuseDialog, nullptr, GetCurrentThreadId());
    ASSERT_NE(refuse, nullptr);
    StartCommand();
    UnhookWindowsHookEx(refuse);
    PumpFor(50);
    EXPECT_FALSE(ChooserExists());
    EXPECT_EQ(DialogWindows(), 0) << "a window of the chooser was left";
    EXPECT_EQ(emu::CurrentPrompt(), emu::ToUtf8(kPromptPattern));
    // The shared sizes come from the registry, as before the first start.
    ASSERT_TRUE(emu::Type("SideD"));
    EXPECT_DOUBLE_EQ(ShoulderSettings.mMainWidth, 4.5);
    // The next start makes it.
    if (emu::CommandActive()) {
        emu::EndCommand();
    }
    ASSERT_TRUE(emu::StartCommand());
    ASSERT_TRUE(ChooserExists());
    EXPECT_TRUE(PumpUntil([this] { return IsWindowVisible(ChooserHandle()) != FALSE; }));
}

INSTANTIATE_TEST_SUITE_P(Windows, RefusedDialogs,
                         ::testing::Values(Refusal{true, -1}, Refusal{false, 0}, Refusal{false, 2},
                                           Refusal{false, 5}));

// Access violations at an address of a module that is gone. The system
// swallows an exception inside a hook called from its message retrieval, so
// only a vectored handler sees it.
struct GoneModule {
    uintptr_t begin = 0;
    uintptr_t end = 0;
    int callsInto = 0;
};
GoneModule g_gone;

LONG CALLBACK NoteCallIntoGoneModule(EXCEPTION_POINTERS* info) {
    const auto address = reinterpret_cast<uintptr_t>(info->ExceptionRecord->ExceptionAddress);
    if (info->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION && address >= g_gone.begin &&
        address < g_gone.end) {
        ++g_gone.callsInto;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

// The plug-in's own DLL, loaded and unloaded as the host does. While its
// chooser exists it watches the keys of the host's thread through a hook; a
// hook left behind would call into unmapped memory at every later message.
TEST_F(RealDialogsTest, UnloadingThePlugInLeavesNoHookOnTheHostsThread) {
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring dll = program;
    dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"Ledgewright.dll";
    HMODULE plugin = LoadLibraryW(dll.c_str());
    ASSERT_NE(plugin, nullptr);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(plugin);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(plugin) + dos->e_lfanew);
    const auto base = reinterpret_cast<uintptr_t>(plugin);
    g_gone = {base, base + nt->OptionalHeader.SizeOfImage, 0};
    const auto startup = reinterpret_cast<int (*)()>(reinterpret_cast<void (*)()>(GetProcAddress(plugin, "Startup")));
    ASSERT_NE(startup, nullptr);
    ASSERT_GE(startup(), 0);
    ASSERT_TRUE(emu::StartCommand());
    HWND chooser = FindWindowW(L"#32770", WideOf(kCapChooserTitle).c_str());
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(reinterpret_cast<HMODULE>(GetWindowLongPtrW(chooser, GWLP_HINSTANCE)), plugin);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(chooser) != FALSE; }));
    emu::EndCommand();

    PVOID watch = AddVectoredExceptionHandler(1, NoteCallIntoGoneModule);
    ASSERT_TRUE(FreeLibrary(plugin));
    ASSERT_EQ(GetModuleHandleW(dll.c_str()), nullptr) << "the plug-in is still loaded";
    emu::Reset();  // the host forgets the plug-in's functions with it
    EXPECT_FALSE(IsWindow(chooser));
    PostMessageW(HostWindow(), WM_NULL, 0, 0);
    PostMessageW(HostWindow(), WM_KEYDOWN, 'A', 0);
    PumpFor(100);
    RemoveVectoredExceptionHandler(watch);
    EXPECT_EQ(g_gone.callsInto, 0) << "the host's thread called into the unloaded plug-in";
}

}  // namespace
