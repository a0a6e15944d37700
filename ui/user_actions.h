// What a user does to the plug-in's windows, as a window backend plays it: the
// headless backend on its plain control objects, a real backend by sending
// window messages. The dialog driver (ui/dialog_driver.h) is written against
// this, never against one backend.
#ifndef LEDGEWRIGHT_UI_USER_ACTIONS_H
#define LEDGEWRIGHT_UI_USER_ACTIONS_H

#include <functional>

#include "host/zedtext.h"
#include "ui/window.h"

class UserActions {
public:
    virtual ~UserActions() = default;
    // A click or double click on a button, check box, radio or notifying static.
    virtual void Click(DialogWindow& window, int id) = 0;
    virtual void DoubleClick(DialogWindow& window, int id) = 0;
    // Gives the edit the focus, replaces its text and takes the focus away.
    virtual void TypeAndLeave(DialogWindow& window, int id, const ZedString& text) = 0;
    virtual void ChooseItem(DialogWindow& window, int id, int index) = 0;
    // A click or double click on a list row; a row that does not exist is a click on no row.
    virtual void ClickRow(DialogWindow& window, int id, int row) = 0;
    virtual void DoubleClickRow(DialogWindow& window, int id, int row) = 0;
    virtual void PressKey(DialogWindow& window, int virtualKey) = 0;
    // What runs while each modal dialog is open; the dialog is closed with its
    // close box if it is still open afterwards. An empty function: none.
    virtual void SetModalDriver(std::function<void(DialogWindow&)> driver) = 0;
};

#endif  // LEDGEWRIGHT_UI_USER_ACTIONS_H
