// The dialog driver table: plain functions through which a plug-in whose
// dialogs have no real windows lets its user's actions be played on them. The
// plug-in hands the table to the emulated host (ZedEmuOfferDialogDriver, found
// by name at run time, so the plug-in still imports nothing beyond ZedLib);
// the host runner takes it from there (emu::DialogDriver) and calls it from its
// dialog actions. Plain C types only: the table crosses a library boundary.
//
// A dialog is named by an opaque handle, asked for afresh before each action;
// controls by the plug-in's own control names, texts in UTF-8. Every action
// answers one of the ZED_EMU_* codes; nothing is done unless it is
// ZED_EMU_DONE.
#ifndef LEDGEWRIGHT_EMUHOST_EMU_DIALOG_DRIVER_H
#define LEDGEWRIGHT_EMUHOST_EMU_DIALOG_DRIVER_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct ZedEmuDialog ZedEmuDialog;

enum ZedEmuDriven {
    ZED_EMU_DONE = 0,
    ZED_EMU_NO_DIALOG = 1,     // the dialog does not exist (null handle)
    ZED_EMU_DIALOG_HIDDEN = 2, // the dialog is not on screen
    ZED_EMU_NO_CONTROL = 3,    // the dialog has no control of that name, row or cell
    ZED_EMU_DISABLED = 4,      // the control is disabled
    ZED_EMU_INVISIBLE = 5,     // the control is hidden
    ZED_EMU_WRONG_KIND = 6,    // the control does not take that action (typing into a button)
    ZED_EMU_NO_INPUT = 7,      // the plug-in's window backend takes no driven input
};

typedef struct ZedEmuDialogDriver {
    int version;  // 1

    // The dialogs: the chooser (once made, shown or not), the pattern panel
    // shown in it, the modal picker open now; null for none.
    ZedEmuDialog* (*chooser)(void);
    ZedEmuDialog* (*shownPanel)(void);
    ZedEmuDialog* (*openPicker)(void);
    // "chooser", "PlaneA panel" to "SideB panel", "colour picker", "line-type picker".
    const char* (*dialogName)(ZedEmuDialog* dialog);
    // The row selected in the chooser's pattern list, from 0; -1 for none or no chooser.
    int (*selectedRow)(void);

    // A click or double click on a button, check box, radio, picture or swatch.
    int (*click)(ZedEmuDialog* dialog, const char* control);
    int (*doubleClick)(ZedEmuDialog* dialog, const char* control);
    // A click or double click on a row of the chooser's pattern list, from 0;
    // a row that does not exist is a click on no row.
    int (*clickRow)(ZedEmuDialog* dialog, int row);
    int (*doubleClickRow)(ZedEmuDialog* dialog, int row);
    // Types the text into an edit, replacing its text, and moves the focus away.
    int (*typeAndLeave)(ZedEmuDialog* dialog, const char* control, const char* text);
    // Chooses item `index` (from 0) of a drop-down list.
    int (*chooseItem)(ZedEmuDialog* dialog, const char* control, int index);
    // A key pressed while the dialog has the input (a virtual-key code).
    int (*pressKey)(ZedEmuDialog* dialog, int virtualKey);
    // A click or double click on the cell of a picker at row and column, from 1.
    int (*clickCell)(ZedEmuDialog* dialog, int row, int column);
    int (*doubleClickCell)(ZedEmuDialog* dialog, int row, int column);
    // The picker's OK and CANCEL buttons.
    int (*ok)(ZedEmuDialog* dialog);
    int (*cancel)(ZedEmuDialog* dialog);

    // `run` is called with the context while each modal dialog is open; the
    // dialog is closed with its close box if it is still open when `run`
    // returns. Null leaves modal dialogs to close at once so.
    void (*onModal)(void (*run)(void* context), void* context);
    // `written` is called with the context, the value's name and its text for
    // every setting the plug-in writes; null for no report.
    void (*onSettingWritten)(void (*written)(void* context, const char* name, const char* text), void* context);
} ZedEmuDialogDriver;

#ifdef __cplusplus
}
#endif

#endif  // LEDGEWRIGHT_EMUHOST_EMU_DIALOG_DRIVER_H
