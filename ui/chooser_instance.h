// The chooser instance itself, for the code that drives its window.
#ifndef LEDGEWRIGHT_UI_CHOOSER_INSTANCE_H
#define LEDGEWRIGHT_UI_CHOOSER_INSTANCE_H

class LedgewrightDlg;

// nullptr until the first ShowChooser.
LedgewrightDlg* ChooserInstance();

#endif  // LEDGEWRIGHT_UI_CHOOSER_INSTANCE_H
