// The settings loaders: each fills its part of ShoulderSettings from the
// plug-in's registry key. A value found missing takes the loader's default,
// which is written back at once.
#ifndef LEDGEWRIGHT_SETTINGS_LOADERS_H
#define LEDGEWRIGHT_SETTINGS_LOADERS_H

// The shared sizes and layer filter: from the chooser when it exists, else from
// the registry.
void LoadMainSettings();

void LoadPlaneASettings();
void LoadPlaneBSettings();
void LoadPlaneCSettings();
void LoadPlaneDSettings();
void LoadSideASettings();
void LoadSideBSettings();

#endif  // LEDGEWRIGHT_SETTINGS_LOADERS_H
