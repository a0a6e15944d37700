// The settings loaders: each fills its part of ShoulderSettings from the
// plug-in's registry key. A value found missing takes the loader's default,
// which is written back at once.
#ifndef LEDGEWRIGHT_SETTINGS_LOADERS_H
#define LEDGEWRIGHT_SETTINGS_LOADERS_H

#include "base/pattern.h"
#include "host/zedtext.h"

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

// The default that the dialogs write for the registry value of this name when
// they find it missing (the loaders write their own column of the same table);
// empty text for a name the table does not hold.
const ZedChar* DialogDefault(const ZedChar* name);

#endif  // LEDGEWRIGHT_SETTINGS_LOADERS_H
