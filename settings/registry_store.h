// The settings store: named text values under the current user's registry.
//
// Every setting is a string value. Key paths are relative to the current user
// and may use "/" as well as "\" between key names.
#ifndef LEDGEWRIGHT_SETTINGS_REGISTRY_STORE_H
#define LEDGEWRIGHT_SETTINGS_REGISTRY_STORE_H

#include "host/zedtext.h"

// The key that holds every key of the vendor's products.
inline constexpr const ZedChar* kPluginKeyRoot = ZED_TEXT("SOFTWARE\\Quorvane\\ZED\\");
// The plug-in's settings key name, below kPluginKeyRoot.
inline constexpr const ZedChar* kSettingsKeyName = ZED_TEXT("Ledgewright");

// The key path with every "/" replaced by "\".
ZedString NormalizeKeyPath(const ZedString& keyPath);
// kPluginKeyRoot followed by the key name.
ZedString PluginKeyPath(const ZedString& keyName);

// Reads a string value of any length: 0 when found (text set), -1 when the key
// or the value is missing or the value is not text (text untouched).
int ReadSetting(const ZedString& keyPath, const ZedString& valueName, ZedString& text);
// Creates the key if needed and stores the text as a string value: 0 written, -1 failed.
int WriteSetting(const ZedString& keyPath, const ZedString& valueName, const ZedString& text);

// Called after every value written, with its name and text (the dialog driver
// reports them); null for none.
using SettingWrittenHook = void (*)(const ZedString& valueName, const ZedString& text);
void SetSettingWrittenHook(SettingWrittenHook hook);

// The same under kPluginKeyRoot followed by the key name.
bool ReadPluginSetting(const ZedString& keyName, const ZedString& valueName, ZedString& text);
bool WritePluginSetting(const ZedString& keyName, const ZedString& valueName, const ZedString& text);

// The stored text of a value of the plug-in's key; when it is missing, the
// default, which is then written back at once (a failed write is ignored).
ZedString ReadPluginSettingOrDefault(const ZedString& keyName, const ZedString& valueName,
                                     const ZedString& defaultText);

#endif  // LEDGEWRIGHT_SETTINGS_REGISTRY_STORE_H
