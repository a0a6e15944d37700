// Randomised checks with a fixed seed. The element list reader against a plain
// reading of the same text; and Delete mode over whatever a drawing may hold
// in a shoulder's attributes: random characters or random element ids in
// 40271, random integers and texts in 40272 to 40276. Whatever the values,
// the plug-in must not crash or trip the sanitizers, must keep the host's
// callback protocol, must leave every segment alone that is neither the
// picked outline nor named as a part by an integer attribute, must change
// nothing when it refuses, and must leave a sound drawing whenever it reports
// no failure. Another marked shoulder never goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>

#include "geometry/shoulder_memory.h"
#include "geometry/unfinished_change.h"
#include "tagging/id_list.h"
#include "tagging/shoulder_tag.h"
#include "tests/tagging/tagging_test_support.h"

namespace {

using namespace tagging_test;

// Characters that make lists, nearly-lists and anything else.
ZedChar RandomChar(std::mt19937& rng) {
    static const ZedString common = emu::FromUtf8("0123456789,,,,-- +x상\t.");
    std::uniform_int_distribution<int> pick(0, 9);
    if (pick(rng) < 8) {
        return common[std::uniform_int_distribution<size_t>(0, common.size() - 1)(rng)];
    }
    return static_cast<ZedChar>(std::uniform_int_distribution<int>(1, 0xD7FF)(rng));
}

ZedString RandomText(std::mt19937& rng, int longest) {
    ZedString text;
    const int length = std::uniform_int_distribution<int>(0, longest)(rng);
    for (int i = 0; i < length; ++i) {
        text += RandomChar(rng);
    }
    return text;
}

// The ids a text holds read the plain way, or nothing when it is no list:
// each non-empty piece an optional "-" and digits within 32 bits, nine at most.
ShoulderElementIds PlainReading(const ZedString& text) {
    std::vector<ZedString> pieces;
    ZedString piece;
    for (const ZedChar c : text + ZedChar(',')) {
        if (c == ZedChar(',')) {
            if (!piece.empty()) {
                pieces.push_back(piece);
            }
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (pieces.size() > kMaxShoulderElements) {
        return {};
    }
    ShoulderElementIds ids;
    for (const ZedString& p : pieces) {
        const bool negative = p[0] == ZedChar('-');
        ZedString digits = p.substr(negative ? 1 : 0);
        if (digits.empty() || !std::all_of(digits.begin(), digits.end(),
                                           [](ZedChar c) { return c >= ZedChar('0') && c <= ZedChar('9'); })) {
            return {};
        }
        digits.erase(0, std::min(digits.find_first_not_of(ZedChar('0')), digits.size() - 1));
        if (digits.size() > 10) {
            return {};
        }
        const long long value = std::stoll(std::string(digits.begin(), digits.end())) * (negative ? -1 : 1);
        if (value < -2147483648LL || value > 2147483647LL) {
            return {};
        }
        ids.push_back(static_cast<ZedId>(value));
    }
    return ids;
}

// A text that is a list more often than not: pieces of digits, now and then
// signed, padded, overlong or spoilt by one random character.
ZedString RandomListText(std::mt19937& rng) {
    ZedString text;
    const int pieces = std::uniform_int_distribution<int>(0, 11)(rng);
    std::uniform_int_distribution<int> percent(0, 99);
    for (int i = 0; i < pieces; ++i) {
        text += emu::FromUtf8(percent(rng) < 15 ? ",," : ",");
        if (percent(rng) < 10) {
            text += ZedChar('-');
        }
        const int digits = percent(rng) < 10 ? std::uniform_int_distribution<int>(9, 14)(rng)
                                              : std::uniform_int_distribution<int>(1, 5)(rng);
        for (int d = 0; d < digits; ++d) {
            text += static_cast<ZedChar>(ZedChar('0') + std::uniform_int_distribution<int>(0, 9)(rng));
        }
        if (percent(rng) < 5) {
            text += RandomChar(rng);
        }
    }
    return text;
}

TEST(TagIdListRandomTest, AnyTextReadsAsItsPlainReading) {
    std::mt19937 rng(20240611);
    int lists = 0;
    for (int i = 0; i < 6000; ++i) {
        const ZedString text = i % 2 == 0 ? RandomText(rng, 40) : RandomListText(rng);
        const ShoulderElementIds ids = ParseIdText(text.c_str());
        ASSERT_EQ(ids, PlainReading(text)) << emu::ToUtf8(text.c_str());
        ASSERT_LE(ids.size(), kMaxShoulderElements);
        lists += ids.empty() ? 0 : 1;

        ZedAttrValue value{};
        value.kind = std::uniform_int_distribution<int>(0, 4)(rng);
        value.value.text = text.c_str();
        ASSERT_EQ(ParseIdList(value), value.kind == ZED_ATTR_TEXT ? ids : ShoulderElementIds{});
    }
    // The texts are not all refused: the check above covers real lists too.
    EXPECT_GT(lists, 1000);
}

class DeleteRandomTest : public TaggingTest {
protected:
    struct SegmentState {
        bool closed = false;
        std::vector<ZedId> chain;
        std::vector<std::string> figures;
    };

    static std::map<ZedId, SegmentState> Snapshot() {
        std::map<ZedId, SegmentState> states;
        for (const ZedId segment : emu::SegmentIds()) {
            SegmentState& state = states[segment];
            state.closed = emu::SegmentClosed(segment);
            state.chain = emu::Chain(segment);
            for (const ZedId id : state.chain) {
                const ZedFigure f = emu::FigureOf(id);
                state.figures.emplace_back(reinterpret_cast<const char*>(&f), sizeof f);
            }
        }
        return states;
    }

    static void SetText(ZedId segment, int32_t number, const ZedString& text) {
        ZedAttrValue value{};
        value.kind = ZED_ATTR_TEXT;
        value.value.text = text.c_str();
        ZedSgmSetAttribute(segment, number, &value);
    }

    static void SetInteger(ZedId segment, int32_t number, int32_t integer) {
        ZedAttrValue value{};
        value.kind = ZED_ATTR_INTEGER;
        value.value.integer = integer;
        ZedSgmSetAttribute(segment, number, &value);
    }
};

TEST_F(DeleteRandomTest, ArbitraryAttributesTouchNoOtherSegment) {
    std::mt19937 rng(7);
    auto chance = [&rng](int percent) { return std::uniform_int_distribution<int>(0, 99)(rng) < percent; };
    // One command in Delete mode throughout; each round lays out a drawing of
    // its own in place of the last.
    EnterDeleteMode();
    int changed = 0;
    int refused = 0;
    for (int round = 0; round < 2000; ++round) {
        for (const ZedId segment : emu::SegmentIds()) {
            ZedSgmDeleteSegment(segment);
        }
        emu::ResetCallLog();
        emu::ClearMessages();
        ResetShoulderMemory();
        const ZedId rectangle = emu::AddOutline(kLayer,
                                                {emu::Line(0, 0, 20, 0), emu::Line(20, 0, 20, 10),
                                                 emu::Line(20, 10, 0, 10), emu::Line(0, 10, 0, 0)},
                                                true);
        const double p1 = std::uniform_int_distribution<int>(1, 9)(rng);
        const double p2 = p1 + std::uniform_int_distribution<int>(1, 9)(rng);
        const CutShoulder cut = CutShoulderInto(rectangle, {p1, 0}, {p2, 0}, {p1, -3}, {p2, -3});
        ASSERT_NE(cut.outline, -1);
        // Another marked shoulder, which no attribute may take away.
        const ZedId otherShoulder = emu::AddOutline(kLayer,
                                                    {emu::Line(30, 0, 40, 0), emu::Line(40, 0, 40, 10),
                                                     emu::Line(40, 10, 30, 10), emu::Line(30, 10, 30, 0)},
                                                    true);
        SetText(otherShoulder, kAttrShoulderType, emu::FromUtf8("SymbolShoulder"));
        emu::AddOutline(kLayer, {emu::Circle(10, 5, 2)}, true);
        emu::AddOutline(kLayer, {emu::Line(0, 20, 5, 20), emu::Line(5, 20, 5, 25)}, false);
        TagShoulder(cut.outline, cut.sides);

        // Element ids of the whole drawing, and every segment id, to draw from.
        std::vector<ZedId> elements;
        const std::vector<ZedId> segments = emu::SegmentIds();
        for (const ZedId segment : segments) {
            const std::vector<ZedId> chain = emu::Chain(segment);
            elements.insert(elements.end(), chain.begin(), chain.end());
        }
        auto any = [&rng](const std::vector<ZedId>& from) {
            return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(rng)];
        };

        const std::vector<ZedId> outline = emu::Chain(cut.outline);
        const int listKind = std::uniform_int_distribution<int>(0, 5)(rng);
        if (listKind == 0) {
            // The list the tagging wrote stays.
        } else if (listKind == 1) {
            // A run of the outline, listed in any order.
            const size_t length = std::uniform_int_distribution<size_t>(1, 4)(rng);
            const size_t start = std::uniform_int_distribution<size_t>(0, outline.size() - 1)(rng);
            std::vector<ZedId> run;
            for (size_t i = 0; i < length; ++i) {
                run.push_back(outline[(start + i) % outline.size()]);
            }
            std::shuffle(run.begin(), run.end(), rng);
            SetText(cut.outline, kAttrElementList, FormatIdList(run));
        } else if (listKind == 2) {
            ZedString list;
            const int count = std::uniform_int_distribution<int>(0, 11)(rng);
            for (int i = 0; i < count; ++i) {
                const ZedId id = chance(85) ? any(elements) : std::uniform_int_distribution<ZedId>(-5, 500)(rng);
                list += emu::FromUtf8((chance(10) ? ",," : ",") + std::to_string(id));
            }
            SetText(cut.outline, kAttrElementList, list);
        } else if (listKind == 3) {
            SetText(cut.outline, kAttrElementList, RandomText(rng, 30));
        } else if (listKind == 4) {
            SetInteger(cut.outline, kAttrElementList, any(elements));
        } else {
            ZedSgmDeleteAttribute(cut.outline, kAttrElementList);
        }
        // Segments a part attribute names and that may go.
        std::set<ZedId> named;
        for (int32_t number = kAttrHoleSegment; number <= kAttrDisplaySegment; ++number) {
            const int what = std::uniform_int_distribution<int>(0, 4)(rng);
            if (what == 1) {
                const ZedId part = chance(80) ? any(segments) : std::uniform_int_distribution<ZedId>(-3, 300)(rng);
                SetInteger(cut.outline, number, part);
                named.insert(part);
            } else if (what == 2) {
                SetText(cut.outline, number, chance(50) ? emu::FromUtf8(std::to_string(any(segments)))
                                                        : RandomText(rng, 12));
            } else if (what == 3) {
                const ZedId part = std::uniform_int_distribution<ZedId>(INT32_MIN, INT32_MAX)(rng);
                SetInteger(cut.outline, number, part);
                named.insert(part);
            }
        }
        named.erase(otherShoulder);
        const std::map<ZedId, SegmentState> before = Snapshot();
        const std::string attributes = emu::AttributeText(cut.outline, kAttrElementList);
        // Only a pick of an element the list names acts; any other pick changes nothing.
        const ShoulderElementIds listed = listKind <= 3 ? PlainReading(emu::FromUtf8(attributes)) : ShoulderElementIds{};
        const bool pickListed = std::find(listed.begin(), listed.end(), cut.sides.inner) != listed.end();
        const std::string drawing = emu::Dump();

        ASSERT_TRUE(emu::PickElement(cut.sides.inner)) << round;

        ASSERT_TRUE(emu::ProtocolErrors().empty()) << round;
        ASSERT_TRUE(emu::CommandActive()) << round;
        const std::map<ZedId, SegmentState> after = Snapshot();
        for (const auto& [segment, state] : before) {
            if (segment == cut.outline || named.count(segment) != 0) {
                continue;
            }
            const auto it = after.find(segment);
            ASSERT_NE(it, after.end()) << "round " << round << ": segment " << segment << " gone, list \""
                                       << attributes << "\"";
            EXPECT_EQ(it->second.closed, state.closed) << round;
            EXPECT_EQ(it->second.chain, state.chain) << round;
            EXPECT_EQ(it->second.figures, state.figures) << round;
        }
        if (!pickListed) {
            EXPECT_EQ(emu::Dump(), drawing) << round;
            EXPECT_EQ(TextsOn(emu::Channel::Error), std::vector<std::string>{kPickShoulderElement}) << round;
            continue;
        }
        const auto left = after.find(cut.outline);
        changed += left == after.end() || left->second.chain != before.at(cut.outline).chain ||
                           left->second.figures != before.at(cut.outline).figures
                       ? 1
                       : 0;
        // A list that names no shoulder is refused before anything changes;
        // what Delete takes back leaves a sound drawing.
        if (TextsOn(emu::Channel::Error).empty()) {
            EXPECT_EQ(emu::CheckAllIntegrity(), "") << "round " << round << ", list \"" << attributes << "\"";
        } else {
            EXPECT_EQ(emu::Dump(), drawing) << "round " << round << ", list \"" << attributes << "\"";
            ++refused;
        }
    }
    // The lists were neither all refused nor all taken.
    EXPECT_GT(changed, 250);
    EXPECT_GT(refused, 100);
    RecordProperty("changed", changed);
    RecordProperty("refused", refused);
}

}  // namespace
