// Until the chooser window is built, no chooser exists: showing and hiding have
// no window to act on, and the shared settings come from the registry.
#include "ui/chooser.h"

bool ChooserExists() { return false; }
ChooserSharedValues ChooserValues() { return {}; }
void ShowChooser() {}
void HideChooserPlain() {}
void HideChooser() {}
