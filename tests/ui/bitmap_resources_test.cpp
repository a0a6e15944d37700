// The module's bitmaps as the resource script links them (ui/ledgewright.rc
// includes the lines ui/bitmaps/bitmaps.rc holds): every pattern's picture and
// every line type's names a 24-bit BMP file of the size ui/bitmaps.h gives.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "ui/bitmaps.h"

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::int64_t Little(const std::string& data, size_t at, int bytes) {
    std::int64_t value = 0;
    for (int k = bytes - 1; k >= 0; --k) {
        value = value * 256 + static_cast<unsigned char>(data[at + k]);
    }
    return value;
}

TEST(BitmapResources, EveryIdNamesABmpOfItsSizeAndDepth) {
    const char* source = std::getenv("LEDGEWRIGHT_SOURCE_DIR");
    if (source == nullptr) {
        GTEST_SKIP() << "LEDGEWRIGHT_SOURCE_DIR is set by ctest";
    }
    const std::string ui = std::string(source) + "/ui/";
    ASSERT_NE(ReadFile(ui + "ledgewright.rc").find("\n#include \"bitmaps/bitmaps.rc\""), std::string::npos);
    const std::string rc = ReadFile(ui + "bitmaps/bitmaps.rc");
    std::map<int, std::string> files;
    const std::regex line(R"re((?:^|\n)(\d+) +BITMAP +"([^"]+)")re");
    for (auto it = std::sregex_iterator(rc.begin(), rc.end(), line); it != std::sregex_iterator(); ++it) {
        const int id = std::stoi((*it)[1]);
        EXPECT_TRUE(files.emplace(id, (*it)[2]).second) << "bitmap " << id << " linked twice";
        EXPECT_GT(SizeOfBitmap(id).width, 0) << "bitmap " << id << " has no size in ui/bitmaps.h";
    }
    std::vector<int> ids;
    for (Pattern pattern : kAllPatterns) {
        ids.push_back(PatternBitmap(pattern));
    }
    for (int k = 0; k < kLineTypeCount; ++k) {
        ids.push_back(kBitmapLineType01 + k);
    }
    EXPECT_EQ(files.size(), ids.size());
    for (int id : ids) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        ASSERT_TRUE(files.count(id)) << "not linked in ui/bitmaps/bitmaps.rc";
        const std::string bmp = ReadFile(ui + files[id]);
        ASSERT_GE(bmp.size(), 54u) << files[id];
        EXPECT_EQ(bmp.substr(0, 2), "BM");
        const BitmapSize size = SizeOfBitmap(id);
        EXPECT_EQ(Little(bmp, 18, 4), size.width);
        EXPECT_EQ(Little(bmp, 22, 4), size.height);  // positive: rows bottom-up
        EXPECT_EQ(Little(bmp, 28, 2), 24);
        EXPECT_EQ(Little(bmp, 30, 4), 0);  // uncompressed
        const std::int64_t rows = (size.width * 3 + 3) / 4 * 4 * std::int64_t{size.height};
        EXPECT_EQ(static_cast<std::int64_t>(bmp.size()), Little(bmp, 10, 4) + rows);
        EXPECT_EQ(static_cast<std::int64_t>(bmp.size()), Little(bmp, 2, 4));
    }
}

}  // namespace
