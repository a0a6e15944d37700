#include "ui/dialog_settings.h"

#include "settings/conversions.h"
#include "settings/loaders.h"
#include "settings/number_format.h"
#include "settings/registry_store.h"

ZedString LoadDialogSetting(const ZedString& name, const ZedString& defaultText) {
    return ReadPluginSettingOrDefault(kSettingsKeyName, name, defaultText);
}

ZedString LoadDialogSetting(const ZedChar* name) { return LoadDialogSetting(name, DialogDefault(name)); }

void StoreDialogSetting(const ZedString& name, const ZedString& text) {
    WritePluginSetting(kSettingsKeyName, name, text);
}

ZedString AsSettingNumber(const ZedString& text) { return FormatSettingNumber(SettingNumber(text)); }

ZedString FlagText(bool set) { return set ? ZED_TEXT("1") : ZED_TEXT("0"); }

ZedString DecimalText(int value) {
    const std::string digits = std::to_string(value);
    return ZedString(digits.begin(), digits.end());
}
