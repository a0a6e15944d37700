#include "settings/shoulder_settings.h"

ShoulderSettingsRecord ShoulderSettings;

void ResetShoulderSettings() { ShoulderSettings = ShoulderSettingsRecord(); }
