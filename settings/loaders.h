// The settings loaders: each fills its part of ShoulderSettings from the
// plug-in's registry key. A value found missing takes the loader's default,
// which is written back at once.
#ifndef LEDGEWRIGHT_SETTINGS_LOADERS_H
#define LEDGEWRIGHT_SETTINGS_LOADERS_H

#include <span>

#include "base/pattern.h"
#include "host/zedtext.h"

// One registry value of the chooser or of a pattern: the one table of each
// pattern's values (settings/loaders.cpp) names them, gives both defaults and
// says where the loader stores them; the pattern panels show the same values
// in the same order.
struct SettingValue {
    const ZedChar* name;
    // The default that the command's loader writes when it finds the value
    // missing, and the one that the dialogs (the chooser and the pattern
    // panels) write.
    const ZedChar* commandDefault;
    const ZedChar* dialogDefault;
    // Stores the value's text in its field of ShoulderSettings, converted
    // according to the value's kind.
    void (*store)(const ZedString& text);
    // The hole kind of plan patterns A to C, a value the legacy build does not
    // have: it neither reads nor writes it, so its holes stay MC holes.
    bool holeKind = false;

    // Whether this build reads and writes the value.
    bool InThisBuild() const;
};

// The chooser's own values: the shared sizes and the layer filter (in the
// settings table with their defaults), and the chosen item (the chooser's
// alone, "1" when missing).
inline constexpr ZedChar kMainProtrude[] = ZED_TEXT("mMainProtrude");
inline constexpr ZedChar kMainWidth[] = ZED_TEXT("mMainWidth");
inline constexpr ZedChar kMainHeight[] = ZED_TEXT("mMainHeight");
inline constexpr ZedChar kMainIsLayer[] = ZED_TEXT("mMainIsLayer");
inline constexpr ZedChar kMainLayer[] = ZED_TEXT("mMainLayer");
inline constexpr ZedChar kMainItemNo[] = ZED_TEXT("mMainItemNo");

// The shared sizes and layer filter from the registry (no chooser exists).
void LoadMainSettings();

// The shared values that the chooser shows, as the user last left them
// (ui/chooser.h).
struct ChooserSharedValues {
    ZedString protrude;  // texts, read as numbers by the settings loader
    ZedString width;
    ZedString height;
    int isLayer = 0;     // the layer-filter check box
    ZedString layers;    // the layer list
};

// The shared sizes and layer filter from the chooser's values, which may not
// be stored yet.
void LoadMainSettings(const ChooserSharedValues& values);

// The pattern's own values (the PA_ to SB_ prefixes); side patterns C and D
// have none.
void LoadPatternSettings(Pattern pattern);

// The pattern's own values in load order, those this build does not have
// included (SettingValue::InThisBuild); none for side patterns C and D.
std::span<const SettingValue> PatternSettingValues(Pattern pattern);

// The default that the dialogs write for the registry value of this name when
// they find it missing (the loaders write their own column of the same table);
// empty text for a name the table does not hold.
const ZedChar* DialogDefault(const ZedChar* name);

#endif  // LEDGEWRIGHT_SETTINGS_LOADERS_H
