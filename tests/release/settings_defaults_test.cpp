// The package's settings file (settings/Ledgewright-defaults.reg of the build,
// cmake/settings-defaults-reg.sh) read back by the plug-in's own loaders: every
// value is there, so no loader writes a default back, and each field holds what
// a first start on an empty registry gives the user: the chooser's and the
// panels' defaults.
//
// The file is made by the native build (LEDGEWRIGHT_DEFAULTS_REG names it for
// a Windows tree). Natively it is read through the portable settings store;
// under Windows it is imported with Windows' regedit, as the installation guide
// tells a user to, and read from the registry.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <optional>
#include <string>
#include <variant>

#include "base/pattern.h"
#include "settings/loaders.h"
#include "settings/shoulder_settings.h"
#include "tests/support/scratch_registry.h"

namespace {

using R = ShoulderSettingsRecord;
using Field = std::variant<double R::*, int R::*, ZedString R::*>;

struct Expected {
    const char* name;
    Field field;
    double number;     // number, integer, flag, colour index, line-type index
    const char* text;  // text values
};

// Colour indexes: MAINCOLOR06 5, MAINCOLOR09 8. Line-type indexes: LINETYPE01 0, LINETYPE05 1.
const Expected kDefaults[] = {
    {"mMainProtrude", &R::mMainProtrude, 1.0, nullptr},
    {"mMainWidth", &R::mMainWidth, 3.0, nullptr},
    {"mMainHeight", &R::mMainHeight, 2.0, nullptr},
    {"mMainIsLayer", &R::mMainIsLayer, 0, nullptr},
    {"mMainLayer", &R::mMainLayer, 0, "30|50|60"},
    {"PA_IsWidthValue", &R::PA_IsWidthValue, 1, nullptr},
    {"PA_WidthValue", &R::PA_WidthValue, 10.0, nullptr},
    {"PA_WidthValueDistance", &R::PA_WidthValueDistance, 0.5, nullptr},
    {"PA_IsHoleDraw", &R::PA_IsHoleDraw, 1, nullptr},
    {"PA_Hole", &R::PA_Hole, 0, nullptr},
    {"PA_HoleLayer", &R::PA_HoleLayer, 0, "3"},
    {"PA_HoleDir", &R::PA_HoleDir, 0, nullptr},
    {"PA_HoleWidth", &R::PA_HoleWidth, 0, "0.5"},
    {"PA_IsLineDraw", &R::PA_IsLineDraw, 0, nullptr},
    {"PA_LineValue", &R::PA_LineValue, 0, nullptr},
    {"PA_Color", &R::PA_Color, 5, nullptr},
    {"PA_LType", &R::PA_LType, 0, nullptr},
    {"PB_IsHoleDraw", &R::PB_IsHoleDraw, 1, nullptr},
    {"PB_Hole", &R::PB_Hole, 0, nullptr},
    {"PB_HoleLayer", &R::PB_HoleLayer, 0, "3"},
    {"PB_HoleDir", &R::PB_HoleDir, 0, nullptr},
    {"PB_HoleWidth", &R::PB_HoleWidth, 0, "0.5"},
    {"PB_IsLineDraw", &R::PB_IsLineDraw, 0, nullptr},
    {"PB_LineValue", &R::PB_LineValue, 0, nullptr},
    {"PB_Color", &R::PB_Color, 5, nullptr},
    {"PB_LType", &R::PB_LType, 0, nullptr},
    {"PC_IsHoleDraw", &R::PC_IsHoleDraw, 1, nullptr},
    {"PC_Hole", &R::PC_Hole, 0, nullptr},
    {"PC_HoleLayer", &R::PC_HoleLayer, 0, "3"},
    {"PC_HoleDir", &R::PC_HoleDir, 0, nullptr},
    {"PC_HoleWidth", &R::PC_HoleWidth, 0, "0.5"},
    {"PC_LineValue", &R::PC_LineValue, 1, nullptr},
    {"PC_Color", &R::PC_Color, 5, nullptr},
    {"PC_LType", &R::PC_LType, 0, nullptr},
    {"PD_IsSlotDraw", &R::PD_IsSlotDraw, 1, nullptr},
    {"PD_SlotLayer", &R::PD_SlotLayer, 0, "3"},
    {"PD_SlotR", &R::PD_SlotR, 0, "3.0"},
    {"PD_SlotColor", &R::PD_SlotColor, 5, nullptr},
    {"PD_SlotLType", &R::PD_SlotLType, 0, nullptr},
    {"PD_LineValue", &R::PD_LineValue, 1, nullptr},
    {"PD_Color", &R::PD_Color, 8, nullptr},
    {"PD_LType", &R::PD_LType, 1, nullptr},
    {"SA_IsLineDraw", &R::SA_IsLineDraw, 0, nullptr},
    {"SA_LineValue", &R::SA_LineValue, 0, nullptr},
    {"SA_Color", &R::SA_Color, 5, nullptr},
    {"SA_LType", &R::SA_LType, 0, nullptr},
    {"SB_IsLineDraw", &R::SB_IsLineDraw, 0, nullptr},
    {"SB_LineValue", &R::SB_LineValue, 0, nullptr},
    {"SB_Color", &R::SB_Color, 5, nullptr},
    {"SB_LType", &R::SB_LType, 0, nullptr},
    {"SB_DisplayWidth", &R::SB_DisplayWidth, 1.5, nullptr},
    {"SB_DisplayProtrude", &R::SB_DisplayProtrude, 0.3, nullptr},
    {"SB_DisplayColor", &R::SB_DisplayColor, 5, nullptr},
    {"SB_DisplayLType", &R::SB_DisplayLType, 0, nullptr},
};

void LoadAll() {
    LoadMainSettings();
    for (const Pattern pattern : kAllPatterns) {
        LoadPatternSettings(pattern);
    }
}

class PackagedDefaults : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(registry_.ok());
        const char* file = std::getenv("LEDGEWRIGHT_DEFAULTS_REG");
#ifdef _WIN32
        if (file == nullptr) {
            GTEST_SKIP() << "no native tree's settings file (LEDGEWRIGHT_NATIVE_BUILD_DIR)";
        }
#endif
        const char* build = std::getenv("LEDGEWRIGHT_BUILD_DIR");
        ASSERT_TRUE(file != nullptr || build != nullptr) << "LEDGEWRIGHT_BUILD_DIR is set by ctest";
        const std::string path =
            file != nullptr ? std::string(file) : std::string(build) + "/settings/Ledgewright-defaults.reg";
        const std::optional<std::string> text = ReadWholeFile(path);
        ASSERT_TRUE(text.has_value()) << path;
        shipped_ = *text;
#ifdef _WIN32
        ASSERT_TRUE(registry_.ImportWithRegedit(shipped_));
        ASSERT_EQ(registry_.SettingsValueCount(), std::size(kDefaults)) << "regedit imported every value";
#else
        registry_.WriteFile(shipped_);
#endif
        ResetShoulderSettings();
    }
    void TearDown() override { ResetShoulderSettings(); }

    static std::optional<std::string> ReadWholeFile(const std::string& path) {
        FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) {
            return std::nullopt;
        }
        std::string text;
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
            text.append(buffer, n);
        }
        std::fclose(file);
        return text;
    }

    ScratchRegistry registry_;
    std::string shipped_;
};

