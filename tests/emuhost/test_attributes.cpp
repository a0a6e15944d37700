// Segment attributes: text and integer values, their absence, deletion, and
// refusals that change nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "emuhost/emu_api.h"

namespace {

class AttributesTest : public ::testing::Test {
protected:
    void SetUp() override {
        emu::Reset();
        emu::AddLayer(0);
        segment_ = emu::AddOutline(0, {emu::Line(0, 0, 10, 0)}, false);
        ASSERT_GT(segment_, 0);
    }
    void TearDown() override { emu::Reset(); }

    static ZedAttrValue Text(const ZedChar* text) {
        ZedAttrValue value{};
        value.kind = ZED_ATTR_TEXT;
        value.value.text = text;
        return value;
    }

    static ZedAttrValue Integer(int32_t integer) {
        ZedAttrValue value{};
        value.kind = ZED_ATTR_INTEGER;
        value.value.integer = integer;
        return value;
    }

    ZedId segment_ = -1;
};

TEST_F(AttributesTest, TextValuesAreTheHostsOwnCopy) {
    {
        const ZedString text = emu::FromUtf8("SymbolShoulder");
        auto buffer = std::make_unique<ZedChar[]>(text.size() + 1);
        std::copy(text.begin(), text.end(), buffer.get());
        buffer[text.size()] = 0;
        const ZedAttrValue value = Text(buffer.get());
        ASSERT_EQ(ZedSgmSetAttribute(segment_, 40270, &value), 0);
    }  // the caller's buffer is gone
    EXPECT_TRUE(emu::HasAttribute(segment_, 40270));
    EXPECT_EQ(emu::AttributeText(segment_, 40270), "SymbolShoulder");
    ZedAttrValue read{};
    ASSERT_EQ(ZedSgmGetAttribute(segment_, 40270, &read), 0);
    EXPECT_EQ(read.kind, ZED_ATTR_TEXT);
    ASSERT_NE(read.value.text, nullptr);
    EXPECT_EQ(emu::ToUtf8(read.value.text), "SymbolShoulder");
}

TEST_F(AttributesTest, IntegerValuesComeBackInTheLowHalf) {
    const ZedAttrValue value = Integer(-1234);
    ASSERT_EQ(ZedSgmSetAttribute(segment_, 40272, &value), 0);
    EXPECT_EQ(emu::AttributeText(segment_, 40272), "-1234");
    ZedAttrValue read;
    read.kind = 0;
    read.value.raw = -1;  // every byte set
    ASSERT_EQ(ZedSgmGetAttribute(segment_, 40272, &read), 0);
    EXPECT_EQ(read.kind, ZED_ATTR_INTEGER);
    EXPECT_EQ(read.value.integer, -1234);
    EXPECT_EQ(read.value.raw, static_cast<int64_t>(static_cast<uint32_t>(-1234)));
}

TEST_F(AttributesTest, AbsentAttributesAreReportedAndDeletedOnce) {
    const ZedAttrValue value = Integer(5);
    ASSERT_EQ(ZedSgmSetAttribute(segment_, 40273, &value), 0);
    ZedAttrValue read{};
    EXPECT_EQ(ZedSgmGetAttribute(segment_, 40274, &read), -1);
    EXPECT_EQ(read.kind, 0);
    EXPECT_EQ(ZedSgmDeleteAttribute(segment_, 40274), -1);
    EXPECT_EQ(ZedSgmDeleteAttribute(segment_, 40273), 0);
    EXPECT_FALSE(emu::HasAttribute(segment_, 40273));
    EXPECT_EQ(ZedSgmDeleteAttribute(segment_, 40273), -1);
    EXPECT_EQ(ZedSgmGetAttribute(segment_, 40273, &read), -1);
}

TEST_F(AttributesTest, DeleteAllEmptiesASegmentAndNeedsAnExistingOne) {
    const ZedAttrValue text = Text(ZED_TEXT("SymbolShoulder"));
    const ZedAttrValue integer = Integer(12);
    ASSERT_EQ(ZedSgmSetAttribute(segment_, 40270, &text), 0);
    ASSERT_EQ(ZedSgmSetAttribute(segment_, 40275, &integer), 0);
    EXPECT_EQ(ZedSgmDeleteAllAttribute(segment_), 0);
    EXPECT_FALSE(emu::HasAttribute(segment_, 40270));
    EXPECT_FALSE(emu::HasAttribute(segment_, 40275));
    EXPECT_EQ(ZedSgmDeleteAllAttribute(segment_), 0);  // nothing left is not a failure
    EXPECT_EQ(ZedSgmDeleteAllAttribute(4242), -1);
}

TEST_F(AttributesTest, RefusedSetsChangeNothing) {
    const ZedAttrValue kept = Integer(1);
    ASSERT_EQ(ZedSgmSetAttribute(segment_, 40272, &kept), 0);
    emu::ResetCallLog();
    const ZedAttrValue noText = Text(nullptr);
    ZedAttrValue otherKind = Integer(2);
    otherKind.kind = 4;
    const ZedAttrValue good = Integer(2);
    EXPECT_EQ(ZedSgmSetAttribute(segment_, 40272, &noText), -1);
    EXPECT_EQ(ZedSgmSetAttribute(segment_, 40272, &otherKind), -1);
    EXPECT_EQ(ZedSgmSetAttribute(segment_, 40272, nullptr), -1);
    EXPECT_EQ(ZedSgmSetAttribute(4242, 40272, &good), -1);
    EXPECT_EQ(ZedSgmDeleteAttribute(4242, 40272), -1);
    ZedAttrValue read{};
    EXPECT_EQ(ZedSgmGetAttribute(4242, 40272, &read), -1);
    EXPECT_EQ(ZedSgmGetAttribute(segment_, 40272, nullptr), -1);
    emu::FailCall("ZedSgmSetAttribute", 1);
    EXPECT_EQ(ZedSgmSetAttribute(segment_, 40272, &good), -1);
    emu::FailCall("ZedSgmDeleteAllAttribute", 1);
    EXPECT_EQ(ZedSgmDeleteAllAttribute(segment_), -1);
    EXPECT_EQ(emu::AttributeText(segment_, 40272), "1");
    EXPECT_TRUE(emu::Journal().empty());
}

}  // namespace
