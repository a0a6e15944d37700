#include <gtest/gtest.h>

#include "platform/path.h"

namespace {

const ZedChar kBackslash = ZED_TEXT('\\');
const ZedChar kSlash = ZED_TEXT('/');

TEST(InstallationFolderOf, IsTheParentOfTheExecutablesFolder) {
    EXPECT_EQ(InstallationFolderOf(ZED_TEXT("C:\\Zed\\bin\\zed.exe"), kBackslash), ZED_TEXT("C:\\Zed"));
    EXPECT_EQ(InstallationFolderOf(ZED_TEXT("D:\\설계\\Zed CAD\\bin\\zed.exe"), kBackslash),
              ZED_TEXT("D:\\설계\\Zed CAD"));
    EXPECT_EQ(InstallationFolderOf(ZED_TEXT("\\\\server\\share\\bin\\zed.exe"), kBackslash),
              ZED_TEXT("\\\\server\\share"));
    EXPECT_EQ(InstallationFolderOf(ZED_TEXT("/opt/zed/bin/zed"), kSlash), ZED_TEXT("/opt/zed"));
}

TEST(InstallationFolderOf, IsEmptyWhenThePathHasTooFewSeparators) {
    EXPECT_EQ(InstallationFolderOf(ZED_TEXT("zed.exe"), kBackslash), ZED_TEXT(""));
    EXPECT_EQ(InstallationFolderOf(ZED_TEXT("C:\\zed.exe"), kBackslash), ZED_TEXT(""));
    EXPECT_EQ(InstallationFolderOf(ZED_TEXT(""), kBackslash), ZED_TEXT(""));
    // The other platform's separator is no separator.
    EXPECT_EQ(InstallationFolderOf(ZED_TEXT("/opt/zed/bin/zed"), kBackslash), ZED_TEXT(""));
    // A folder at the root: the second cut leaves the text before the root.
    EXPECT_EQ(InstallationFolderOf(ZED_TEXT("/bin/zed"), kSlash), ZED_TEXT(""));
    EXPECT_EQ(InstallationFolderOf(ZED_TEXT("C:\\bin\\zed.exe"), kBackslash), ZED_TEXT("C:"));
}

TEST(InstallationFolderOf, KeepsLongPathsWhole) {
    ZedString folder = ZED_TEXT("C:");
    while (folder.size() < 400) {
        folder += ZED_TEXT("\\a-rather-long-folder-name");
    }
    EXPECT_EQ(InstallationFolderOf(folder + ZED_TEXT("\\bin\\zed.exe"), kBackslash), folder);
}

TEST(InstallationFolderOf, UsesThePlatformSeparatorByDefault) {
    const ZedString sep(1, kPathSeparator);
    const ZedString root = ZED_TEXT("top") + sep + ZED_TEXT("zed");
    EXPECT_EQ(InstallationFolderOf(root + sep + ZED_TEXT("bin") + sep + ZED_TEXT("zed")), root);
#ifdef _WIN32
    EXPECT_EQ(kPathSeparator, ZED_TEXT('\\'));
#else
    EXPECT_EQ(kPathSeparator, ZED_TEXT('/'));
#endif
}

TEST(CutAtLastSeparator, GivesTheTextBeforeTheLastSeparator) {
    EXPECT_EQ(CutAtLastSeparator(ZED_TEXT("a\\b\\c"), kBackslash), ZED_TEXT("a\\b"));
    EXPECT_EQ(CutAtLastSeparator(ZED_TEXT("a\\b\\"), kBackslash), ZED_TEXT("a\\b"));
    EXPECT_EQ(CutAtLastSeparator(ZED_TEXT("\\a"), kBackslash), ZED_TEXT(""));
    EXPECT_EQ(CutAtLastSeparator(ZED_TEXT("abc"), kBackslash), ZED_TEXT(""));
}

}  // namespace
