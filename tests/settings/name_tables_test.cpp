#include <gtest/gtest.h>

#include "settings/name_tables.h"

namespace {

TEST(MainColorTable, HoldsSixteenRowsAfterTheDefaultEntry) {
    const MainColorTable table = BuildMainColorTable();
    EXPECT_EQ(table.count, 16);
    EXPECT_EQ(table.entries.size(), 40u);
    EXPECT_EQ(table.entries[0].name, ZED_TEXT("MAINCOLOR01"));
    EXPECT_EQ(table.entries[0].index, 0);
    for (int row = 1; row <= table.count; ++row) {
        const ZedString digits = ZedString(1, ZED_TEXT('0') + row / 10) + ZedString(1, ZED_TEXT('0') + row % 10);
        EXPECT_EQ(table.entries[row].name, ZED_TEXT("MAINCOLOR") + digits) << row;
        EXPECT_EQ(table.entries[row].index, row - 1) << row;
    }
    // Entries past the count stay empty.
    EXPECT_TRUE(table.entries[17].name.empty());
}

TEST(MainColorTable, GivesTheComponentsOfEachColour) {
    const MainColorTable table = BuildMainColorTable();
    const int expected[16][3] = {{255, 255, 255}, {0, 192, 255},   {60, 255, 80},    {255, 64, 192},
                                 {224, 224, 0},   {255, 0, 0},     {255, 128, 128},  {0, 128, 255},
                                 {255, 255, 0},   {128, 128, 128}, {0, 255, 255},    {0, 0, 255},
                                 {128, 0, 255},   {128, 128, 255}, {128, 0, 128},    {128, 128, 0}};
    for (int row = 1; row <= 16; ++row) {
        const ColorEntry& entry = table.entries[row];
        EXPECT_EQ(entry.red, expected[row - 1][0]) << row;
        EXPECT_EQ(entry.green, expected[row - 1][1]) << row;
        EXPECT_EQ(entry.blue, expected[row - 1][2]) << row;
    }
    EXPECT_EQ(table.entries[0].red, 255);
    EXPECT_EQ(table.entries[0].green, 255);
    EXPECT_EQ(table.entries[0].blue, 255);
}

TEST(LineTypeTable, MapsNamesToIndexesThatDoNotFollowTheirNumbers) {
    const LineTypeTable table = BuildLineTypeTable();
    EXPECT_EQ(table.count, 10);
    EXPECT_EQ(table.entries.size(), 20u);
    EXPECT_EQ(table.entries[0].name, ZED_TEXT("LINETYPE01"));
    EXPECT_EQ(table.entries[0].index, 0);
    const int expected[10] = {0, 4, 5, 6, 1, 2, 3, 7, 8, 9};
    for (int row = 1; row <= 10; ++row) {
        const ZedString digits = ZedString(1, ZED_TEXT('0') + row / 10) + ZedString(1, ZED_TEXT('0') + row % 10);
        EXPECT_EQ(table.entries[row].name, ZED_TEXT("LINETYPE") + digits) << row;
        EXPECT_EQ(table.entries[row].index, expected[row - 1]) << row;
    }
}

TEST(LookupColor, IgnoresCase) {
    for (const ZedChar* name : {ZED_TEXT("MAINCOLOR12"), ZED_TEXT("maincolor12"), ZED_TEXT("MainColor12")}) {
        const ColorEntry entry = LookupColor(name);
        EXPECT_EQ(entry.index, 11) << name;
        EXPECT_EQ(entry.blue, 255) << name;
        EXPECT_EQ(entry.red, 0) << name;
    }
    EXPECT_EQ(LookupColor(ZED_TEXT("mainCOLOR16")).index, 15);
}

TEST(LookupColor, GivesTheDefaultEntryForAnUnknownName) {
    for (const ZedChar* name : {ZED_TEXT("MAINCOLOR99"), ZED_TEXT(""), ZED_TEXT("MAINCOLOR1"), ZED_TEXT("MAINCOLOR12 "),
                                ZED_TEXT("MAINCOLOR00"), ZED_TEXT("빨강")}) {
        const ColorEntry entry = LookupColor(name);
        EXPECT_EQ(entry.name, ZED_TEXT("MAINCOLOR01")) << name;
        EXPECT_EQ(entry.index, 0) << name;
        EXPECT_EQ(entry.red + entry.green + entry.blue, 3 * 255) << name;
    }
}

TEST(LookupLineType, IgnoresCaseAndFallsBackToTheFirstEntry) {
    EXPECT_EQ(LookupLineType(ZED_TEXT("LINETYPE05")).index, 1);
    EXPECT_EQ(LookupLineType(ZED_TEXT("linetype05")).index, 1);
    EXPECT_EQ(LookupLineType(ZED_TEXT("LineType02")).index, 4);
    EXPECT_EQ(LookupLineType(ZED_TEXT("LINETYPE10")).index, 9);
    EXPECT_EQ(LookupLineType(ZED_TEXT("LINETYPE11")).index, 0);
    EXPECT_EQ(LookupLineType(ZED_TEXT("LINETYPE11")).name, ZED_TEXT("LINETYPE01"));
    EXPECT_EQ(LookupLineType(ZED_TEXT("MAINCOLOR05")).index, 0);
}

}  // namespace
