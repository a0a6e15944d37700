// The portable settings file as another program or a hand may leave it: any
// content is read without harm, and a value written to it afterwards reads
// back as written.
#include "fuzz/fuzz_support.h"
#include "settings/registry_backend.h"
#include "settings/registry_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::filesystem::path file = fuzz::WriteScratchFile("settings.reg", fuzz::Bytes(data, size));
    SetRegistryFilePath(file.string());
    ZedString text;
    for (const ZedChar* name : {ZED_TEXT("mMainWidth"), ZED_TEXT("PA_HoleLayer"), ZED_TEXT("")}) {
        ReadPluginSetting(kSettingsKeyName, name, text);
    }
    const ZedString written = ZED_TEXT("12.5");
    if (WritePluginSetting(kSettingsKeyName, ZED_TEXT("mMainWidth"), written)) {
        fuzz::Require(ReadPluginSetting(kSettingsKeyName, ZED_TEXT("mMainWidth"), text) && text == written,
                      "a value written reads back");
    }
    SetRegistryFilePath("");
    return 0;
}
