#include <gtest/gtest.h>

#include <clocale>
#include <climits>
#include <cmath>
#include <string>

#include "settings/conversions.h"
#include "settings/number_format.h"

namespace {

TEST(SettingFlag, IsOneOnlyForTheTextOne) {
    EXPECT_EQ(SettingFlag(ZED_TEXT("1")), 1);
    for (const ZedChar* text : {ZED_TEXT("true"), ZED_TEXT("01"), ZED_TEXT(""), ZED_TEXT("0"), ZED_TEXT(" 1"),
                                ZED_TEXT("1 "), ZED_TEXT("2"), ZED_TEXT("TRUE")}) {
        EXPECT_EQ(SettingFlag(text), 0) << text;
    }
}

TEST(SettingNumber, TakesTheLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("12abc")), 12.0);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("10.0")), 10.0);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("  3.25mm")), 3.25);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT(".5")), 0.5);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("5.")), 5.0);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("+7")), 7.0);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("-0.3")), -0.3);
    // A comma is no decimal point in stored settings.
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("1,5")), 1.0);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("1.2.3")), 1.2);
}

TEST(SettingNumber, IsZeroWithoutANumber) {
    for (const ZedChar* text : {ZED_TEXT("abc"), ZED_TEXT(""), ZED_TEXT("-"), ZED_TEXT("."), ZED_TEXT("+.e5"),
                                ZED_TEXT("inf"), ZED_TEXT("nan"), ZED_TEXT("e5"), ZED_TEXT("깊이3")}) {
        EXPECT_EQ(SettingNumber(text), 0.0) << text;
    }
    // Hexadecimal text reads as its leading "0".
    EXPECT_EQ(SettingNumber(ZED_TEXT("0x10")), 0.0);
}

TEST(SettingNumber, ReadsAnExponentOnlyWhenItHasDigits) {
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("-1.5e3")), -1500.0);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("25E-1")), 2.5);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("2e")), 2.0);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("2e+")), 2.0);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("2.5e-x")), 2.5);
}

TEST(SettingNumber, SaturatesOutOfRange) {
    EXPECT_EQ(SettingNumber(ZED_TEXT("1e400")), HUGE_VAL);
    EXPECT_EQ(SettingNumber(ZED_TEXT("-1e400")), -HUGE_VAL);
    EXPECT_EQ(SettingNumber(ZED_TEXT("1e-400")), 0.0);
    EXPECT_EQ(SettingNumber(ZED_TEXT("0.0001e99999999999999")), HUGE_VAL);
    EXPECT_EQ(SettingNumber(ZED_TEXT("0e99999")), 0.0);
}

TEST(SettingInteger, TakesTheLeadingDecimalInteger) {
    EXPECT_EQ(SettingInteger(ZED_TEXT("12abc")), 12);
    EXPECT_EQ(SettingInteger(ZED_TEXT(" -3")), -3);
    EXPECT_EQ(SettingInteger(ZED_TEXT("1.9")), 1);
    EXPECT_EQ(SettingInteger(ZED_TEXT("abc")), 0);
    EXPECT_EQ(SettingInteger(ZED_TEXT("")), 0);
    EXPECT_EQ(SettingInteger(ZED_TEXT("99999999999")), INT_MAX);
    EXPECT_EQ(SettingInteger(ZED_TEXT("-99999999999999999999999")), INT_MIN);
    EXPECT_EQ(SettingInteger(ZED_TEXT("-2147483648")), INT_MIN);
}

TEST(SettingColourAndLineType, GiveTheTableIndexes) {
    EXPECT_EQ(SettingColor(ZED_TEXT("MAINCOLOR12")), 11);
    EXPECT_EQ(SettingColor(ZED_TEXT("maincolor06")), 5);
    EXPECT_EQ(SettingColor(ZED_TEXT("MAINCOLOR99")), 0);
    EXPECT_EQ(SettingLineType(ZED_TEXT("LINETYPE05")), 1);
    EXPECT_EQ(SettingLineType(ZED_TEXT("linetype04")), 6);
    EXPECT_EQ(SettingLineType(ZED_TEXT("")), 0);
}

TEST(FormatSettingNumber, KeepsAtLeastOneDecimalAndCutsTrailingZeros) {
    EXPECT_EQ(FormatSettingNumber(1.0), ZED_TEXT("1.0"));
    EXPECT_EQ(FormatSettingNumber(2.5), ZED_TEXT("2.5"));
    EXPECT_EQ(FormatSettingNumber(0.125), ZED_TEXT("0.125"));
    EXPECT_EQ(FormatSettingNumber(0.0), ZED_TEXT("0.0"));
    EXPECT_EQ(FormatSettingNumber(10.0), ZED_TEXT("10.0"));
    EXPECT_EQ(FormatSettingNumber(-0.5), ZED_TEXT("-0.5"));
    EXPECT_EQ(FormatSettingNumber(1.23456789), ZED_TEXT("1.234568"));
    EXPECT_EQ(FormatSettingNumber(1e-7), ZED_TEXT("0.0"));
    EXPECT_EQ(FormatSettingNumber(123456789.0), ZED_TEXT("123456789.0"));
    EXPECT_EQ(FormatSettingNumber(1e300).size(), 301u + 2u);
}

TEST(FormatSettingNumber, ReadsBackAsTheSameNumber) {
    for (double value : {0.3, 1.5, 3.0, -12.75, 1000.000001}) {
        EXPECT_DOUBLE_EQ(SettingNumber(FormatSettingNumber(value)), value) << value;
    }
}

// Sets a locale whose decimal point is a comma for the life of the object.
class CommaLocale {
public:
    CommaLocale() {
        const char* previous = std::setlocale(LC_ALL, nullptr);
        previous_ = previous != nullptr ? previous : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8",
                                 "German_Germany.1252", "de-DE"}) {
            if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
                active_ = true;
                return;
            }
        }
        std::setlocale(LC_ALL, previous_.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    bool active() const { return active_; }

private:
    std::string previous_;
    bool active_ = false;
};

TEST(SettingNumber, IgnoresACommaDecimalLocale) {
    CommaLocale locale;
    if (!locale.active()) {
        GTEST_SKIP() << "no locale with a comma decimal point is installed";
    }
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("2.5")), 2.5);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("1,5")), 1.0);
    EXPECT_DOUBLE_EQ(SettingNumber(ZED_TEXT("-1.5e3")), -1500.0);
    EXPECT_EQ(FormatSettingNumber(2.5), ZED_TEXT("2.5"));
    EXPECT_EQ(FormatSettingNumber(0.125), ZED_TEXT("0.125"));
}

}  // namespace
