// The pattern chooser, as the rest of the plug-in sees it.
//
// The chooser is the plug-in's one modeless window. Until it exists (it is made
// at the first command start) the command works without it: the shared sizes
// then come from the registry.
#ifndef LEDGEWRIGHT_UI_CHOOSER_H
#define LEDGEWRIGHT_UI_CHOOSER_H

#include "host/zedtext.h"
#include "settings/loaders.h"

bool ChooserExists();
// The chooser's shared values; only meaningful while ChooserExists().
ChooserSharedValues ChooserValues();
// Shows the chooser, creating it at the first call.
void ShowChooser();
// The platform's plain hide, without saving the position.
void HideChooserPlain();
// Saves the chooser's position and hides it (end of the command).
void HideChooser();
// Destroys the chooser, as the plug-in's unloading does; the next
// ShowChooser creates it again.
void DestroyChooser();

#endif  // LEDGEWRIGHT_UI_CHOOSER_H
