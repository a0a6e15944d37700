#include "holes/hole_master.h"

#include <filesystem>
#include <system_error>

#include "base/build_profile.h"
#include "base/messages.h"
#include "base/report.h"
#include "platform/path.h"
#include "platform/text.h"

namespace {

// The file system's path of the host's text. Wide text is the native path on
// Windows. Narrow text is code page 949 (the legacy build): it goes through
// UTF-8, which the file system library reads as such everywhere, and not
// through the C runtime's locale, which a narrow path would otherwise take on
// Windows and which knows nothing of the host's code page.
#ifdef _WIN32
constexpr bool kWidePathsAreNative = !build_profile::kLegacy;
#else
constexpr bool kWidePathsAreNative = false;
#endif

std::filesystem::path FileSystemPath(const ZedString& path) {
    if constexpr (kWidePathsAreNative) {
        return std::filesystem::path(path);
    } else {
        const std::string utf8 = ZedToUtf8(path);
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    }
}

bool FileExists(const ZedString& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(FileSystemPath(path), error);
}

constexpr ZedChar kMasterFolder[] = ZED_TEXT("zed_ap");
constexpr ZedChar kMcMasterFile[] = ZED_TEXT("Ledgewright.hol");

}  // namespace

ZedString HoleMasterPath(HoleMaster master) {
    const ZedChar* file = kMcMasterFile;
    if constexpr (build_profile::kShapedHoles) {
        if (master == HoleMaster::Shaped) {
            file = ZED_TEXT("Ledgewright_Gv.hol");
        }
    } else {
        (void)master;  // the legacy build has the MC hole's master alone
    }
    return InstallationFolder() + kPathSeparator + kMasterFolder + kPathSeparator + file;
}

bool ReadHoleMaster(HoleMaster master, ZedHoleData& data) {
    const ZedString path = HoleMasterPath(master);
    data = ZedHoleData{};
    if (FileExists(path) && ZedHolGetHoleMaster(path.c_str(), &data) != -1) {
        if (data.shape != nullptr) {
            return true;
        }
        FreeHoleData(data);  // a record without its shape is of no use
    }
    const ZedString message = kMsgHoleMasterMissing + path;
    return ReportInBox(message.c_str());
}

void FreeHoleData(ZedHoleData& data, HoleFreeCall first) {
    const auto usual = [&data] { return ZedHolFreeHoleData(&data); };
    const auto second = [&data] { return ZedHoleFreeHoleData(&data); };
    if (first == HoleFreeCall::Usual) {
        if (usual() == -1) {
            second();
        }
    } else if (second() == -1) {
        usual();
    }
}

void WriteDrillingSide(ZedHoleShape& shape, int drillingSide) {
    const bool fromBelow = drillingSide != 0;
    shape.fromBelow = fromBelow ? 1 : 0;
    shape.sideCode = fromBelow ? 7 : 0;
}
