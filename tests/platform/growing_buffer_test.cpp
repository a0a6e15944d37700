#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/growing_buffer.h"

namespace {

// Behaves as GetModuleFileName does for a path of the given text: copies what
// fits and returns the buffer's size when the text was cut.
class FakeModuleName {
public:
    explicit FakeModuleName(std::wstring path) : path_(std::move(path)) {}

    long long operator()(wchar_t* buffer, size_t capacity) {
        capacities.push_back(capacity);
        const size_t copied = std::min(path_.size(), capacity);
        std::copy_n(path_.begin(), copied, buffer);
        return path_.size() < capacity ? static_cast<long long>(path_.size()) : static_cast<long long>(capacity);
    }

    std::vector<size_t> capacities;

private:
    std::wstring path_;
};

std::wstring PathOfLength(size_t length) {
    std::wstring path = L"C:";
    while (path.size() < length) {
        path += L"\\folder";
    }
    path.resize(length);
    return path;
}

TEST(ReadWithGrowingBuffer, GrowsUntilALongPathFitsWhole) {
    const std::wstring path = PathOfLength(1000);
    FakeModuleName query(path);
    std::wstring text;
    ASSERT_TRUE(ReadWithGrowingBuffer<wchar_t>(std::ref(query), 260, 32768, text));
    EXPECT_EQ(text, path);
    EXPECT_EQ(query.capacities, (std::vector<size_t>{260, 520, 1040}));
}

TEST(ReadWithGrowingBuffer, TakesAFullBufferAsCut) {
    // A text of exactly the buffer's size may have been cut, so it is read again.
    const std::wstring path = PathOfLength(260);
    FakeModuleName query(path);
    std::wstring text;
    ASSERT_TRUE(ReadWithGrowingBuffer<wchar_t>(std::ref(query), 260, 32768, text));
    EXPECT_EQ(text, path);
    EXPECT_EQ(query.capacities.size(), 2u);

    FakeModuleName shortQuery(PathOfLength(259));
    ASSERT_TRUE(ReadWithGrowingBuffer<wchar_t>(std::ref(shortQuery), 260, 32768, text));
    EXPECT_EQ(text.size(), 259u);
    EXPECT_EQ(shortQuery.capacities.size(), 1u);
}

TEST(ReadWithGrowingBuffer, StopsAtTheLimitAndOnFailure) {
    FakeModuleName tooLong(PathOfLength(40000));
    std::wstring text = L"unchanged";
    EXPECT_FALSE(ReadWithGrowingBuffer<wchar_t>(std::ref(tooLong), 260, 32768, text));
    EXPECT_EQ(tooLong.capacities.back(), 32768u);
    EXPECT_EQ(text, L"unchanged");

    FakeModuleName longest(PathOfLength(32767));
    ASSERT_TRUE(ReadWithGrowingBuffer<wchar_t>(std::ref(longest), 260, 32768, text));
    EXPECT_EQ(text.size(), 32767u);

    const auto failing = [](wchar_t*, size_t) -> long long { return -1; };
    EXPECT_FALSE(ReadWithGrowingBuffer<wchar_t>(failing, 260, 32768, text));
}

}  // namespace
