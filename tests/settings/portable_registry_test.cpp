// The portable backend's file: its layout, and how it survives files that
// were edited by hand, cut short or damaged. Windows keeps the settings in the
// real registry and has no such file, hence the guard.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "base/build_profile.h"
#include "platform/text.h"
#include "settings/registry_backend.h"
#include "settings/registry_store.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/scratch_registry.h"

namespace {

bool Read(const char* name, std::string& text) {
    ZedString found;
    if (!ReadPluginSetting(kSettingsKeyName, Utf8ToZed(name), found)) {
        return false;
    }
    text = ZedToUtf8(found);
    return true;
}

bool Write(const char* name, const std::string& text) {
    return WritePluginSetting(kSettingsKeyName, Utf8ToZed(name), Utf8ToZed(text));
}


class PortableRegistry : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(registry_.ok()); }

    ScratchRegistry registry_;
};

TEST_F(PortableRegistry, WritesTheRegistryEditorLayout) {
    ASSERT_TRUE(Write("PA_HoleLayer", "30:3|\"50\":\\5"));
    ASSERT_TRUE(Write("mMainLayer", "30|50|60"));
    EXPECT_EQ(registry_.ReadFile(),
              "Windows Registry Editor Version 5.00\n"
              "\n"
              "[HKEY_CURRENT_USER\\SOFTWARE\\Quorvane\\ZED\\Ledgewright]\n"
              "\"PA_HoleLayer\"=\"30:3|\\\"50\\\":\\\\5\"\n"
              "\"mMainLayer\"=\"30|50|60\"\n");
}

TEST_F(PortableRegistry, RoundTripsQuotesBackslashesKoreanAndLineBreaks) {
    const std::map<std::string, std::string> values = {
        {"quotes", "\"\"a\"\""},
        {"backslashes", "\\\\server\\share\\"},
        {"korean", "턱걸이타입선택 :"},
        {"이름 \"x\"", "값\\"},
        {"lines", "first\r\nsecond\tthird"},
        {"astral", "\xF0\x9F\x94\xA9 bolt"},
        {"empty", ""},
    };
    for (const auto& [name, text] : values) {
        ASSERT_TRUE(Write(name.c_str(), text)) << name;
    }
    for (const auto& [name, text] : values) {
        if (name == "astral" && build_profile::kLegacy) {
            continue;  // no form in the legacy build's code page 949
        }
        std::string found;
        ASSERT_TRUE(Read(name.c_str(), found)) << name;
        EXPECT_EQ(found, text) << name;
    }
    // The value with line breaks is kept on one line of the file.
    EXPECT_NE(registry_.ReadFile().find("\"lines\"=hex(1):66,00,69,00"), std::string::npos);
}

TEST_F(PortableRegistry, ReadsAFileWrittenByTheRegistryEditor) {
    registry_.WriteFile(
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
        "\r\n"
        "; exported by hand\r\n"
        "[HKEY_CURRENT_USER\\Software\\Quorvane\\ZED\\Other]\r\n"
        "\"PA_Color\"=\"MAINCOLOR02\"\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\QUORVANE\\ZED\\LEDGEWRIGHT]\r\n"
        "@=\"unnamed\"\r\n"
        "\"PA_Color\"=\"MAINCOLOR06\"\r\n"
        "\"PA_IsHoleDraw\"=dword:00000001\r\n"
        "\"mMainLayer\"=hex(1):33,00,30,00,7c,00,\\\r\n"
        "  35,00,30,00,00,00\r\n"
        "\"PA_HoleLayer\"=hex(2):33,00,00,00\r\n");
    std::string text;
    ASSERT_TRUE(Read("PA_Color", text));
    EXPECT_EQ(text, "MAINCOLOR06");
    ASSERT_TRUE(Read("mMainLayer", text));
    EXPECT_EQ(text, "30|50");
    ASSERT_TRUE(Read("PA_HoleLayer", text));
    EXPECT_EQ(text, "3");
    ASSERT_TRUE(Read("", text));
    EXPECT_EQ(text, "unnamed");
    EXPECT_FALSE(Read("PA_IsHoleDraw", text));

    // A write keeps the other key, the value of another type and the rest.
    ASSERT_TRUE(Write("PA_LType", "LINETYPE05"));
    const std::string file = registry_.ReadFile();
    EXPECT_NE(file.find("\"PA_IsHoleDraw\"=dword:00000001\n"), std::string::npos);
    ZedString other;
    ASSERT_TRUE(ReadPluginSetting(ZED_TEXT("Other"), ZED_TEXT("PA_Color"), other));
    EXPECT_EQ(other, ZED_TEXT("MAINCOLOR02"));
    for (const char* name : {"PA_Color", "mMainLayer", "PA_HoleLayer", "", "PA_LType"}) {
        EXPECT_TRUE(Read(name, text)) << name;
    }
}

