#include "geometry/plane_a_parts.h"

#include "settings/conversions.h"
#include "settings/shoulder_settings.h"

PlaneASizes PlaneASizesFromSettings() {
    const ShoulderSettingsRecord& s = ShoulderSettings;
    return PlaneASizes{s.mMainWidth, s.mMainProtrude, s.PA_IsWidthValue != 0, s.PA_WidthValue,
                       s.PA_WidthValueDistance};
}