TEST_F(PackagedDefaults, HoldsEveryValueTheLoadersRead) {
    LoadAll();
#ifdef _WIN32
    EXPECT_EQ(registry_.SettingsValueCount(), std::size(kDefaults)) << "a loader wrote back a value the file lacks";
#else
    EXPECT_EQ(registry_.ReadFile(), shipped_) << "a loader wrote back a value the file lacks";
#endif
    EXPECT_EQ(shipped_.rfind("Windows Registry Editor Version 5.00\r\n\r\n"
                             "[HKEY_CURRENT_USER\\SOFTWARE\\Quorvane\\ZED\\Ledgewright]\r\n",
                             0),
              0u);
    size_t values = 0;
    for (size_t at = shipped_.find("\r\n\""); at != std::string::npos; at = shipped_.find("\r\n\"", at + 1)) {
        ++values;
    }
    EXPECT_EQ(values, std::size(kDefaults)) << "the file holds the settings values and nothing else";
}

TEST_F(PackagedDefaults, LoadAsTheFirstStartsDefaults) {
    LoadAll();
    for (const Expected& row : kDefaults) {
        SCOPED_TRACE(row.name);
        EXPECT_NE(shipped_.find("\"" + std::string(row.name) + "\"="), std::string::npos);
        if (const auto* number = std::get_if<double R::*>(&row.field)) {
            EXPECT_DOUBLE_EQ(ShoulderSettings.**number, row.number);
        } else if (const auto* integer = std::get_if<int R::*>(&row.field)) {
            EXPECT_EQ(ShoulderSettings.**integer, static_cast<int>(row.number));
        } else {
            const ZedString expected(row.text, row.text + std::strlen(row.text));
            EXPECT_EQ(ShoulderSettings.*std::get<ZedString R::*>(row.field), expected);
        }
    }
}

}  // namespace