TEST_F(PortableRegistry, TakesUnreadableLinesAsAbsent) {
    registry_.WriteFile(
        "Windows Registry Editor Version 5.00\n"
        "\"orphan\"=\"before any key\"\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\Quorvane\\ZED\\Ledgewright]\n"
        "\"good1\"=\"1\"\n"
        "garbage line\n"
        "\"unterminated\"=\"abc\n"
        "\"badescape\"=\"a\\nb\"\n"
        "\"trailing\"=\"a\" junk\n"
        "\"nohexdigits\"=hex(1):4g,00,00,00\n"
        "\"noterminator\"=hex(1):41,00,42,00\n"
        "\"noequals\" \"x\"\n"
        "\"good2\"=\"2\"\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\Quorvane\\ZED\\Ledgewright\n"
        "\"afterbrokenkey\"=\"x\"\n"
        "[-HKEY_CURRENT_USER\\SOFTWARE\\Quorvane\\ZED\\Ledgewright]\n"
        "\"afterdeletion\"=\"x\"\n"
        "[HKEY_CURRENT_USER\\SOFTWARE\\Quorvane\\ZED\\Ledgewright]\n"
        "\"good3\"=\"3\"\n");
    std::string text;
    for (const char* name : {"good1", "good2", "good3"}) {
        EXPECT_TRUE(Read(name, text)) << name;
    }
    for (const char* name : {"orphan", "unterminated", "badescape", "trailing", "nohexdigits", "noterminator",
                             "noequals", "afterbrokenkey", "afterdeletion"}) {
        EXPECT_FALSE(Read(name, text)) << name;
    }
    ASSERT_TRUE(Write("good4", "4"));
    for (const char* name : {"good1", "good2", "good3", "good4"}) {
        ASSERT_TRUE(Read(name, text)) << name;
        EXPECT_EQ(text, std::string(name).substr(4)) << name;
    }
}

TEST_F(PortableRegistry, NeverMistakesACutFileForOtherValues) {
    const std::map<std::string, std::string> values = {
        {"PA_Color", "MAINCOLOR12"},
        {"mMainLayer", "30|50|60"},
        {"korean", "표시부 길이"},
        {"lines", "a\nb"},
        {"quotes", "\"\\\""},
    };
    for (const auto& [name, text] : values) {
        ASSERT_TRUE(Write(name.c_str(), text));
    }
    const std::string whole = registry_.ReadFile();
    for (size_t cut = 0; cut <= whole.size(); ++cut) {
        registry_.WriteFile(whole.substr(0, cut));
        for (const auto& [name, text] : values) {
            std::string found;
            if (Read(name.c_str(), found)) {
                EXPECT_EQ(found, text) << name << " cut at " << cut;
            }
        }
    }
    // The whole file still gives every value.
    registry_.WriteFile(whole);
    for (const auto& [name, text] : values) {
        std::string found;
        EXPECT_TRUE(Read(name.c_str(), found)) << name;
    }
}

TEST_F(PortableRegistry, SurvivesBinaryGarbage) {
    std::string garbage;
    unsigned state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += static_cast<char>(state >> 16);
        if (i % 97 == 0) {
            garbage += "\n[HKEY_CURRENT_USER\\SOFTWARE\\Quorvane\\ZED\\Ledgewright]\n\"";
        }
    }
    registry_.WriteFile(garbage);
    std::string text;
    EXPECT_FALSE(Read("PA_Color", text));
    ASSERT_TRUE(Write("PA_Color", "MAINCOLOR03"));
    ASSERT_TRUE(Read("PA_Color", text));
    EXPECT_EQ(text, "MAINCOLOR03");
}

