#include "settings/registry_store.h"

#include <algorithm>

#include "settings/registry_backend.h"

namespace {

SettingWrittenHook& WrittenHook() {
    static SettingWrittenHook hook = nullptr;
    return hook;
}

}  // namespace

void SetSettingWrittenHook(SettingWrittenHook hook) { WrittenHook() = hook; }

ZedString NormalizeKeyPath(const ZedString& keyPath) {
    ZedString path = keyPath;
    std::replace(path.begin(), path.end(), ZED_TEXT('/'), ZED_TEXT('\\'));
    return path;
}

ZedString PluginKeyPath(const ZedString& keyName) { return ZedString(kPluginKeyRoot) + keyName; }

int ReadSetting(const ZedString& keyPath, const ZedString& valueName, ZedString& text) {
    ZedString found;
    if (!RegistryReadString(NormalizeKeyPath(keyPath), valueName, found)) {
        return -1;
    }
    text = std::move(found);
    return 0;
}

int WriteSetting(const ZedString& keyPath, const ZedString& valueName, const ZedString& text) {
    if (!RegistryWriteString(NormalizeKeyPath(keyPath), valueName, text)) {
        return -1;
    }
    if (WrittenHook() != nullptr) {
        WrittenHook()(valueName, text);
    }
    return 0;
}

bool ReadPluginSetting(const ZedString& keyName, const ZedString& valueName, ZedString& text) {
    return ReadSetting(PluginKeyPath(keyName), valueName, text) == 0;
}

bool WritePluginSetting(const ZedString& keyName, const ZedString& valueName, const ZedString& text) {
    return WriteSetting(PluginKeyPath(keyName), valueName, text) == 0;
}

ZedString ReadPluginSettingOrDefault(const ZedString& keyName, const ZedString& valueName,
                                     const ZedString& defaultText) {
    ZedString text;
    if (ReadPluginSetting(keyName, valueName, text)) {
        return text;
    }
    WritePluginSetting(keyName, valueName, defaultText);
    return defaultText;
}