TEST_F(PortableRegistry, LeavesNoTemporaryFilesAndCreatesMissingFolders) {
    const std::string nested = registry_.folder() + "/a/b/registry.reg";
    SetRegistryFilePath(nested);
    ASSERT_TRUE(Write("PA_Color", "MAINCOLOR03"));
    ASSERT_TRUE(Write("PA_LType", "LINETYPE03"));
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(registry_.folder() + "/a/b")) {
        EXPECT_EQ(entry.path().filename(), "registry.reg");
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST_F(PortableRegistry, FailsWithoutHarmWhenTheFileCannotBeUsed) {
    // The file's path is a folder: nothing can be read, and the folder stays.
    std::filesystem::create_directory(registry_.file());
    std::string text;
    EXPECT_FALSE(Read("PA_Color", text));
    EXPECT_FALSE(Write("PA_Color", "MAINCOLOR03"));
    EXPECT_TRUE(std::filesystem::is_directory(registry_.file()));

    // A folder on the way is a plain file.
    const std::string plain = registry_.folder() + "/plain";
    FILE* file = std::fopen(plain.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    SetRegistryFilePath(plain + "/registry.reg");
    EXPECT_FALSE(Write("PA_Color", "MAINCOLOR03"));
    EXPECT_FALSE(Read("PA_Color", text));
}

TEST_F(PortableRegistry, AFailedWriteKeepsTheOldFile) {
    ASSERT_TRUE(Write("PA_Color", "MAINCOLOR03"));
    const std::string before = registry_.ReadFile();
    // A file size limit makes writing the larger new file fail part way, even
    // for the superuser; the signal it raises is ignored for the moment.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = before.size() + 16;
    void (*previousHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = Write("mMainLayer", std::string(4096, '7'));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(registry_.ReadFile(), before);
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(registry_.folder())) {
        EXPECT_EQ(entry.path().filename(), "registry.reg");
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

// The store reads the file as it is now, whoever changed it last: a hand
// edit of the same length straight after the store's own write, a return to
// the very bytes read before, and a value added by hand that the store's next
// write keeps.
TEST_F(PortableRegistry, ReadsWhatEveryoneElseWroteSinceItsOwnWrite) {
    const std::string header =
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Quorvane\\ZED\\Ledgewright]\n";
    std::string text;
    ASSERT_TRUE(Write("mMainWidth", "20"));
    ASSERT_TRUE(Read("mMainWidth", text));
    EXPECT_EQ(text, "20");

    const std::string thirty = header + "\"mMainWidth\"=\"30\"\n";
    ASSERT_EQ(thirty.size(), registry_.ReadFile().size());
    registry_.WriteFile(thirty);
    ASSERT_TRUE(Read("mMainWidth", text));
    EXPECT_EQ(text, "30");

    registry_.WriteFile(header + "\"mMainWidth\"=\"20\"\n");
    ASSERT_TRUE(Read("mMainWidth", text));
    EXPECT_EQ(text, "20");
    registry_.WriteFile(thirty);
    ASSERT_TRUE(Read("mMainWidth", text));
    EXPECT_EQ(text, "30");

    registry_.WriteFile(thirty + "\"mMainHeight\"=\"5\"\n");
    ASSERT_TRUE(Write("mMainWidth", "40"));
    EXPECT_EQ(registry_.ReadFile(), header + "\"mMainWidth\"=\"40\"\n\"mMainHeight\"=\"5\"\n");
    ASSERT_TRUE(Read("mMainHeight", text));
    EXPECT_EQ(text, "5");
}

TEST(PortableRegistryPath, FollowsTheSetterThenTheEnvironmentThenTheHome) {
    ScopedEnvironment file("ZED_REGISTRY_FILE", "/tmp/from-environment.reg");
    ScopedEnvironment config("XDG_CONFIG_HOME", nullptr);
    ScopedEnvironment home("HOME", "/home/someone");
    SetRegistryFilePath("/tmp/from-setter.reg");
    EXPECT_EQ(RegistryFilePath(), "/tmp/from-setter.reg");
    SetRegistryFilePath("");
    EXPECT_EQ(RegistryFilePath(), "/tmp/from-environment.reg");
    {
        ScopedEnvironment emptyFile("ZED_REGISTRY_FILE", "");
        EXPECT_EQ(RegistryFilePath(), "/home/someone/.config/ledgewright/registry.reg");
        ScopedEnvironment configHome("XDG_CONFIG_HOME", "/xdg");
        EXPECT_EQ(RegistryFilePath(), "/xdg/ledgewright/registry.reg");
    }
}

TEST(PortableRegistryPath, TheEnvironmentFileIsTheOneUsed) {
    ScratchRegistry scratch;
    ASSERT_TRUE(scratch.ok());
    const std::string file = scratch.folder() + "/environment.reg";
    SetRegistryFilePath("");
    ScopedEnvironment variable("ZED_REGISTRY_FILE", file.c_str());
    ASSERT_TRUE(Write("PA_Color", "MAINCOLOR05"));
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_FALSE(std::filesystem::exists(scratch.file()));
}

}  // namespace

#endif  // _WIN32
